#include "DefinicoesDemo.h"

#include "QrxError.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringEncoder>

namespace qrx {

using namespace Qt::StringLiterals;

namespace {

const QString Origem = u"DefinicoesDemo"_s;

QByteArray emWindows1252(const QString &caminho)
{
    QStringEncoder codificador("windows-1252");
    const QByteArray resultado = codificador.encode(caminho);
    if (!codificador.isValid() || codificador.hasError())
        throw QrxError(erros::ValorInvalido, Origem,
                       u"O caminho \"%1\" tem caracteres que os ficheiros de configuração não "
                       "guardam (Windows-1252)"_s.arg(caminho));
    return resultado;
}

void criaPasta(const QString &caminho)
{
    if (!QDir().mkpath(caminho))
        throw QrxError(erros::FicheiroInacessivel, Origem,
                       u"Não foi possível criar a pasta \"%1\""_s.arg(caminho));
}

void grava(const QString &caminho, const QByteArray &conteudo)
{
    QSaveFile f(caminho);
    if (!f.open(QIODevice::WriteOnly) || f.write(conteudo) != conteudo.size() || !f.commit())
        throw QrxError(erros::FicheiroInacessivel, Origem,
                       u"Não foi possível gravar \"%1\": %2"_s.arg(caminho, f.errorString()));
}

} // namespace

QString DefinicoesDemo::nomeFicheiro(int tipo)
{
    return u"qrxEdi-tipo%1.qrx"_s.arg(tipo, 2, 10, QLatin1Char('0'));
}

QByteArray DefinicoesDemo::modelo(int tipo)
{
    QFile f(u":/qrx/demo/settings/"_s + nomeFicheiro(tipo));
    if (!f.open(QIODevice::ReadOnly))
        throw QrxError(erros::FicheiroNaoEncontrado, Origem,
                       u"Não há modelo de configuração para o tipo de exportação %1"_s.arg(tipo));
    return f.readAll();
}

QString DefinicoesDemo::pastaSaida(const QString &pasta)
{
    return QDir(QDir(pasta).absolutePath()).filePath(u"out"_s);
}

QString DefinicoesDemo::pastaArmazem(const QString &pasta, int armazem)
{
    return QDir(pastaSaida(pasta)).filePath(u"armazem%1"_s.arg(armazem));
}

QByteArray DefinicoesDemo::preencher(int tipo, const QString &pasta)
{
    QByteArray texto = modelo(tipo);
    texto.replace("@DIRECTORIA@", emWindows1252(QDir::toNativeSeparators(pastaSaida(pasta))));
    texto.replace("@PERCURSO1@", emWindows1252(QDir::toNativeSeparators(pastaArmazem(pasta, 1))));
    texto.replace("@PERCURSO2@", emWindows1252(QDir::toNativeSeparators(pastaArmazem(pasta, 2))));
    return texto;
}

QList<QByteArray> DefinicoesDemo::conteudos(const QString &pasta)
{
    QList<QByteArray> resultado;
    for (int tipo = 0; tipo < TiposDeExportacao; ++tipo)
        resultado.append(preencher(tipo, pasta));
    return resultado;
}

void DefinicoesDemo::escrever(const QString &pasta)
{
    // Everything is prepared first, so that a path the files cannot hold leaves nothing behind.
    const QList<QByteArray> textos = conteudos(pasta);
    criaPasta(pastaSaida(pasta));
    criaPasta(pastaArmazem(pasta, 1));
    criaPasta(pastaArmazem(pasta, 2));
    const QDir dir(pasta);
    for (int tipo = 0; tipo < TiposDeExportacao; ++tipo) {
        grava(dir.filePath(nomeFicheiro(tipo)), textos.at(tipo));
        if (tipo == 0)
            grava(dir.filePath(u"qrxEdi.qrx"_s), textos.at(tipo));
    }
}

} // namespace qrx
