#pragma once

#include "qrxdataaccess_export.h"

#include <QString>
#include <QStringList>
#include <QVariant>

namespace qrx {

// The few pieces of SQL that differ between the two engines. Queries are written once and
// ask the dialect of the open connection for these pieces.
class QRXDATAACCESS_EXPORT Dialecto {
public:
    enum class Motor { SQLServer, SQLite };

    static const Dialecto &sqlServer();
    static const Dialecto &sqlite();
    static const Dialecto &de(Motor motor);

    virtual ~Dialecto() = default;
    Dialecto(const Dialecto &) = delete;
    Dialecto &operator=(const Dialecto &) = delete;

    virtual Motor motor() const = 0;
    virtual QString nome() const = 0;                       // "SQL Server", "SQLite"

    // A table of the ERP by its plain name: "dbo.EMPRESA" / "EMPRESA".
    virtual QString tabela(const QString &nome) const = 0;
    // A quoted identifier; a dotted name is quoted part by part, existing quotes are kept out.
    virtual QString identificador(const QString &nome) const = 0;
    // a + b + c / a || b || c
    virtual QString concatena(const QStringList &expressoes) const = 0;
    // CAST(x AS nvarchar(n)) / CAST(x AS TEXT); n is ignored where text has no length.
    virtual QString comoTexto(const QString &expressao, int tamanho = 4000) const = 0;
    // The last n characters: RIGHT(x, n) / substr(x, -n).
    virtual QString direita(const QString &expressao, int n) const = 0;
    // ISNULL(x, y) / IFNULL(x, y)
    virtual QString seNulo(const QString &expressao, const QString &alternativa) const = 0;
    // A SELECT limited to its first n rows: "SELECT TOP n ..." / "... LIMIT n".
    virtual QString primeirasLinhas(const QString &consulta, int n) const = 0;

    // Savepoints, so that a batch inside a caller's transaction is still all or nothing.
    // An empty release text means the engine has no release statement.
    virtual QString criaPontoGravacao(const QString &nome) const = 0;
    virtual QString desfazPontoGravacao(const QString &nome) const = 0;
    virtual QString libertaPontoGravacao(const QString &nome) const = 0;

    // Bound values as the engine stores them, and values read back as callers expect them.
    virtual QVariant valorParaBase(const QVariant &valor) const = 0;
    virtual QVariant valorDaBase(const QVariant &valor) const = 0;
    // False when valorDaBase never changes a value (readers then skip it).
    virtual bool converteLeitura() const = 0;
    // A cheap test readers make first: could valorDaBase change this text?
    virtual bool converteTexto(const QString &texto) const = 0;

protected:
    Dialecto() = default;
};

} // namespace qrx
