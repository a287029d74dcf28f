#include "RegraData.h"

#include <QDate>

#include <cmath>

namespace qrx::ctb {

namespace {

// Integer conversion of the platform: halves go to the even neighbour.
qint64 arredondaPar(double valor)
{
    const double abaixo = std::floor(valor);
    const double resto = valor - abaixo;
    if (resto > 0.5 || (resto == 0.5 && std::fmod(abaixo, 2.0) != 0.0))
        return qint64(abaixo) + 1;
    return qint64(abaixo);
}

// Two-digit years of a date serial fall in 1930..2029.
qint64 anoDeSerie(qint64 ano)
{
    if (ano >= 0 && ano <= 29)
        return ano + 2000;
    if (ano >= 30 && ano <= 99)
        return ano + 1900;
    return ano;
}

} // namespace

double valorInicial(QStringView texto)
{
    QString limpo;
    for (QChar c : texto) {
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t') && c != QLatin1Char('\n')
            && c != QLatin1Char('\r'))
            limpo.append(c);
    }
    qsizetype i = 0;
    double sinal = 1;
    if (i < limpo.size() && (limpo[i] == QLatin1Char('-') || limpo[i] == QLatin1Char('+'))) {
        if (limpo[i] == QLatin1Char('-'))
            sinal = -1;
        ++i;
    }
    double valor = 0;
    for (; i < limpo.size() && limpo[i] >= QLatin1Char('0') && limpo[i] <= QLatin1Char('9'); ++i)
        valor = valor * 10 + (limpo[i].unicode() - '0');
    if (i < limpo.size() && limpo[i] == QLatin1Char('.')) {
        double escala = 0.1;
        for (++i; i < limpo.size() && limpo[i] >= QLatin1Char('0') && limpo[i] <= QLatin1Char('9');
             ++i, escala /= 10)
            valor += (limpo[i].unicode() - '0') * escala;
    }
    return sinal * valor;
}

bool dataMovValida(const QString &dezCaracteres)
{
    const QStringView texto(dezCaracteres);
    const qint64 dia = arredondaPar(valorInicial(texto.mid(0, 2)));
    qint64 mes = arredondaPar(valorInicial(texto.mid(3, 2)));
    const qint64 ano = anoDeSerie(arredondaPar(valorInicial(texto.mid(6, 4))));

    if (mes == 0 || (mes >= 13 && mes <= 15))
        mes = 12;
    else if (mes < 1 || mes > 12)
        return false;

    const QDate primeiro(int(ano), int(mes), 1);
    if (!primeiro.isValid())
        return false;
    const QDate data = primeiro.addDays(dia - 1);
    return data.isValid() && data >= QDate(100, 1, 1) && data <= QDate(9999, 12, 31);
}

} // namespace qrx::ctb
