#include "TextoNumero.h"

#include <cmath>
#include <string>

namespace qrx {

namespace {

QString semExpoente(const NumeroDecimal &valor, const QLocale &locale)
{
    if (valor.eZero())
        return QStringLiteral("0");
    const std::string inteiros = valor.digitosInteiros();
    QString texto = valor.negativo() ? QStringLiteral("-") : QString();
    texto += inteiros.empty() ? QStringLiteral("0") : QString::fromLatin1(inteiros);
    if (valor.expoente() < 0)
        texto += locale.decimalPoint()
            + QString::fromLatin1(valor.digitosDecimais(-valor.expoente()));
    return texto;
}

// 1,5E-05 and 1E+15: one digit before the separator, a signed exponent of at least two digits.
QString comExpoente(const NumeroDecimal &valor, const QLocale &locale)
{
    const std::string &digitos = valor.digitos();
    QString texto = valor.negativo() ? QStringLiteral("-") : QString();
    texto += QLatin1Char(digitos.front());
    if (digitos.size() > 1)
        texto += locale.decimalPoint() + QString::fromLatin1(digitos.substr(1));
    const int ordem = valor.ordem();
    texto += ordem < 0 ? QStringLiteral("E-") : QStringLiteral("E+");
    texto += QStringLiteral("%1").arg(std::abs(ordem), 2, 10, QLatin1Char('0'));
    return texto;
}

QString textoVirgulaFlutuante(const std::optional<NumeroDecimal> &valor, int precisao,
                              double original, const QLocale &locale)
{
    if (!valor)
        return locale.toString(original); // NaN and infinities: no form of the platform
    if (valor->eZero())
        return QStringLiteral("0"); // negative zero included
    const int ordem = valor->ordem();
    if (ordem < -4 || ordem >= precisao)
        return comExpoente(*valor, locale);
    return semExpoente(*valor, locale);
}

bool eDigitoAscii(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

bool eSeparadorEspaco(QChar c)
{
    return c == QChar(0x0020) || c == QChar(0x00A0) || c == QChar(0x202F);
}

// Reads the text from `i`: true when `alvo` stands there (and moves past it).
bool consome(QStringView texto, qsizetype &i, QStringView alvo)
{
    if (alvo.isEmpty() || !texto.mid(i).startsWith(alvo))
        return false;
    i += alvo.size();
    return true;
}

} // namespace

QString textoNumero(double valor, const QLocale &locale)
{
    return textoVirgulaFlutuante(NumeroDecimal::deDouble(valor, 15), 15, valor, locale);
}

QString textoNumero(float valor, const QLocale &locale)
{
    return textoVirgulaFlutuante(NumeroDecimal::deDouble(double(valor), 7), 7, double(valor),
                                 locale);
}

QString textoNumero(const Currency &valor, const QLocale &locale)
{
    return semExpoente(valor.paraDecimal(), locale);
}

QString textoNumero(const NumeroDecimal &valor, const QLocale &locale)
{
    return semExpoente(valor, locale);
}

QString textoNumero(qint64 valor, const QLocale &)
{
    return QString::number(valor);
}

QString textoNumero(quint64 valor, const QLocale &)
{
    return QString::number(valor);
}

std::optional<NumeroDecimal> leNumero(QStringView texto, const QLocale &locale)
{
    texto = texto.trimmed();
    if (texto.isEmpty())
        return std::nullopt;

    const QString decimal = locale.decimalPoint();
    const QString grupo = locale.groupSeparator();
    const bool grupoEspaco = grupo.size() == 1 && eSeparadorEspaco(grupo.front());
    const bool pontoDecimalAceite = decimal != QLatin1String(".") && grupo != QLatin1String(".")
        && !texto.contains(decimal);

    std::string canonico;
    qsizetype i = 0;
    if (consome(texto, i, u"-") || consome(texto, i, locale.negativeSign()))
        canonico += '-';
    else if (!consome(texto, i, u"+"))
        consome(texto, i, locale.positiveSign());

    // Integer part: groups of three after a first group of one to three digits.
    int digitosInteiros = 0;
    int digitosNoGrupo = 0;
    bool agrupado = false;
    while (i < texto.size()) {
        const QChar c = texto[i];
        if (eDigitoAscii(c)) {
            canonico += char(c.unicode());
            ++digitosInteiros;
            ++digitosNoGrupo;
            ++i;
            continue;
        }
        const bool separador = grupoEspaco ? eSeparadorEspaco(c) : texto.mid(i).startsWith(grupo);
        if (!separador || grupo.isEmpty())
            break;
        if (digitosNoGrupo == 0 || digitosNoGrupo > 3 || (agrupado && digitosNoGrupo != 3))
            return std::nullopt;
        agrupado = true;
        digitosNoGrupo = 0;
        i += grupoEspaco ? 1 : grupo.size();
        if (i >= texto.size() || !eDigitoAscii(texto[i]))
            return std::nullopt;
    }
    if (agrupado && digitosNoGrupo != 3)
        return std::nullopt;

    int digitosDecimais = 0;
    if (consome(texto, i, decimal) || (pontoDecimalAceite && consome(texto, i, u"."))) {
        canonico += '.';
        while (i < texto.size() && eDigitoAscii(texto[i])) {
            canonico += char(texto[i].unicode());
            ++digitosDecimais;
            ++i;
        }
    }
    if (digitosInteiros == 0 && digitosDecimais == 0)
        return std::nullopt;

    if (i < texto.size() && (texto[i] == QLatin1Char('e') || texto[i] == QLatin1Char('E'))) {
        canonico += 'e';
        ++i;
        if (i < texto.size() && (texto[i] == QLatin1Char('-') || texto[i] == QLatin1Char('+')))
            canonico += char(texto[i++].unicode());
        if (i >= texto.size() || !eDigitoAscii(texto[i]))
            return std::nullopt;
        while (i < texto.size() && eDigitoAscii(texto[i]))
            canonico += char(texto[i++].unicode());
    }
    if (i != texto.size())
        return std::nullopt;
    return NumeroDecimal::deTextoC(canonico);
}

} // namespace qrx
