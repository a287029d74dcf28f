#pragma once

#include <QtGlobal>

#include <optional>
#include <string>
#include <string_view>

namespace qrx {

// An exact decimal number, digitos x 10^expoente. Doubles, Currency and texts meet here so
// that every rounding is done on the decimal value a person reads, never on binary noise.
class NumeroDecimal {
public:
    enum class Arredondamento { MeioParaPar, MeioAfastaDoZero };

    NumeroDecimal() = default; // zero

    // The shortest text that reads back as the same double (0.1 + 0.2 gives 0.30000000000000004).
    static std::optional<NumeroDecimal> deDouble(double valor);
    // The double rounded to that many significant digits (the plain conversion uses 15).
    static std::optional<NumeroDecimal> deDouble(double valor, int significativos);
    static std::optional<NumeroDecimal> deFloat(float valor);
    // valor x 10^expoente, exactly.
    static NumeroDecimal deInteiro(qint64 valor, int expoente = 0);
    static NumeroDecimal deInteiro(quint64 valor, int expoente = 0);
    // Reads "[-+]digits[.digits][e[-+]digits]" in the C form; nothing else.
    static std::optional<NumeroDecimal> deTextoC(std::string_view texto);

    bool eZero() const { return m_digitos.empty(); }
    bool negativo() const { return m_negativo; }
    // Significant digits without leading or trailing zeros; empty for zero.
    const std::string &digitos() const { return m_digitos; }
    int expoente() const { return m_expoente; }
    // Power of ten of the first significant digit (12.5 gives 1, 0.05 gives -2); 0 for zero.
    int ordem() const;

    NumeroDecimal arredondado(int casas, Arredondamento modo) const;
    NumeroDecimal multiplicadoPotencia10(int potencia) const;
    NumeroDecimal simetrico() const;
    NumeroDecimal absoluto() const;

    // Digits of the integer part of the absolute value; empty when below 1.
    std::string digitosInteiros() const;
    // Exactly `casas` digits of the fractional part, cut (not rounded), zero-filled.
    std::string digitosDecimais(int casas) const;

    // The value x 10^escala when it is a whole number that fits in 64 bits.
    std::optional<qint64> paraUnidades(int escala) const;
    // Nearest double; nothing when it is beyond the range of doubles.
    std::optional<double> paraDouble() const;
    // Shortest C form ("-12.5", "1e+20"), for messages and tests.
    std::string textoC() const;

    friend bool operator==(const NumeroDecimal &, const NumeroDecimal &) = default;

private:
    NumeroDecimal(bool negativo, std::string digitos, int expoente);
    void normaliza();

    bool m_negativo = false;
    std::string m_digitos;
    int m_expoente = 0;
};

} // namespace qrx
