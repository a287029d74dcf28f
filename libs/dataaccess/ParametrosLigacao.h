#pragma once

#include "Dialecto.h"
#include "qrxdataaccess_export.h"

#include <QString>

namespace qrx {

// How a connection string is opened with Qt SQL: which driver, what it is given, which engine
// is behind it. SQL Server goes through ODBC; SQLite through the embedded driver, or through
// ODBC when the string names an "ODBC Driver".
struct QRXDATAACCESS_EXPORT ParametrosLigacao {
    QString controladorQt;      // "QSQLITE" or "QODBC"
    QString nomeBase;           // what QSqlDatabase::setDatabaseName receives
    QString opcoes;             // what QSqlDatabase::setConnectOptions receives
    QString ficheiro;           // SQLite file that must already exist; "" for a server
    QString controladorOdbc;    // ODBC driver name; "" without ODBC
    Dialecto::Motor motor = Dialecto::Motor::SQLServer;
    int tempoLimite = 30;       // command time-out in seconds; 0 waits without limit

    static ParametrosLigacao de(const QString &textoLigacao);
    static QString controladorOdbcPorOmissao();  // "SQL Server" on Windows, "FreeTDS" elsewhere
};

} // namespace qrx
