#pragma once

#include "ConfiguracaoLigacao.h"

#include <QString>

namespace qrx {

// Builds the connection string that CDataAccess::OpenConnection opens:
//   SQL Server: Provider=MSDataShape;Data Provider=SQLOLEDB;Data Source=<server>;
//               Initial Catalog=<database>;User ID=<user>;Password=<password>
//               [;ODBC Driver=<driver>]
//   SQLite:     Provider=MSDataShape;Data Provider=SQLite;Data Source=<absolute file>;
//               Initial Catalog=<file name without extension>
// A value holding ";" or a double quote, starting with a single quote or with blanks at
// either end is written between double quotes, inner double quotes doubled.
class ConstrutorLigacao {
public:
    void setProvider(const QString &provider) { m_provider = provider; }
    // Kept for the callers that set it; the string does not carry it.
    void setModo(int modo) { m_modo = modo; }
    void setMotor(MotorBaseDados motor) { m_motor = motor; }
    void setServidor(const QString &servidor) { m_servidor = servidor; }
    // The database name, or for SQLite the database file.
    void setBaseDados(const QString &baseDados) { m_baseDados = baseDados; }
    void setUtilizador(const QString &utilizador) { m_utilizador = utilizador; }
    void setPassword(const QString &password) { m_password = password; }
    void setDriverOdbc(const QString &driver) { m_driverOdbc = driver; }

    const QString &provider() const { return m_provider; }
    int modo() const { return m_modo; }

    // The server for the status bar: the SQL Server host, or the SQLite database file.
    QString Servidor() const;

    QString TextoLigacao() const;

    // The builder as start-up fills it: provider "MSDataShape", mode 1, then the values
    // of the connection settings (SQLite with its file resolved).
    static ConstrutorLigacao deConfiguracao(const ConfiguracaoLigacao &configuracao);

    // One value as the string holds it.
    static QString valorLigacao(const QString &valor);

private:
    QString m_provider;
    int m_modo = 0;
    MotorBaseDados m_motor = MotorBaseDados::SQLServer;
    QString m_servidor;
    QString m_baseDados;
    QString m_utilizador;
    QString m_password;
    QString m_driverOdbc;
};

} // namespace qrx
