#include "GeradorDemo.h"

#include "DefinicoesDemo.h"
#include "EscritorDemo.h"
#include "EsquemaErp.h"
#include "PlaneadorDemo.h"
#include "QrxError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace qrx {

using namespace Qt::StringLiterals;

namespace {

const QString Origem = u"GeradorDemo"_s;

void executa(QSqlDatabase &bd, const QString &instrucao)
{
    QSqlQuery q(bd);
    if (!q.exec(instrucao))
        throw QrxError(erros::FalhaGeral, Origem, q.lastError().text() % u": "_s % instrucao);
}

// A connection of its own, removed when the work is done whatever happens.
class LigacaoTemporaria {
public:
    explicit LigacaoTemporaria(const QString &ficheiro)
        : m_nome(u"qrx_demo_"_s % QUuid::createUuid().toString(QUuid::WithoutBraces))
    {
        QSqlDatabase bd = QSqlDatabase::addDatabase(u"QSQLITE"_s, m_nome);
        bd.setDatabaseName(ficheiro);
        if (!bd.open())
            throw QrxError(erros::FicheiroInacessivel, Origem,
                           u"Não foi possível criar a base de dados \"%1\": %2"_s
                               .arg(ficheiro, bd.lastError().text()));
    }
    ~LigacaoTemporaria()
    {
        {
            QSqlDatabase bd = QSqlDatabase::database(m_nome, false);
            if (bd.isOpen())
                bd.close();
        }
        QSqlDatabase::removeDatabase(m_nome);
    }
    LigacaoTemporaria(const LigacaoTemporaria &) = delete;
    LigacaoTemporaria &operator=(const LigacaoTemporaria &) = delete;

    QSqlDatabase bd() const { return QSqlDatabase::database(m_nome, false); }

private:
    QString m_nome;
};

void removeFicheiro(const QString &caminho)
{
    if (QFile::exists(caminho) && !QFile::remove(caminho))
        throw QrxError(erros::FicheiroInacessivel, Origem,
                       u"Não foi possível apagar \"%1\""_s.arg(caminho));
}

} // namespace

GeradorDemo::GeradorDemo(quint64 semente, int linhas, QDate hoje)
    : m_semente(semente), m_linhas(linhas), m_hoje(hoje)
{
}

int GeradorDemo::minimoLinhas()
{
    return PlaneadorDemo::minimoLinhas();
}

GeradorDemo::Resumo GeradorDemo::gerarBaseDados(const QString &ficheiro) const
{
    if (m_linhas < minimoLinhas())
        throw QrxError(erros::ArgumentoInvalido, Origem,
                       u"O número de linhas tem de ser pelo menos %1"_s.arg(minimoLinhas()));
    if (!m_hoje.isValid())
        throw QrxError(erros::ArgumentoInvalido, Origem, u"A data de hoje não é válida"_s);

    // Built beside the target and moved into place only when complete, so that a failed run
    // never leaves half a database where the programs look for one.
    const QString provisorio = ficheiro % u".novo"_s;
    removeFicheiro(provisorio);
    removeFicheiro(provisorio % u"-journal"_s);
    EscritorDemo::Contagem contagem;
    try {
        LigacaoTemporaria ligacao(provisorio);
        QSqlDatabase bd = ligacao.bd();
        executa(bd, u"PRAGMA journal_mode = MEMORY"_s);
        executa(bd, u"PRAGMA synchronous = OFF"_s);
        EsquemaErp::criar(bd);
        const plano::Plano plano = PlaneadorDemo(m_semente, m_linhas, m_hoje).planear();
        if (!bd.transaction())
            throw QrxError(erros::FalhaGeral, Origem, bd.lastError().text());
        try {
            contagem = EscritorDemo(bd, m_hoje).escrever(plano);
        } catch (...) {
            bd.rollback();
            throw;
        }
        if (!bd.commit())
            throw QrxError(erros::FalhaGeral, Origem, bd.lastError().text());
    } catch (...) {
        QFile::remove(provisorio);
        throw;
    }
    // A journal left beside an old database would be replayed into the new one.
    for (const QString &resto : {u"-journal"_s, u"-wal"_s, u"-shm"_s})
        removeFicheiro(ficheiro % resto);
    removeFicheiro(ficheiro);
    if (!QFile::rename(provisorio, ficheiro))
        throw QrxError(erros::FicheiroInacessivel, Origem,
                       u"Não foi possível pôr a base de dados em \"%1\""_s.arg(ficheiro));
    return {contagem.documentos, contagem.documentosDeHoje, contagem.linhas, contagem.clientes};
}

GeradorDemo::Resumo GeradorDemo::gerar(const QString &pasta) const
{
    DefinicoesDemo::conteudos(pasta); // a folder the settings cannot name fails before any work
    if (!QDir().mkpath(pasta))
        throw QrxError(erros::FicheiroInacessivel, Origem,
                       u"Não foi possível criar a pasta \"%1\""_s.arg(pasta));
    const Resumo resumo = gerarBaseDados(QDir(pasta).filePath(nomeBaseDados()));
    DefinicoesDemo::escrever(pasta);
    return resumo;
}

} // namespace qrx
