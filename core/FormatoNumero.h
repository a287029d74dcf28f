#pragma once

#include "Currency.h"
#include "NumeroDecimal.h"

#include <QLocale>
#include <QString>

#include <type_traits>

namespace qrx {

// The platform's custom number format ("#####0.#0", "###,###.##", "######.00", "00", ...):
//   0   a forced digit;  #  an optional digit (no leading zeros; zero with only "#" before the
//       point prints no integer digit: "######" of 0 is "", "######.00" of 0.5 is ",50")
//   .   the regional decimal separator, printed even when no digit follows ("#.##" of 5 is "5,")
//   ,   between integer places: thousands grouped with the regional group separator;
//       right before the point or at the end of the integer places: divide by 1000
//   %   multiply by 100 and print "%";  "text" and \x  literal text; other characters as they stand
//   ;   sections positive;negative;zero (an empty or missing section falls back to the first;
//       only the first section gets a "-" put in front)
// Decimal "#" places drop trailing zeros from the right while the place there is "#", so
// "#####0.#0" always shows two decimals (50 -> "50,00") and "######.##" of 12.5 is "12,5".
// Digits beyond the integer places are printed all the same. The shown digits are rounded
// halves away from zero on the decimal value (2.675 -> "2,68"; doubles are read to 15
// significant digits, so binary noise never decides). A negative value that rounds to zero
// prints without "-" ("-0,001" with "0.00" gives "0,00"). An empty pattern gives the plain
// text of textoNumero. The scientific ("0.00E+00") and named formats are not supported.
QString formataNumero(double valor, const QString &padrao, const QLocale &locale = QLocale());
QString formataNumero(const Currency &valor, const QString &padrao,
                      const QLocale &locale = QLocale());
QString formataNumero(const NumeroDecimal &valor, const QString &padrao,
                      const QLocale &locale = QLocale());

template <typename T>
    requires(std::is_integral_v<T> && !std::is_same_v<T, bool>)
QString formataNumero(T valor, const QString &padrao, const QLocale &locale = QLocale())
{
    if constexpr (std::is_signed_v<T>)
        return formataNumero(NumeroDecimal::deInteiro(static_cast<qint64>(valor)), padrao, locale);
    else
        return formataNumero(NumeroDecimal::deInteiro(static_cast<quint64>(valor)), padrao, locale);
}

} // namespace qrx
