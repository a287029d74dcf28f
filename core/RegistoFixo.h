#pragma once

#include <QChar>
#include <QString>

namespace qrx {

enum class Alinhamento { Esquerda, Direita };

// Which end of a value survives when it is longer than its field. PeloAlinhamento keeps the
// start of a left-aligned value and the end of a right-aligned one.
enum class Corte { PeloAlinhamento, MantemInicio, MantemFim };

// Widths count characters as the partner file holds them: the text is composed first
// (e + combining acute is one é) and a character outside the BMP, which no ANSI code page
// holds, counts as the one "?" it becomes, so a padded field keeps its width on disk.
QString textoParaCampo(const QString &texto);

// The text padded with `enchimento` or cut to exactly `largura` characters.
QString ajusta(const QString &texto, int largura, Alinhamento alinhamento = Alinhamento::Esquerda,
               QChar enchimento = QLatin1Char(' '), Corte corte = Corte::PeloAlinhamento);
// Left-aligned: filled on the right, cut keeping the start.
QString ajustaEsquerda(const QString &texto, int largura, QChar enchimento = QLatin1Char(' '));
// Right-aligned: filled on the left, cut keeping the end.
QString ajustaDireita(const QString &texto, int largura, QChar enchimento = QLatin1Char(' '));
// Zeros in front, the rightmost `largura` characters kept ("5" -> "00005").
QString preencheZeros(const QString &texto, int largura);
// The rightmost / leftmost n characters (all of them when shorter).
QString direita(const QString &texto, int n);
QString esquerda(const QString &texto, int n);

// A fixed-width record: starts as `comprimento` spaces; each field overwrites exactly its own
// columns. A field that does not fit inside the record raises QrxError 5: a record never grows.
class RegistoFixo {
public:
    explicit RegistoFixo(int comprimento);

    // coluna is 1-based; the value is padded or cut to `largura` (see ajusta).
    void escreve(int coluna, int largura, const QString &texto,
                 Alinhamento alinhamento = Alinhamento::Esquerda, QChar enchimento = QLatin1Char(' '),
                 Corte corte = Corte::PeloAlinhamento);

    // The columns coluna .. coluna + largura - 1 as they stand.
    QString campo(int coluna, int largura) const;
    int comprimento() const { return int(m_texto.size()); }
    const QString &texto() const { return m_texto; }

private:
    void validaCampo(int coluna, int largura, const char *operacao) const;

    QString m_texto;
};

} // namespace qrx
