#include "FormatoNumero.h"

#include "TextoNumero.h"

#include <QList>
#include <QStringList>

#include <string>

namespace qrx {

namespace {

enum class Peca { Literal, Digito, Ponto, Virgula };

struct Token {
    Peca peca;
    QString texto;        // literal text
    char marca = '#';     // '0' or '#' for a digit place
    bool decimal = false; // digit place after the point
};

// Splits at ";" outside quotes and escapes.
QStringList seccoes(const QString &padrao)
{
    QStringList partes(QString{});
    bool aspas = false;
    for (qsizetype i = 0; i < padrao.size(); ++i) {
        const QChar c = padrao[i];
        if (c == QLatin1Char('\\') && !aspas && i + 1 < padrao.size()) {
            partes.last() += c;
            partes.last() += padrao[++i];
            continue;
        }
        if (c == QLatin1Char('"'))
            aspas = !aspas;
        if (c == QLatin1Char(';') && !aspas) {
            partes.append(QString());
            continue;
        }
        partes.last() += c;
    }
    return partes;
}

struct Seccao {
    QList<Token> tokens;
    bool agrupa = false;
    int divisoesMil = 0;
    bool percentagem = false;
    int lugaresInteiros = 0;
    int lugaresForcados = 0; // integer places from the first "0" to the last place
    int lugaresDecimais = 0;
    bool temPonto = false;
};

Seccao analisa(const QString &texto)
{
    Seccao s;
    auto literal = [&s](const QString &t) {
        if (!s.tokens.isEmpty() && s.tokens.last().peca == Peca::Literal)
            s.tokens.last().texto += t;
        else
            s.tokens.append({Peca::Literal, t});
    };
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto[i];
        if (c == QLatin1Char('"')) {
            const qsizetype fim = texto.indexOf(QLatin1Char('"'), i + 1);
            const qsizetype ate = fim < 0 ? texto.size() : fim;
            literal(texto.mid(i + 1, ate - i - 1));
            i = ate;
        } else if (c == QLatin1Char('\\')) {
            if (i + 1 < texto.size())
                literal(QString(texto[++i]));
        } else if (c == QLatin1Char('0') || c == QLatin1Char('#')) {
            Token t{Peca::Digito, {}, char(c.unicode()), s.temPonto};
            s.tokens.append(t);
        } else if (c == QLatin1Char('.') && !s.temPonto) {
            s.temPonto = true;
            s.tokens.append({Peca::Ponto, {}});
        } else if (c == QLatin1Char(',')) {
            if (!s.temPonto)
                s.tokens.append({Peca::Virgula, {}});
        } else {
            if (c == QLatin1Char('%'))
                s.percentagem = true;
            literal(QString(c));
        }
    }

    // A comma between integer places groups; after the last one it divides by 1000; before
    // any place it is plain text.
    qsizetype ultimoInteiro = -1;
    for (qsizetype k = 0; k < s.tokens.size(); ++k)
        if (s.tokens[k].peca == Peca::Digito && !s.tokens[k].decimal)
            ultimoInteiro = k;
    bool vistoLugar = false;
    QList<Token> limpos;
    for (qsizetype k = 0; k < s.tokens.size(); ++k) {
        const Token &t = s.tokens[k];
        if (t.peca == Peca::Digito && !t.decimal)
            vistoLugar = true;
        if (t.peca != Peca::Virgula) {
            limpos.append(t);
            continue;
        }
        if (!vistoLugar)
            limpos.append({Peca::Literal, QStringLiteral(",")});
        else if (k < ultimoInteiro)
            s.agrupa = true;
        else
            ++s.divisoesMil;
    }
    s.tokens = limpos;

