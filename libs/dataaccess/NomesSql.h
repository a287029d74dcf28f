#pragma once

#include <QString>
#include <QStringList>

namespace qrx::interno {

// Parts of a dotted table name without their quotes ([x] or "x").
QStringList partesDoNome(const QString &nome);
// The dotted name without quotes: "[dbo].[EMPRESA]" -> "dbo.EMPRESA".
QString semAspas(const QString &nome);
// The table itself, without schema or database: "dbo.EMPRESA" -> "EMPRESA".
QString nomeSimples(const QString &nome);
// The one table a plain query reads ("SELECT ... FROM T WHERE ..."); "" for joins, several
// tables, subqueries or anything else.
QString tabelaDaConsulta(const QString &consulta);

} // namespace qrx::interno
