#include "Aleatorio.h"

namespace qrx {

namespace {

quint64 splitmix(quint64 &x)
{
    quint64 z = (x += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

quint64 roda(quint64 x, int k)
{
    return (x << k) | (x >> (64 - k));
}

} // namespace

Aleatorio::Aleatorio(quint64 semente)
{
    for (quint64 &e : m_estado)
        e = splitmix(semente);
}

quint64 Aleatorio::proximo()
{
    const quint64 resultado = roda(m_estado[1] * 5, 7) * 9;
    const quint64 t = m_estado[1] << 17;
    m_estado[2] ^= m_estado[0];
    m_estado[3] ^= m_estado[1];
    m_estado[1] ^= m_estado[2];
    m_estado[0] ^= m_estado[3];
    m_estado[2] ^= t;
    m_estado[3] = roda(m_estado[3], 45);
    return resultado;
}

int Aleatorio::inteiro(int minimo, int maximo)
{
    if (maximo <= minimo)
        return minimo;
    const quint64 amplitude = quint64(qint64(maximo) - qint64(minimo)) + 1;
    return int(qint64(minimo) + qint64(proximo() % amplitude));
}

double Aleatorio::real()
{
    return double(proximo() >> 11) * (1.0 / 9007199254740992.0);
}

QString Aleatorio::digitos(int quantos)
{
    QString s;
    s.reserve(quantos);
    for (int i = 0; i < quantos; ++i)
        s += QChar(u'0' + inteiro(0, 9));
    return s;
}

int Aleatorio::indicePesado(const QList<int> &pesos)
{
    int total = 0;
    for (int p : pesos)
        total += p;
    int r = inteiro(0, total - 1);
    for (int i = 0; i < pesos.size(); ++i) {
        if (r < pesos.at(i))
            return i;
        r -= pesos.at(i);
    }
    return int(pesos.size()) - 1;
}

} // namespace qrx
