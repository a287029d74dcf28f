#include "DiagnosticoOdbc.h"

#ifdef QRX_COM_ODBC
#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif
#include <sql.h>
#include <sqlext.h>
#endif

namespace qrx::interno {

#ifdef QRX_COM_ODBC

namespace {

SQLHANDLE handleDe(const QVariant &v)
{
    if (!v.isValid() || v.metaType() != QMetaType::fromType<void *>())
        return nullptr;
    return *static_cast<void *const *>(v.constData());
}

QStringList estados(SQLSMALLINT tipo, SQLHANDLE handle)
{
    QStringList lista;
    if (!handle)
        return lista;
    for (SQLSMALLINT i = 1;; ++i) {
        SQLCHAR estado[SQL_SQLSTATE_SIZE + 1] = {};
        SQLINTEGER nativo = 0;
        SQLCHAR mensagem[8];
        SQLSMALLINT tamanho = 0;
        const SQLRETURN r = SQLGetDiagRec(tipo, handle, i, estado, &nativo, mensagem,
                                          SQLSMALLINT(sizeof mensagem), &tamanho);
        if (r != SQL_SUCCESS && r != SQL_SUCCESS_WITH_INFO)
            break;
        lista.append(QString::fromLatin1(reinterpret_cast<const char *>(estado)));
    }
    return lista;
}

} // namespace

QStringList estadosSqlDaInstrucao(const QVariant &handleInstrucao)
{
    return estados(SQL_HANDLE_STMT, handleDe(handleInstrucao));
}

QStringList estadosSqlDaLigacao(const QVariant &handleLigacao)
{
    return estados(SQL_HANDLE_DBC, handleDe(handleLigacao));
}

void defineTempoLimite(const QVariant &handleInstrucao, int segundos)
{
    if (SQLHANDLE h = handleDe(handleInstrucao))
        SQLSetStmtAttr(h, SQL_ATTR_QUERY_TIMEOUT,
                       reinterpret_cast<SQLPOINTER>(static_cast<SQLULEN>(segundos)), 0);
}

#else

QStringList estadosSqlDaInstrucao(const QVariant &) { return {}; }
QStringList estadosSqlDaLigacao(const QVariant &) { return {}; }
void defineTempoLimite(const QVariant &, int) {}

#endif

} // namespace qrx::interno
