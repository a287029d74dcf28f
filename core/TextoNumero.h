#pragma once

#include "Currency.h"
#include "NumeroDecimal.h"

#include <QLocale>
#include <QString>
#include <QStringView>

#include <optional>
#include <type_traits>

namespace qrx {

// The platform's plain conversion of a number to text: regional decimal separator, no
// grouping, no trailing zeros, no leading blank, "-" in front of negatives ("12,5" under
// pt_PT). Doubles keep 15 significant digits and switch to the exponent form ("1E+15",
// "1,5E-05") below 1E-4 or from 1E+15 on; floats keep 7 (from 1E+7 on). Currency never
// uses the exponent form.
QString textoNumero(double valor, const QLocale &locale = QLocale());
QString textoNumero(float valor, const QLocale &locale = QLocale());
QString textoNumero(const Currency &valor, const QLocale &locale = QLocale());
QString textoNumero(const NumeroDecimal &valor, const QLocale &locale = QLocale());
QString textoNumero(qint64 valor, const QLocale &locale = QLocale());
QString textoNumero(quint64 valor, const QLocale &locale = QLocale());

template <typename T>
    requires(std::is_integral_v<T> && !std::is_same_v<T, bool>)
QString textoNumero(T valor, const QLocale &locale = QLocale())
{
    if constexpr (std::is_signed_v<T>)
        return textoNumero(static_cast<qint64>(valor), locale);
    else
        return textoNumero(static_cast<quint64>(valor), locale);
}

// Reads a number written under the regional settings: blanks around it, a leading sign,
// the regional group separator between groups of three integer digits (for a locale that
// groups with a no-break space, a plain space counts too), the regional decimal separator,
// an exponent ("1,5E3"). Where the decimal separator is not "." and "." is not the group
// separator either (pt_PT), a text without the regional separator may use "." as its decimal
// point, so "12.5" is 12.5 there: such texts come from databases and settings files, and
// reading them as 125 or as no number would corrupt the value. Under es_ES, where "." groups,
// "12.5" is no number. Empty text is no number.
std::optional<NumeroDecimal> leNumero(QStringView texto, const QLocale &locale = QLocale());

} // namespace qrx
