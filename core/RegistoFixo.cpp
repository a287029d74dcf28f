#include "RegistoFixo.h"

#include "QrxError.h"

namespace qrx {

QString textoParaCampo(const QString &texto)
{
    QString composto = texto.normalized(QString::NormalizationForm_C);
    for (qsizetype i = 0; i < composto.size(); ++i) {
        if (composto[i].isSurrogate()) {
            const bool par = composto[i].isHighSurrogate() && i + 1 < composto.size()
                && composto[i + 1].isLowSurrogate();
            composto.replace(i, par ? 2 : 1, QLatin1Char('?'));
        }
    }
    return composto;
}

QString ajusta(const QString &texto, int largura, Alinhamento alinhamento, QChar enchimento,
               Corte corte)
{
    if (largura <= 0)
        return QString();
    const QString valor = textoParaCampo(texto);
    if (valor.size() > largura) {
        const bool mantemFim = corte == Corte::MantemFim
            || (corte == Corte::PeloAlinhamento && alinhamento == Alinhamento::Direita);
        return mantemFim ? valor.right(largura) : valor.left(largura);
    }
    const QString enche(largura - valor.size(), enchimento);
    return alinhamento == Alinhamento::Direita ? enche + valor : valor + enche;
}

QString ajustaEsquerda(const QString &texto, int largura, QChar enchimento)
{
    return ajusta(texto, largura, Alinhamento::Esquerda, enchimento);
}

QString ajustaDireita(const QString &texto, int largura, QChar enchimento)
{
    return ajusta(texto, largura, Alinhamento::Direita, enchimento);
}

QString preencheZeros(const QString &texto, int largura)
{
    return ajusta(texto, largura, Alinhamento::Direita, QLatin1Char('0'));
}

QString direita(const QString &texto, int n)
{
    return n <= 0 ? QString() : texto.right(n);
}

QString esquerda(const QString &texto, int n)
{
    return n <= 0 ? QString() : texto.left(n);
}

RegistoFixo::RegistoFixo(int comprimento)
{
    if (comprimento < 0)
        throw QrxError(erros::ArgumentoInvalido, QStringLiteral("RegistoFixo"),
                       QStringLiteral("Comprimento de registo inválido: %1").arg(comprimento));
    m_texto = QString(comprimento, QLatin1Char(' '));
}

void RegistoFixo::validaCampo(int coluna, int largura, const char *operacao) const
{
    const qint64 ultima = qint64(coluna) + largura - 1;
    if (coluna < 1 || largura < 0 || ultima > comprimento())
        throw QrxError(erros::ArgumentoInvalido, QStringLiteral("RegistoFixo::%1").arg(QLatin1String(operacao)),
                       QStringLiteral("Campo fora do registo: coluna %1, largura %2, registo de %3 caracteres")
                           .arg(coluna)
                           .arg(largura)
                           .arg(comprimento()));
}

void RegistoFixo::escreve(int coluna, int largura, const QString &texto, Alinhamento alinhamento,
                          QChar enchimento, Corte corte)
{
    validaCampo(coluna, largura, "escreve");
    m_texto.replace(coluna - 1, largura, ajusta(texto, largura, alinhamento, enchimento, corte));
}

QString RegistoFixo::campo(int coluna, int largura) const
{
    validaCampo(coluna, largura, "campo");
    return m_texto.mid(coluna - 1, largura);
}

} // namespace qrx
