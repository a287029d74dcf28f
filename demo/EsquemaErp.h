#pragma once

#include <QString>
#include <QStringList>

class QSqlDatabase;

namespace qrx {

// The ERP schema of the demo and the tests (schema.sql, compiled in as a resource).
class EsquemaErp {
public:
    // The schema file as written.
    static QString texto();
    // Its statements, comments removed, in file order.
    static QStringList instrucoes();
    // Creates every table and index in an empty database; raises QrxError on failure.
    static void criar(QSqlDatabase &bd);
    // Tables the schema creates, in file order.
    static QStringList tabelas();
};

} // namespace qrx
