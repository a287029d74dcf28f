#include "Currency.h"

#include "QrxError.h"
#include "TextoNumero.h"

#include <limits>

namespace qrx {

namespace {

constexpr qint64 Maximo = std::numeric_limits<qint64>::max();
constexpr qint64 Minimo = std::numeric_limits<qint64>::min();
constexpr quint64 LimiteNegativo = quint64(Maximo) + 1;

[[noreturn]] void falhaOverflow()
{
    throw QrxError(erros::Overflow, QStringLiteral("Currency"),
                   erros::descricaoPadrao(erros::Overflow));
}

quint64 absoluto(qint64 v) { return v < 0 ? quint64(0) - quint64(v) : quint64(v); }

// Products of two 64-bit counts need 128 bits; this stays portable to compilers without a
// 128-bit integer type.
struct U128 {
    quint64 alto = 0;
    quint64 baixo = 0;
};

U128 multiplica(quint64 a, quint64 b)
{
    const quint64 a0 = a & 0xffffffffu, a1 = a >> 32;
    const quint64 b0 = b & 0xffffffffu, b1 = b >> 32;
    const quint64 p00 = a0 * b0, p01 = a0 * b1, p10 = a1 * b0, p11 = a1 * b1;
    const quint64 meio = (p00 >> 32) + (p01 & 0xffffffffu) + (p10 & 0xffffffffu);
    U128 r;
    r.baixo = (meio << 32) | (p00 & 0xffffffffu);
    r.alto = p11 + (p01 >> 32) + (p10 >> 32) + (meio >> 32);
    return r;
}

// Long division, one bit at a time; the divisor is never 0.
void divide(const U128 &n, quint64 d, U128 &quociente, quint64 &resto)
{
    quociente = {};
    resto = 0;
    for (int i = 127; i >= 0; --i) {
        const bool transporte = (resto >> 63) != 0;
        const quint64 bit = i >= 64 ? (n.alto >> (i - 64)) & 1u : (n.baixo >> i) & 1u;
        resto = (resto << 1) | bit;
        quociente.alto = (quociente.alto << 1) | (quociente.baixo >> 63);
        quociente.baixo <<= 1;
        if (transporte || resto >= d) {
            resto -= d;
            quociente.baixo |= 1u;
        }
    }
}

// Quotient and remainder of n / d rounded half to even, with the sign applied; overflow
// when the result leaves the 64-bit range.
qint64 quocienteArredondado(const U128 &n, quint64 d, bool negativo)
{
    U128 q;
    quint64 r = 0;
    divide(n, d, q, r);
    const quint64 falta = d - r; // r < d, so no wrap
    if (r > falta || (r == falta && (q.baixo & 1u))) {
        if (++q.baixo == 0)
            ++q.alto;
    }
    if (q.alto != 0)
        falhaOverflow();
    if (negativo) {
        if (q.baixo > LimiteNegativo)
            falhaOverflow();
        return qint64(quint64(0) - q.baixo);
    }
    if (q.baixo > quint64(Maximo))
        falhaOverflow();
    return qint64(q.baixo);
}

} // namespace

Currency::Currency(double valor)
{
    const auto decimal = NumeroDecimal::deDouble(valor);
    if (!decimal)
        falhaOverflow();
    m_unidades = deDecimal(*decimal).m_unidades;
}

Currency Currency::deUnidades(qint64 decimosMilesimos) noexcept
{
    Currency c;
    c.m_unidades = decimosMilesimos;
    return c;
}

Currency Currency::deDecimal(const NumeroDecimal &valor)
{
    const auto unidades = valor.arredondado(4, Arredondamento::MeioParaPar).paraUnidades(4);
    if (!unidades)
        falhaOverflow();
    return deUnidades(*unidades);
}

Currency Currency::deTexto(const QString &texto, const QLocale &locale)
{
    const auto decimal = leNumero(texto, locale);
    if (!decimal)
        throw QrxError(erros::ValorInvalido, QStringLiteral("Currency"),
                       erros::descricaoPadrao(erros::ValorInvalido));
    return deDecimal(*decimal);
}

Currency Currency::deInteiro(qint64 valor)
{
    if (valor > Maximo / Escala || valor < Minimo / Escala)
        falhaOverflow();
    return deUnidades(valor * Escala);
}

Currency Currency::deInteiro(quint64 valor)
{
    if (valor > quint64(Maximo / Escala))
        falhaOverflow();
    return deUnidades(qint64(valor) * Escala);
}

Currency Currency::maximo() noexcept { return deUnidades(Maximo); }
Currency Currency::minimo() noexcept { return deUnidades(Minimo); }

double Currency::paraDouble() const noexcept
{
    constexpr qint64 Exacto = qint64(1) << 53;
    if (m_unidades < Exacto && m_unidades > -Exacto)
        return double(m_unidades) / double(Escala); // both exact: one correct rounding
    return paraDecimal().paraDouble().value_or(0.0);
}

NumeroDecimal Currency::paraDecimal() const
{
    return NumeroDecimal::deInteiro(m_unidades, -4);
}

qint64 Currency::parteInteiraAbaixo() const noexcept
{
    qint64 q = m_unidades / Escala;
    if (m_unidades % Escala < 0)
        --q;
    return q;
}

Currency Currency::arredonda(int casas, Arredondamento modo) const
{
    if (casas < 0)
        throw QrxError(erros::ArgumentoInvalido, QStringLiteral("Currency::arredonda"),
                       erros::descricaoPadrao(erros::ArgumentoInvalido));
    if (casas >= 4)
        return *this;
    qint64 divisor = 1;
    for (int i = casas; i < 4; ++i)
        divisor *= 10;
    qint64 q = m_unidades / divisor;
    const quint64 resto = absoluto(m_unidades % divisor);
    const quint64 dobro = resto * 2;
    const bool sobe = dobro > quint64(divisor)
        || (dobro == quint64(divisor)
            && (modo == Arredondamento::MeioAfastaDoZero || (q % 2) != 0));
    if (sobe)
        q += m_unidades < 0 ? -1 : 1;
    if (q > Maximo / divisor || q < Minimo / divisor)
        falhaOverflow();
    return deUnidades(q * divisor);
}

Currency Currency::operator-() const
{
    if (m_unidades == Minimo)
        falhaOverflow();
    return deUnidades(-m_unidades);
}

Currency &Currency::operator+=(const Currency &outro)
{
    const qint64 b = outro.m_unidades;
    if ((b > 0 && m_unidades > Maximo - b) || (b < 0 && m_unidades < Minimo - b))
        falhaOverflow();
    m_unidades += b;
    return *this;
}

Currency &Currency::operator-=(const Currency &outro)
{
    const qint64 b = outro.m_unidades;
    if ((b < 0 && m_unidades > Maximo + b) || (b > 0 && m_unidades < Minimo + b))
        falhaOverflow();
    m_unidades -= b;
    return *this;
}

Currency &Currency::operator*=(const Currency &outro)
{
    const bool negativo = (m_unidades < 0) != (outro.m_unidades < 0);
    const U128 produto = multiplica(absoluto(m_unidades), absoluto(outro.m_unidades));
    m_unidades = quocienteArredondado(produto, quint64(Escala), negativo);
    return *this;
}

Currency &Currency::operator/=(const Currency &outro)
{
    if (outro.m_unidades == 0)
        throw QrxError(erros::DivisaoPorZero, QStringLiteral("Currency"),
                       erros::descricaoPadrao(erros::DivisaoPorZero));
    const bool negativo = (m_unidades < 0) != (outro.m_unidades < 0);
    const U128 dividendo = multiplica(absoluto(m_unidades), quint64(Escala));
    m_unidades = quocienteArredondado(dividendo, absoluto(outro.m_unidades), negativo);
    return *this;
}

} // namespace qrx
