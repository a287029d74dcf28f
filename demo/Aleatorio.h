#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

namespace qrx {

// Pseudo-random numbers of our own (xoshiro256**), so that one seed gives the same demo
// database on every compiler and platform; the standard distributions do not promise that.
class Aleatorio {
public:
    explicit Aleatorio(quint64 semente);

    quint64 proximo();
    // Uniform integer in [minimo, maximo].
    int inteiro(int minimo, int maximo);
    // Uniform real in [0, 1).
    double real();
    double real(double minimo, double maximo) { return minimo + (maximo - minimo) * real(); }
    bool probabilidade(double p) { return real() < p; }

    // A text of that many decimal digits.
    QString digitos(int quantos);

    // Index chosen by integer weights.
    int indicePesado(const QList<int> &pesos);

    template <typename T>
    const T &escolhe(const QList<T> &valores)
    {
        return valores.at(inteiro(0, int(valores.size()) - 1));
    }

private:
    quint64 m_estado[4];
};

} // namespace qrx
