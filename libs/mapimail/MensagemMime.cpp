#include "MensagemMime.h"

#include "CodificacaoMime.h"

#include <QByteArrayList>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QRandomGenerator>
#include <QStringView>

#include <algorithm>
#include <optional>

namespace qrx {

namespace {

// Header lines are folded before this length where a break is allowed.
constexpr qsizetype LinhaCabecalho = 76;

constexpr QStringView PrefixoSmtp = u"SMTP:";

// Characters that cannot stand in an addr-spec written without quotes; an address holding
// one of them (or a line break smuggling in another header) is refused.
bool enderecoValido(QStringView endereco)
{
    if (endereco.isEmpty())
        return false;
    for (QChar c : endereco) {
        if (c.unicode() <= 0x20 || c.unicode() == 0x7f || QStringView(u",;<>()\"[]\\").contains(c))
            return false;
    }
    return true;
}

// "nome <endereco>" or the bare address. The recipient's address carries the text the
// client gave; a text of the form "Name <address>" keeps its name.
std::optional<QByteArray> enderecoMime(const DestinatarioMapi &destinatario)
{
    QStringView texto = destinatario.endereco;
    if (texto.startsWith(PrefixoSmtp, Qt::CaseInsensitive))
        texto = texto.mid(PrefixoSmtp.size());
    texto = texto.trimmed();

    const qsizetype abre = texto.lastIndexOf(u'<');
    if (abre >= 0 && texto.endsWith(u'>')) {
        const QStringView endereco = texto.mid(abre + 1, texto.size() - abre - 2).trimmed();
        const QString nome = texto.left(abre).trimmed().toString();
        if (!enderecoValido(endereco))
            return std::nullopt;
        for (QChar c : nome) {
            if (c.unicode() < 0x20 || c.unicode() == 0x7f)
                return std::nullopt;
        }
        const QByteArray especificacao = '<' + endereco.toUtf8() + '>';
        return nome.isEmpty() ? especificacao : mime::nomeEndereco(nome) + ' ' + especificacao;
    }
    if (!enderecoValido(texto))
        return std::nullopt;
    return texto.toUtf8();
}

QByteArray cabecalhoEnderecos(const QByteArray &campo, const QByteArrayList &enderecos)
{
    QByteArray linha = campo + ':';
    qsizetype inicioLinha = 0;
    for (qsizetype i = 0; i < enderecos.size(); ++i) {
        const QByteArray &endereco = enderecos.at(i);
        const qsizetype primeiraLinha = endereco.indexOf('\r') < 0 ? endereco.size()
                                                                   : endereco.indexOf('\r');
        if (i > 0) {
            linha += ',';
            if (linha.size() - inicioLinha + 1 + primeiraLinha > LinhaCabecalho) {
                linha += "\r\n";
                inicioLinha = linha.size();
            }
        }
        linha += ' ' + endereco;
        const qsizetype ultimaQuebra = linha.lastIndexOf("\r\n");
        if (ultimaQuebra >= inicioLinha)
            inicioLinha = ultimaQuebra + 2;
    }
    return linha + "\r\n";
}

// Simple MAPI puts each attachment in place of one character of the body; a MIME message
// carries the attachments as parts of their own, so those characters are dropped.
QString textoSemLugaresDosAnexos(const MensagemMapi &mensagem)
{
    QList<qint32> posicoes;
    for (const AnexoMapi &anexo : mensagem.anexos) {
        if (anexo.posicao >= 0 && anexo.posicao < mensagem.texto.size())
            posicoes.append(anexo.posicao);
    }
    std::sort(posicoes.begin(), posicoes.end(), std::greater<>());
    posicoes.erase(std::unique(posicoes.begin(), posicoes.end()), posicoes.end());
    QString texto = mensagem.texto;
    for (qint32 posicao : posicoes)
        texto.remove(posicao, 1);
    return texto;
}

// antesDeFronteira: a boundary follows, and takes the closing CR LF as its own; at the end
// of the message a text that already ends a line gets no empty line added.
QByteArray parteTexto(const QString &texto, bool antesDeFronteira)
{
    const QByteArray canonico = mime::textoCanonico(texto);
    if (mime::cabeEm7bit(canonico)) {
        const bool fecha = antesDeFronteira || !canonico.endsWith("\r\n");
        return "Content-Type: text/plain; charset=UTF-8\r\n"
               "Content-Transfer-Encoding: 7bit\r\n\r\n" + canonico
               + (fecha ? QByteArray("\r\n") : QByteArray());
    }
    return "Content-Type: text/plain; charset=UTF-8\r\n"
           "Content-Transfer-Encoding: base64\r\n\r\n" + mime::base64EmLinhas(canonico);
}

struct ParteAnexo {
    quint32 codigo = 0;
    QByteArray parte;
};

ParteAnexo parteAnexo(const AnexoMapi &anexo)
{
    const QFileInfo info(anexo.caminho);
    if (anexo.caminho.isEmpty() || !info.exists())
        return {MapiAnexoNaoEncontrado, {}};
    QFile ficheiro(anexo.caminho);
    if (info.isDir() || !ficheiro.open(QIODevice::ReadOnly))
        return {MapiFalhaAbrirAnexo, {}};
    const QByteArray dados = ficheiro.readAll();
    if (ficheiro.error() != QFileDevice::NoError)
        return {MapiFalhaAbrirAnexo, {}};

    const QString nome = anexo.TituloFicheiro.isEmpty() ? info.fileName() : anexo.TituloFicheiro;
    QMimeDatabase tipos;
    QString tipo = tipos.mimeTypeForFile(info, QMimeDatabase::MatchExtension).name();
    if (tipo.isEmpty() || tipo == u"application/x-zerosize")
        tipo = QStringLiteral("application/octet-stream");

    // Long type names go to a line of their own.
    const QByteArray campoTipo = tipo.size() > LinhaCabecalho - 15 ? "Content-Type:\r\n "
                                                                  : "Content-Type: ";
    QByteArray parte = campoTipo + tipo.toLatin1() + ";\r\n " + mime::parametroNomeAntigo(nome)
        + "\r\n"
        "Content-Transfer-Encoding: base64\r\n"
        "Content-Disposition: attachment;\r\n " + mime::parametroNome("filename", nome) + "\r\n\r\n"
        + mime::base64EmLinhas(dados);
    return {MapiSucesso, parte};
}

// A boundary that no part contains; the parts are base64 or 7bit text, so a clash with the
// random suffix is only possible in the text, and is checked there.
QByteArray fronteira(const QByteArrayList &partes)
{
    for (;;) {
        QByteArray candidata = "=_qrx_"
            + QByteArray::number(QRandomGenerator::global()->generate64(), 16)
            + QByteArray::number(QRandomGenerator::global()->generate64(), 16);
        if (std::none_of(partes.cbegin(), partes.cend(),
                         [&](const QByteArray &p) { return p.contains(candidata); }))
            return candidata;
    }
}

} // namespace

MensagemMimeComposta compoeMensagemMime(const MensagemMapi &mensagem, const QDateTime &data)
{
    QByteArrayList para, copia, oculta;
    for (const DestinatarioMapi &destinatario : mensagem.destinatarios) {
        const std::optional<QByteArray> endereco = enderecoMime(destinatario);
        if (!endereco)
            return {MapiDestinatariosInvalidos, {}};
        switch (destinatario.classe) {
        case rtTo: para.append(*endereco); break;
        case rtcc: copia.append(*endereco); break;
        case rtbcc: oculta.append(*endereco); break;
        default: return {MapiTipoDestinatarioInvalido, {}};
        }
    }
    if (para.isEmpty() && copia.isEmpty() && oculta.isEmpty())
        return {MapiDestinatariosInvalidos, {}};

    QByteArrayList partes{
        parteTexto(textoSemLugaresDosAnexos(mensagem), !mensagem.anexos.isEmpty())};
    for (const AnexoMapi &anexo : mensagem.anexos) {
        ParteAnexo parte = parteAnexo(anexo);
        if (parte.codigo != MapiSucesso)
            return {parte.codigo, {}};
        partes.append(std::move(parte.parte));
    }

    QByteArray texto = "Date: " + data.toString(Qt::RFC2822Date).toLatin1() + "\r\n";
    if (!para.isEmpty())
        texto += cabecalhoEnderecos("To", para);
    if (!copia.isEmpty())
        texto += cabecalhoEnderecos("Cc", copia);
    if (!oculta.isEmpty())
        texto += cabecalhoEnderecos("Bcc", oculta);
    texto += "Subject: " + mime::textoCabecalho(mensagem.assunto, 9) + "\r\n"
             "MIME-Version: 1.0\r\n";

    if (partes.size() == 1)
        return {MapiSucesso, texto + partes.first()};

    const QByteArray limite = fronteira(partes);
    texto += "Content-Type: multipart/mixed;\r\n boundary=\"" + limite + "\"\r\n\r\n";
    // Every part ends with CR LF, which the next boundary line takes as its own.
    for (const QByteArray &parte : partes)
        texto += "--" + limite + "\r\n" + parte;
    texto += "--" + limite + "--\r\n";
    return {MapiSucesso, texto};
}

} // namespace qrx
