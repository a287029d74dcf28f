#include "NumeroDecimal.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace qrx {

namespace {

// Exponents beyond this are no value anyone writes; clamping keeps the arithmetic in int.
constexpr int LimiteExpoente = 100000000;

bool eDigito(char c) { return c >= '0' && c <= '9'; }

std::optional<NumeroDecimal> leTextoCharconv(const char *inicio, const char *fim)
{
    return NumeroDecimal::deTextoC(std::string_view(inicio, std::size_t(fim - inicio)));
}

} // namespace

NumeroDecimal::NumeroDecimal(bool negativo, std::string digitos, int expoente)
    : m_negativo(negativo), m_digitos(std::move(digitos)), m_expoente(expoente)
{
    normaliza();
}

void NumeroDecimal::normaliza()
{
    const auto primeiro = m_digitos.find_first_not_of('0');
    if (primeiro == std::string::npos) {
        m_digitos.clear();
        m_negativo = false;
        m_expoente = 0;
        return;
    }
    m_digitos.erase(0, primeiro);
    const auto ultimo = m_digitos.find_last_not_of('0');
    const auto zerosFinais = m_digitos.size() - 1 - ultimo;
    m_digitos.erase(ultimo + 1);
    m_expoente += int(zerosFinais);
}

std::optional<NumeroDecimal> NumeroDecimal::deTextoC(std::string_view texto)
{
    std::size_t i = 0;
    bool negativo = false;
    if (i < texto.size() && (texto[i] == '-' || texto[i] == '+')) {
        negativo = texto[i] == '-';
        ++i;
    }
    std::string digitos;
    while (i < texto.size() && eDigito(texto[i]))
        digitos += texto[i++];
    int decimais = 0;
    if (i < texto.size() && texto[i] == '.') {
        ++i;
        while (i < texto.size() && eDigito(texto[i])) {
            digitos += texto[i++];
            ++decimais;
        }
    }
    if (digitos.empty())
        return std::nullopt;
    long long expoente = 0;
    if (i < texto.size() && (texto[i] == 'e' || texto[i] == 'E')) {
        ++i;
        bool expNegativo = false;
        if (i < texto.size() && (texto[i] == '-' || texto[i] == '+')) {
            expNegativo = texto[i] == '-';
            ++i;
        }
        if (i >= texto.size() || !eDigito(texto[i]))
            return std::nullopt;
        while (i < texto.size() && eDigito(texto[i])) {
            if (expoente < LimiteExpoente)
                expoente = expoente * 10 + (texto[i] - '0');
            ++i;
        }
        if (expNegativo)
            expoente = -expoente;
    }
    if (i != texto.size())
        return std::nullopt;
    return NumeroDecimal(negativo, std::move(digitos), int(expoente) - decimais);
}

std::optional<NumeroDecimal> NumeroDecimal::deDouble(double valor)
{
    if (!std::isfinite(valor))
        return std::nullopt;
    char texto[64];
    const auto r = std::to_chars(texto, texto + sizeof texto, valor);
    if (r.ec != std::errc())
        return std::nullopt;
    return leTextoCharconv(texto, r.ptr);
}

std::optional<NumeroDecimal> NumeroDecimal::deDouble(double valor, int significativos)
{
    if (!std::isfinite(valor))
        return std::nullopt;
    significativos = qBound(1, significativos, 40);
    char texto[128];
    const auto r = std::to_chars(texto, texto + sizeof texto, valor, std::chars_format::scientific,
                                 significativos - 1);
    if (r.ec != std::errc())
        return std::nullopt;
    return leTextoCharconv(texto, r.ptr);
}

std::optional<NumeroDecimal> NumeroDecimal::deFloat(float valor)
{
    if (!std::isfinite(valor))
        return std::nullopt;
    char texto[64];
    const auto r = std::to_chars(texto, texto + sizeof texto, valor);
    if (r.ec != std::errc())
        return std::nullopt;
    return leTextoCharconv(texto, r.ptr);
}

NumeroDecimal NumeroDecimal::deInteiro(qint64 valor, int expoente)
{
    const bool negativo = valor < 0;
    const quint64 absoluto = negativo ? quint64(0) - quint64(valor) : quint64(valor);
    NumeroDecimal n = deInteiro(absoluto, expoente);
    if (!n.eZero())
        n.m_negativo = negativo;
    return n;
}

NumeroDecimal NumeroDecimal::deInteiro(quint64 valor, int expoente)
{
    return NumeroDecimal(false, std::to_string(valor), expoente);
}

int NumeroDecimal::ordem() const
{
    return eZero() ? 0 : m_expoente + int(m_digitos.size()) - 1;
}

