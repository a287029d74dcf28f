#pragma once

#include "NumeroDecimal.h"

#include <QLocale>
#include <QMetaType>
#include <QString>
#include <QtGlobal>

#include <compare>
#include <concepts>
#include <type_traits>

namespace qrx {

// Fixed point with four decimals, as the platform's currency type: a 64-bit count of
// ten-thousandths. Every result is kept to four decimals (halves to even); a result beyond
// the range raises QrxError 6 "Overflow".
class Currency {
public:
    using Arredondamento = NumeroDecimal::Arredondamento;

    static constexpr qint64 Escala = 10000;

    constexpr Currency() = default;
    // From a double: rounded at the fourth decimal, halves to even, on the shortest decimal
    // text of the double (so 0.1 + 0.2 is 0.3, not 0.3 plus binary noise).
    explicit Currency(double valor);
    template <typename T>
        requires(std::is_integral_v<T> && !std::is_same_v<T, bool>)
    explicit Currency(T valor) : Currency(deInteiro(valor)) {}

    static Currency deUnidades(qint64 decimosMilesimos) noexcept;
    static Currency deDecimal(const NumeroDecimal &valor); // halves to even at the 4th decimal
    // A text under the regional settings (see leNumero); QrxError 13 when it is not a number.
    static Currency deTexto(const QString &texto, const QLocale &locale = QLocale());
    static Currency maximo() noexcept;
    static Currency minimo() noexcept;

    qint64 unidades() const noexcept { return m_unidades; } // ten-thousandths
    double paraDouble() const noexcept;
    NumeroDecimal paraDecimal() const;
    // Whole part, towards zero (12.7 -> 12, -12.7 -> -12).
    qint64 parteInteira() const noexcept { return m_unidades / Escala; }
    // Whole part, downwards (-12.7 -> -13).
    qint64 parteInteiraAbaixo() const noexcept;
    // Rounded to 0..4 decimals; a negative count raises QrxError 5.
    Currency arredonda(int casas, Arredondamento modo = Arredondamento::MeioParaPar) const;
    bool eZero() const noexcept { return m_unidades == 0; }
    int sinal() const noexcept { return (m_unidades > 0) - (m_unidades < 0); }

    Currency operator-() const;
    Currency &operator+=(const Currency &outro);
    Currency &operator-=(const Currency &outro);
    Currency &operator*=(const Currency &outro);
    Currency &operator/=(const Currency &outro); // by zero: QrxError 11

    friend Currency operator+(Currency a, const Currency &b) { return a += b; }
    friend Currency operator-(Currency a, const Currency &b) { return a -= b; }
    friend Currency operator*(Currency a, const Currency &b) { return a *= b; }
    friend Currency operator/(Currency a, const Currency &b) { return a /= b; }
    friend constexpr auto operator<=>(const Currency &, const Currency &) = default;
    friend constexpr bool operator==(const Currency &, const Currency &) = default;

private:
    static Currency deInteiro(qint64 valor);
    static Currency deInteiro(quint64 valor);
    template <typename T>
    static Currency deInteiro(T valor)
    {
        if constexpr (std::is_signed_v<T>)
            return deInteiro(static_cast<qint64>(valor));
        else
            return deInteiro(static_cast<quint64>(valor));
    }

    qint64 m_unidades = 0;
};

} // namespace qrx

Q_DECLARE_METATYPE(qrx::Currency)
