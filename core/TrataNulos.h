#pragma once

#include "Currency.h"
#include "Interaccao.h"

#include <QLocale>
#include <QString>
#include <QVariant>
#include <QtGlobal>

namespace qrx {

// Null-safe conversions of database values. Null, Empty (see Variante.h) and a value that is
// not numeric give 0 (numbers) or "" (texts; a non-numeric text gives itself).
//
// cTrataNulos: the value as currency; on a failed conversion (Overflow) shows
//   "Erro <n> (<description>)" CR LF "Na função cTrataNulos do Módulo ModTools"
//   (OK button, no icon, the program's title) and gives 0.
Currency cTrataNulos(const QVariant &valor, Interaccao &interaccao, const QLocale &locale = QLocale());
// nTrataNulos: as cTrataNulos, but a failed conversion raises its QrxError to the caller.
Currency nTrataNulos(const QVariant &valor, const QLocale &locale = QLocale());
// lTrataNulos: the value rounded to a whole number (halves to even), as currency; raises.
Currency lTrataNulos(const QVariant &valor, const QLocale &locale = QLocale());
// iTrataNulos: the value rounded to a whole number (halves to even); 0 when that leaves the
// 16-bit range.
qint16 iTrataNulos(const QVariant &valor, const QLocale &locale = QLocale());
// sTrataNulos: the value as text (paraTexto); on a failed conversion shows the box above with
// "Na função sTrataNulos do Módulo ModTools" and gives "".
QString sTrataNulos(const QVariant &valor, Interaccao &interaccao, const QLocale &locale = QLocale());
// sTrataVazios: as sTrataNulos, but a failed conversion raises its QrxError to the caller.
QString sTrataVazios(const QVariant &valor, const QLocale &locale = QLocale());

} // namespace qrx
