#include "ConfiguracaoFicheiro.h"

#include "DocumentoIni.h"
#include "QrxError.h"

#include <QFile>
#include <QSaveFile>

namespace qrx {

namespace {

const QString origem = QStringLiteral("ConfiguracaoFicheiro");

bool temMudancaLinha(const QString &texto)
{
    return texto.contains(u'\n') || texto.contains(u'\r');
}

void verificaNomes(const QString &ficheiro, const ConfiguracaoFicheiro::Valor &v)
{
    const QString seccao = v.seccao.trimmed();
    const QString chave = v.chave.trimmed();
    QString problema;
    if (seccao.isEmpty() || seccao.contains(u']') || temMudancaLinha(seccao))
        problema = u"nome de secção inválido \"" + v.seccao + u'"';
    else if (chave.isEmpty() || chave.contains(u'=') || temMudancaLinha(chave)
             || chave.startsWith(u';') || chave.startsWith(u'#') || chave.startsWith(u'['))
        problema = u"nome de chave inválido \"" + v.chave + u"\" na secção " + seccao;
    else if (temMudancaLinha(v.valor))
        problema = u"o valor da chave " + chave + u" da secção " + seccao
                   + u" tem mudanças de linha";
    if (!problema.isEmpty())
        throw QrxError(erros::ArgumentoInvalido, origem,
                       u"Não foi possível gravar no ficheiro de configuração " + ficheiro
                           + u": " + problema + u'.');
}

// The current content, or an empty document when the file does not exist yet.
DocumentoIni leDocumento(const QString &ficheiro)
{
    QFile file(ficheiro);
    if (ficheiro.isEmpty() || !file.exists())
        return DocumentoIni::deBytes(QByteArray());
    if (!file.open(QIODevice::ReadOnly))
        throw QrxError(erros::FicheiroInacessivel, origem,
                       u"Não foi possível ler o ficheiro de configuração " + ficheiro + u": "
                           + file.errorString());
    return DocumentoIni::deBytes(file.readAll());
}

} // namespace

ConfiguracaoFicheiro::ConfiguracaoFicheiro(QString ficheiro) : m_ficheiro(std::move(ficheiro)) {}

void ConfiguracaoFicheiro::setFicheiro(const QString &ficheiro)
{
    m_ficheiro = ficheiro;
}

QString ConfiguracaoFicheiro::le(const QString &seccao, const QString &chave) const
{
    return leDocumento(m_ficheiro).valor(seccao, chave).value_or(QString());
}

bool ConfiguracaoFicheiro::grava(const QString &seccao, const QString &chave, const QString &valor)
{
    return grava(QList<Valor>{{seccao, chave, valor}});
}

bool ConfiguracaoFicheiro::grava(const QList<Valor> &valores)
{
    if (m_ficheiro.isEmpty())
        throw QrxError(erros::ArgumentoInvalido, origem,
                       QStringLiteral("Não foi indicado o ficheiro de configuração."));
    for (const Valor &v : valores)
        verificaNomes(m_ficheiro, v);

    const bool existia = QFile::exists(m_ficheiro);
    DocumentoIni documento = leDocumento(m_ficheiro);
    const QByteArray antes = documento.paraBytes();
    for (const Valor &v : valores)
        documento.defineValor(v.seccao, v.chave, v.valor);
    const QByteArray depois = documento.paraBytes();
    if (existia && depois == antes)
        return true;

    QSaveFile file(m_ficheiro);
    if (!file.open(QIODevice::WriteOnly) || file.write(depois) != depois.size() || !file.commit())
        throw QrxError(erros::FicheiroInacessivel, origem,
                       u"Não foi possível gravar o ficheiro de configuração " + m_ficheiro
                           + u": " + file.errorString());
    return true;
}

} // namespace qrx
