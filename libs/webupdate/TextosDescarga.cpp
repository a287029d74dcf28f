#include "TextosDescarga.h"

#include "FormatoNumero.h"

#include <cmath>

namespace qrx {

QString File_ByteConversion(qint64 bytes)
{
    // The neighbouring rules both leave out 1024 and 1,024,000; those take the larger unit.
    if (bytes >= 1024000)
        return formataNumero(static_cast<double>(bytes) / 1024000.0,
                             QStringLiteral("###,###,##0.00"))
            + QStringLiteral(" MB");
    if (bytes >= 1024)
        return formataNumero(static_cast<double>(bytes) / 1024.0, QStringLiteral("0.00"))
            + QStringLiteral(" KB");
    return QString::number(bytes) + QStringLiteral(" Bytes");
}

QString ConvertTime(qint64 segundos)
{
    if (segundos < 0)
        segundos = 0;
    const QString doisDigitos = QStringLiteral("00");
    const qint64 horas = segundos / 3600;
    const qint64 minutos = (segundos / 60) % 60;
    return formataNumero(horas, doisDigitos) % u':' % formataNumero(minutos, doisDigitos) % u':'
        % formataNumero(segundos % 60, doisDigitos);
}

double calculaVelocidade(qint64 bytes, qint64 milissegundos)
{
    if (milissegundos <= 0 || bytes <= 0)
        return 0.0;
    const double porSegundo = std::floor(static_cast<double>(bytes) * 1000.0
                                         / static_cast<double>(milissegundos));
    return porSegundo / 1000.0;
}

QString textoVelocidade(double velocidade)
{
    return formataNumero(velocidade, QStringLiteral("####.00"));
}

qint64 segundosRestantes(qint64 total, qint64 recebidos, double velocidade)
{
    if (velocidade <= 0.0)
        return -1;
    const double faltam = static_cast<double>(qMax<qint64>(total - recebidos, 0));
    return static_cast<qint64>(std::floor(faltam / 1024.0 / velocidade));
}

QString textoRestante(qint64 total, qint64 recebidos, double velocidade)
{
    const qint64 segundos = segundosRestantes(total, recebidos, velocidade);
    return segundos < 0 ? QString() : ConvertTime(segundos);
}

int percentagem(qint64 recebidos, qint64 total)
{
    if (total <= 0)
        return 0;
    const double valor = static_cast<double>(recebidos) * 100.0 / static_cast<double>(total);
    return static_cast<int>(std::lround(qBound(0.0, valor, 100.0)));
}

QString textoPercentagem(int percentagem)
{
    return formataNumero(percentagem, QStringLiteral("###")) + QStringLiteral("%");
}

} // namespace qrx