NumeroDecimal NumeroDecimal::arredondado(int casas, Arredondamento modo) const
{
    if (eZero() || m_expoente >= -casas)
        return *this;
    const long long cortar = -static_cast<long long>(casas) - m_expoente; // digits to drop, >= 1
    const long long tamanho = static_cast<long long>(m_digitos.size());
    std::string mantidos;
    char primeiroCortado = '0';
    bool restoNaoNulo = false;
    if (cortar <= tamanho) {
        mantidos = m_digitos.substr(0, std::size_t(tamanho - cortar));
        primeiroCortado = m_digitos[std::size_t(tamanho - cortar)];
        // Normalised digits end in a non-zero digit, so anything after the first dropped
        // digit makes the remainder non-zero.
        restoNaoNulo = cortar > 1;
    } else {
        restoNaoNulo = true; // the whole value lies below half a unit of the last kept place
    }
    bool sobe = false;
    if (primeiroCortado > '5') {
        sobe = true;
    } else if (primeiroCortado == '5') {
        if (restoNaoNulo || modo == Arredondamento::MeioAfastaDoZero) {
            sobe = true;
        } else {
            const char ultimo = mantidos.empty() ? '0' : mantidos.back();
            sobe = ((ultimo - '0') % 2) == 1;
        }
    }
    if (sobe) {
        int i = int(mantidos.size()) - 1;
        while (i >= 0 && mantidos[std::size_t(i)] == '9') {
            mantidos[std::size_t(i)] = '0';
            --i;
        }
        if (i < 0)
            mantidos.insert(mantidos.begin(), '1');
        else
            ++mantidos[std::size_t(i)];
    }
    return NumeroDecimal(m_negativo, std::move(mantidos), -casas);
}

NumeroDecimal NumeroDecimal::multiplicadoPotencia10(int potencia) const
{
    if (eZero())
        return *this;
    NumeroDecimal n = *this;
    const long long expoente = static_cast<long long>(m_expoente) + potencia;
    n.m_expoente = int(qBound(-static_cast<long long>(LimiteExpoente), expoente,
                              static_cast<long long>(LimiteExpoente)));
    return n;
}

NumeroDecimal NumeroDecimal::simetrico() const
{
    NumeroDecimal n = *this;
    if (!n.eZero())
        n.m_negativo = !n.m_negativo;
    return n;
}

NumeroDecimal NumeroDecimal::absoluto() const
{
    NumeroDecimal n = *this;
    n.m_negativo = false;
    return n;
}

std::string NumeroDecimal::digitosInteiros() const
{
    if (eZero())
        return {};
    if (m_expoente >= 0)
        return m_digitos + std::string(std::size_t(m_expoente), '0');
    const long long inteiros = static_cast<long long>(m_digitos.size()) + m_expoente;
    if (inteiros <= 0)
        return {};
    return m_digitos.substr(0, std::size_t(inteiros));
}

std::string NumeroDecimal::digitosDecimais(int casas) const
{
    std::string resultado(std::size_t(qMax(casas, 0)), '0');
    const long long tamanho = static_cast<long long>(m_digitos.size());
    for (int k = 1; k <= casas; ++k) {
        // digit of place 10^-k
        const long long indice = static_cast<long long>(m_expoente) + tamanho - 1 + k;
        if (indice >= 0 && indice < tamanho)
            resultado[std::size_t(k - 1)] = m_digitos[std::size_t(indice)];
    }
    return resultado;
}

std::optional<qint64> NumeroDecimal::paraUnidades(int escala) const
{
    if (eZero())
        return qint64(0);
    const long long zeros = static_cast<long long>(m_expoente) + escala;
    if (zeros < 0)
        return std::nullopt;
    if (static_cast<long long>(m_digitos.size()) + zeros > 19)
        return std::nullopt;
    quint64 acumulado = 0;
    const quint64 maximo = std::numeric_limits<quint64>::max();
    auto junta = [&](int digito) {
        if (acumulado > (maximo - quint64(digito)) / 10)
            return false;
        acumulado = acumulado * 10 + quint64(digito);
        return true;
    };
    for (char c : m_digitos)
        if (!junta(c - '0'))
            return std::nullopt;
    for (long long k = 0; k < zeros; ++k)
        if (!junta(0))
            return std::nullopt;
    const quint64 limitePositivo = quint64(std::numeric_limits<qint64>::max());
    if (m_negativo) {
        if (acumulado > limitePositivo + 1)
            return std::nullopt;
        return qint64(quint64(0) - acumulado);
    }
    if (acumulado > limitePositivo)
        return std::nullopt;
    return qint64(acumulado);
}

std::optional<double> NumeroDecimal::paraDouble() const
{
    if (eZero())
        return 0.0;
    if (ordem() > 309)
        return std::nullopt;
    if (ordem() < -400)
        return m_negativo ? -0.0 : 0.0;
    std::string texto = (m_negativo ? "-" : "") + m_digitos + "e" + std::to_string(m_expoente);
    double valor = 0;
    const auto r = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
    if (r.ec == std::errc::result_out_of_range) {
        if (ordem() > 0)
            return std::nullopt;
        return m_negativo ? -0.0 : 0.0;
    }
    if (r.ec != std::errc() || !std::isfinite(valor))
        return std::nullopt;
    return valor;
}

std::string NumeroDecimal::textoC() const
{
    if (eZero())
        return "0";
    std::string texto = m_negativo ? "-" : "";
    if (m_expoente <= 0 && m_expoente >= -30) {
        const std::string inteiros = digitosInteiros();
        texto += inteiros.empty() ? "0" : inteiros;
        if (m_expoente < 0)
            texto += "." + digitosDecimais(-m_expoente);
        return texto;
    }
    if (m_expoente > 0 && ordem() <= 30)
        return texto + digitosInteiros();
    texto += m_digitos.substr(0, 1);
    if (m_digitos.size() > 1)
        texto += "." + m_digitos.substr(1);
    return texto + "e" + std::to_string(ordem());
}

} // namespace qrx
