#include "CodificacaoMime.h"

#include <QByteArrayList>
#include <QStringView>

namespace qrx::mime {

namespace {

// Lines that hold encoded-words are at most 76 characters.
constexpr qsizetype LinhaMaxima = 76;
// "=?UTF-8?B?" and "?=" around the base64.
constexpr qsizetype MolduraPalavra = 12;
// Sections of an RFC 2231 value, short enough that " filename*0*=UTF-8''" + section + ";"
// stays within a line.
constexpr qsizetype CaracteresPorSeccao = 54;

bool asciiImprimivel(QStringView texto)
{
    for (QChar c : texto) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7e)
            return false;
    }
    return true;
}

// Splits the text into UTF-8 chunks that never cut a character in two.
QByteArrayList pedacosUtf8(const QString &texto, qsizetype maximo)
{
    QByteArrayList pedacos;
    QByteArray atual;
    for (qsizetype i = 0; i < texto.size(); ++i) {
        qsizetype comprimento = texto.at(i).isHighSurrogate() && i + 1 < texto.size() ? 2 : 1;
        const QByteArray caracter = texto.mid(i, comprimento).toUtf8();
        i += comprimento - 1;
        if (atual.size() + caracter.size() > maximo && !atual.isEmpty()) {
            pedacos.append(atual);
            atual.clear();
        }
        atual += caracter;
    }
    if (!atual.isEmpty())
        pedacos.append(atual);
    return pedacos;
}

bool especialEmFrase(QChar c)
{
    return QStringView(u"()<>[]:;@\\,.\"").contains(c);
}

// Characters of an RFC 2231 value that travel as they stand (attribute-char).
bool caracterDeAtributo(char c)
{
    if (c >= 'a' && c <= 'z') return true;
    if (c >= 'A' && c <= 'Z') return true;
    if (c >= '0' && c <= '9') return true;
    return QByteArrayView("!#$&+-.^_`|~").contains(c);
}

} // namespace

QByteArray palavrasCodificadas(const QString &texto, qsizetype comprimentoMaximo)
{
    const qsizetype base64 = (qMin<qsizetype>(comprimentoMaximo, 75) - MolduraPalavra) / 4 * 4;
    const qsizetype octetos = qMax<qsizetype>(base64 / 4 * 3, 3);
    QByteArrayList palavras;
    for (const QByteArray &pedaco : pedacosUtf8(texto, octetos))
        palavras.append("=?UTF-8?B?" + pedaco.toBase64() + "?=");
    return palavras.join("\r\n ");
}

QByteArray textoCabecalho(const QString &texto, qsizetype usado)
{
    // An ASCII text that happens to look like an encoded-word is encoded as well, so that
    // readers do not decode it.
    if (asciiImprimivel(texto) && !texto.contains(u"=?") && texto.size() <= 900)
        return texto.toLatin1();
    return palavrasCodificadas(texto, LinhaMaxima - usado);
}

QByteArray nomeEndereco(const QString &nome)
{
    if (!asciiImprimivel(nome) || nome.contains(u"=?"))
        return palavrasCodificadas(nome, LinhaMaxima - 6);
    bool precisaAspas = false;
    for (QChar c : nome)
        precisaAspas = precisaAspas || especialEmFrase(c);
    if (!precisaAspas)
        return nome.toLatin1();
    QByteArray citado = "\"";
    for (QChar c : nome) {
        if (c == u'"' || c == u'\\')
            citado += '\\';
        citado += char(c.unicode());
    }
    return citado + '"';
}

QByteArray parametroNome(const QByteArray &parametro, const QString &nome)
{
    if (asciiImprimivel(nome) && !nome.contains(u'"') && !nome.contains(u'\\')
        && nome.size() <= CaracteresPorSeccao)
        return parametro + "=\"" + nome.toLatin1() + '"';

    // Percent-encoded UTF-8, cut into sections between whole characters, since some readers
    // decode each section on its own.
    QByteArrayList seccoes;
    QByteArray atual;
    for (const QByteArray &caracter : pedacosUtf8(nome, 1)) {
        QByteArray pedaco;
        for (char octeto : caracter) {
            pedaco += caracterDeAtributo(octeto)
                ? QByteArray(1, octeto)
                : '%' + QByteArray::number(uchar(octeto), 16).rightJustified(2, '0').toUpper();
        }
        if (atual.size() + pedaco.size() > CaracteresPorSeccao && !atual.isEmpty()) {
            seccoes.append(atual);
            atual.clear();
        }
        atual += pedaco;
    }
    if (!atual.isEmpty() || seccoes.isEmpty())
        seccoes.append(atual);

    if (seccoes.size() == 1)
        return parametro + "*=UTF-8''" + seccoes.first();
    QByteArrayList partes;
    for (qsizetype i = 0; i < seccoes.size(); ++i) {
        partes.append(parametro + '*' + QByteArray::number(i) + "*="
                      + (i == 0 ? QByteArray("UTF-8''") : QByteArray()) + seccoes.at(i));
    }
    return partes.join(";\r\n ");
}

QByteArray parametroNomeAntigo(const QString &nome)
{
    if (asciiImprimivel(nome) && !nome.contains(u'"') && !nome.contains(u'\\')
        && !nome.contains(u"=?") && nome.size() <= CaracteresPorSeccao)
        return "name=\"" + nome.toLatin1() + '"';
    // ' name="' before the first word and '"' after the last.
    return "name=\"" + palavrasCodificadas(nome, LinhaMaxima - 8) + '"';
}

QByteArray base64EmLinhas(const QByteArray &dados)
{
    const QByteArray codificado = dados.toBase64();
    QByteArray linhas;
    linhas.reserve(codificado.size() + codificado.size() / 76 * 2 + 2);
    for (qsizetype i = 0; i < codificado.size(); i += 76)
        linhas += codificado.mid(i, 76) + "\r\n";
    return linhas;
}

QByteArray textoCanonico(const QString &texto)
{
    QString normalizado = texto;
    normalizado.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normalizado.replace(u'\r', u'\n');
    normalizado.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return normalizado.toUtf8();
}

bool cabeEm7bit(const QByteArray &textoCrLf)
{
    qsizetype comprimentoLinha = 0;
    for (qsizetype i = 0; i < textoCrLf.size(); ++i) {
        const uchar c = uchar(textoCrLf.at(i));
        if (c == '\r') {
            if (i + 1 >= textoCrLf.size() || textoCrLf.at(i + 1) != '\n')
                return false;
            ++i;
            comprimentoLinha = 0;
            continue;
        }
        if (c == 0 || c == '\n' || c > 0x7f || ++comprimentoLinha > 998)
            return false;
    }
    return true;
}

} // namespace qrx::mime
