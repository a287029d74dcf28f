#include "InteiroConfiguracao.h"

#include <QLocale>

#include <cmath>
#include <limits>

namespace qrx {

namespace {

double arredondaMetadesParaPar(double valor)
{
    const double abaixo = std::floor(valor);
    const double resto = valor - abaixo;
    if (resto < 0.5)
        return abaixo;
    if (resto > 0.5)
        return abaixo + 1.0;
    return std::fmod(abaixo, 2.0) == 0.0 ? abaixo : abaixo + 1.0;
}

} // namespace

qint16 InteiroConfiguracao(const QString &texto)
{
    bool numerico = false;
    const double valor = QLocale().toDouble(texto.trimmed(), &numerico);
    if (!numerico || !std::isfinite(valor))
        return 0;
    const double inteiro = arredondaMetadesParaPar(valor);
    if (inteiro < std::numeric_limits<qint16>::min() || inteiro > std::numeric_limits<qint16>::max())
        return 0;
    return static_cast<qint16>(inteiro);
}

QString TextoInteiro(qint16 valor)
{
    return QString::number(valor);
}

} // namespace qrx