    bool forcado = false;
    for (const Token &t : std::as_const(s.tokens)) {
        if (t.peca != Peca::Digito)
            continue;
        if (t.decimal) {
            ++s.lugaresDecimais;
            continue;
        }
        ++s.lugaresInteiros;
        forcado = forcado || t.marca == '0';
        if (forcado)
            ++s.lugaresForcados;
    }
    return s;
}

QString aplica(const Seccao &s, const NumeroDecimal &absoluto, bool menos, const QLocale &locale)
{
    NumeroDecimal valor = absoluto;
    if (s.percentagem)
        valor = valor.multiplicadoPotencia10(2);
    if (s.divisoesMil > 0)
        valor = valor.multiplicadoPotencia10(-3 * s.divisoesMil);
    valor = valor.arredondado(s.lugaresDecimais, NumeroDecimal::Arredondamento::MeioAfastaDoZero);

    std::string inteiros = valor.digitosInteiros();
    if (int(inteiros.size()) < s.lugaresForcados)
        inteiros.insert(0, std::size_t(s.lugaresForcados) - inteiros.size(), '0');
    const std::string decimais = valor.digitosDecimais(s.lugaresDecimais);

    // Decimal "#" places from the right show nothing while their digit is a zero.
    QList<bool> mostra(s.lugaresDecimais, true);
    {
        QList<char> marcas;
        for (const Token &t : s.tokens)
            if (t.peca == Peca::Digito && t.decimal)
                marcas.append(t.marca);
        for (int k = s.lugaresDecimais - 1; k >= 0; --k) {
            if (marcas[k] != '#' || decimais[std::size_t(k)] != '0')
                break;
            mostra[k] = false;
        }
    }

    const QString grupo = locale.groupSeparator();
    const int total = int(inteiros.size());
    QString texto;
    auto escreveDigito = [&](int j) {
        texto += QLatin1Char(inteiros[std::size_t(j)]);
        if (s.agrupa && j < total - 1 && (total - 1 - j) % 3 == 0)
            texto += grupo;
    };
    auto escreveDigitos = [&](int de, int ate) {
        for (int j = qMax(de, 0); j < ate; ++j)
            escreveDigito(j);
    };

    const int sobra = total - s.lugaresInteiros; // digits beyond the places go to the first one
    int lugarInteiro = 0;
    int lugarDecimal = 0;
    for (const Token &t : s.tokens) {
        switch (t.peca) {
        case Peca::Literal:
            texto += t.texto;
            break;
        case Peca::Ponto:
            if (s.lugaresInteiros == 0)
                escreveDigitos(0, total);
            texto += locale.decimalPoint();
            break;
        case Peca::Digito:
            if (t.decimal) {
                if (mostra[lugarDecimal])
                    texto += QLatin1Char(decimais[std::size_t(lugarDecimal)]);
                ++lugarDecimal;
            } else {
                const int j = sobra + lugarInteiro;
                if (lugarInteiro == 0)
                    escreveDigitos(0, j + 1);
                else if (j >= 0)
                    escreveDigito(j);
                ++lugarInteiro;
            }
            break;
        case Peca::Virgula:
            break;
        }
    }
    if (menos && !valor.eZero())
        texto.prepend(QLatin1Char('-'));
    return texto;
}

} // namespace

QString formataNumero(const NumeroDecimal &valor, const QString &padrao, const QLocale &locale)
{
    const QStringList partes = seccoes(padrao);
    QString escolhida = partes.value(0);
    bool menos = valor.negativo();
    if (valor.negativo() && partes.size() >= 2 && !partes[1].isEmpty()) {
        escolhida = partes[1];
        menos = false;
    } else if (valor.eZero() && partes.size() >= 3 && !partes[2].isEmpty()) {
        escolhida = partes[2];
    }
    if (escolhida.isEmpty())
        return textoNumero(valor, locale);
    return aplica(analisa(escolhida), valor.absoluto(), menos, locale);
}

QString formataNumero(double valor, const QString &padrao, const QLocale &locale)
{
    const auto decimal = NumeroDecimal::deDouble(valor, 15);
    if (!decimal)
        return locale.toString(valor);
    if (padrao.isEmpty())
        return textoNumero(valor, locale);
    return formataNumero(*decimal, padrao, locale);
}

QString formataNumero(const Currency &valor, const QString &padrao, const QLocale &locale)
{
    return formataNumero(valor.paraDecimal(), padrao, locale);
}

} // namespace qrx
