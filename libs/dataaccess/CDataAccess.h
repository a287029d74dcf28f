#pragma once

#include "Recordset.h"
#include "qrxdataaccess_export.h"

#include <QString>
#include <QStringBuilder>
#include <QVariantList>

#include <memory>

class QSqlDatabase;

namespace qrx {

class Interaccao;
class Dialecto;

enum QUERYOPTIONS { QO_UseTable = 2, QO_UseText = 1, QO_UseStoredProc = 4, QO_UseUnknown = 8,
                    QO_UseDefault = -1 };
enum LOCKTYPES { LT_ReadOnly = 1, LT_Optimistic = 3, LT_Pessimistic = 2, LT_BatchOptimistic = 4 };
enum RECORDSETTYPES { RT_Disconnected = 0, RT_Connected = 1 };

// A statement and the values bound to its "?" placeholders. Values never enter the text.
struct QRXDATAACCESS_EXPORT Instrucao {
    Instrucao(const QString &t) : texto(t) {}               // NOLINT: plain text converts
    Instrucao(const char *t) : texto(QString::fromUtf8(t)) {} // NOLINT
    template <typename A, typename B>
    Instrucao(const QStringBuilder<A, B> &t) : texto(t) {}    // NOLINT: "a" + b converts too
    Instrucao(QString t, QVariantList p) : texto(std::move(t)), parametros(std::move(p)) {}
    QString texto;
    QVariantList parametros;
};

// The database object: one connection, disconnected and connected reads, statements and
// transactions. Every failure is raised as QrxError with source "DataAccessAPI"; a lost
// connection or a time-out during a read asks the person whether to retry.
class QRXDATAACCESS_EXPORT CDataAccess {
public:
    CDataAccess();
    ~CDataAccess();
    CDataAccess(const CDataAccess &) = delete;
    CDataAccess &operator=(const CDataAccess &) = delete;

    // Parts of the open connection string; "" without a connection.
    QString PrefixoBaseDados() const;
    QString BaseDados() const;
    QString Servidor() const;
    QString UserId() const;
    QString PassWord() const;

    bool BeginTrans();
    bool CloseConnection();
    bool CommitTrans();
    bool DisconnectRecordset(Recordset &Recordset);
    bool ExecQuery(const QString &Connect, const Instrucao &SQLQuery);
    bool GetConnectedRecordset(const Instrucao &SQLQuery, Recordset &Recordset,
                               LOCKTYPES LockType = LT_Optimistic,
                               QUERYOPTIONS Options = QO_UseDefault);
    bool GetRecordset(const QString &Connect, const Instrucao &SQLQuery, Recordset &Recordset,
                      QUERYOPTIONS Options = QO_UseDefault, bool UseShapeProvider = false);
    bool IsInTransaction() const;
    bool OpenConnection(const QString &Connect);
    bool PutRecordset(const QString &Connect, Recordset &Recordset);
    bool RollbackTrans();
    bool DataComponentsInstalled(const QString &Connect = QString());
    // The shared connection; raises when none is open.
    QSqlDatabase GetConnection();

    // Dialect of the open connection (SQL Server or SQLite); raises when none is open.
    const Dialecto &dialecto() const;

    // Who answers the Retry/Cancel question; without one the answer is Cancel.
    void setInteraccao(Interaccao *interaccao);

    // Statements sent to the database since creation (reads, writes, transaction commands).
    qint64 NumeroInstrucoes() const;
    void reporContador();

private:
    struct Dados;
    std::unique_ptr<Dados> d;
};

// RAII transaction: rolls back unless committed.
class QRXDATAACCESS_EXPORT Transaccao {
public:
    explicit Transaccao(CDataAccess &bd);
    ~Transaccao();
    Transaccao(const Transaccao &) = delete;
    Transaccao &operator=(const Transaccao &) = delete;
    void commit();

private:
    CDataAccess &m_bd;
    bool m_terminada = false;
};

} // namespace qrx
