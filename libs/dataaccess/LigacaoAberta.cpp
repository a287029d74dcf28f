#include "LigacaoAberta.h"

#include "DiagnosticoOdbc.h"
#include "NomesSql.h"
#include "QrxError.h"

#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlIndex>
#include <QSqlRecord>
#include <QSqlResult>
#include <QUuid>

namespace qrx::interno {

namespace {

const QString origemErros = QStringLiteral("DataAccessAPI");

} // namespace

void levanta(qint32 numero, const QString &descricao)
{
    throw QrxError(numero, origemErros, descricao);
}

void levanta(const FalhaDriver &falha)
{
    throw QrxError(falha.erro.numero, origemErros, falha.erro.descricao);
}

} // namespace qrx::interno

namespace qrx {

using interno::estadosSqlDaInstrucao;
using interno::estadosSqlDaLigacao;
using interno::defineTempoLimite;
using interno::semAspas;

LigacaoAberta::Registo::~Registo()
{
    if (nome.isEmpty())
        return;
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(nome);
}

LigacaoAberta::LigacaoAberta(const QString &textoLigacao, qint64 &contador)
    : m_contador(contador), m_texto(textoLigacao),
      m_parametros(ParametrosLigacao::de(textoLigacao)),
      m_dialecto(&Dialecto::de(m_parametros.motor))
{
    if (!QSqlDatabase::isDriverAvailable(m_parametros.controladorQt)) {
        throw FalhaDriver{TipoFalha::Outra,
                          {origem(),
                           QStringLiteral("O controlador %1 do Qt SQL não está instalado.")
                               .arg(m_parametros.controladorQt),
                           numerosBD::ComponenteEmFalta}};
    }
    if (m_parametros.motor == Dialecto::Motor::SQLite) {
        // Opening a missing file would create an empty database in its place.
        if (m_parametros.ficheiro.isEmpty() || !QFileInfo(m_parametros.ficheiro).isFile()) {
            throw FalhaDriver{TipoFalha::LigacaoPerdida,
                              {origem(),
                               QStringLiteral("A base de dados não existe: \"%1\".")
                                   .arg(m_parametros.ficheiro),
                               numerosBD::LigacaoPerdida}};
        }
    }
    m_registo.nome = QStringLiteral("qrxDataAccess-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    m_registo.db = QSqlDatabase::addDatabase(m_parametros.controladorQt, m_registo.nome);
    m_registo.db.setDatabaseName(m_parametros.nomeBase);
    m_registo.db.setConnectOptions(m_parametros.opcoes);
    if (!m_registo.db.open())
        throw falhaDe(m_registo.db.lastError(), {});
}

LigacaoAberta::~LigacaoAberta() = default;

QString LigacaoAberta::origem() const
{
    if (m_parametros.controladorQt == QLatin1String("QODBC"))
        return QStringLiteral("ODBC ") + m_parametros.controladorOdbc;
    return m_dialecto->nome();
}

void LigacaoAberta::verificaAberta() const
{
    if (!m_registo.db.isOpen()) {
        throw FalhaDriver{TipoFalha::LigacaoPerdida,
                          {origem(), QStringLiteral("A ligação à base de dados está fechada."),
                           numerosBD::LigacaoPerdida}};
    }
}

FalhaDriver LigacaoAberta::falhaDe(const QSqlError &erro, const QStringList &estadosSql) const
{
    FalhaDriver f;
    f.tipo = classificaFalha(erro.type(), m_parametros.motor, erro.nativeErrorCode(), estadosSql);
    f.erro.origem = origem();
    f.erro.descricao = erro.databaseText().trimmed();
    if (f.erro.descricao.isEmpty())
        f.erro.descricao = erro.driverText().trimmed();
    if (f.erro.descricao.isEmpty())
        f.erro.descricao = QStringLiteral("Falha desconhecida do controlador %1.").arg(origem());
    f.erro.numero = numeroDaFalha(f.tipo);
    return f;
}

FalhaDriver LigacaoAberta::falhaDaInstrucao(const QSqlQuery &q) const
{
    QStringList estados;
    if (m_parametros.controladorQt == QLatin1String("QODBC")) {
        if (q.result())
            estados = estadosSqlDaInstrucao(q.result()->handle());
        estados += estadosSqlDaLigacao(m_registo.db.driver()->handle());
    }
    return falhaDe(q.lastError(), estados);
}

FalhaDriver LigacaoAberta::falhaDaLigacao() const
{
    QStringList estados;
    if (m_parametros.controladorQt == QLatin1String("QODBC"))
        estados = estadosSqlDaLigacao(m_registo.db.driver()->handle());
    return falhaDe(m_registo.db.lastError(), estados);
}

QSqlQuery LigacaoAberta::executa(const Instrucao &instrucao)
{
    verificaAberta();
    QSqlQuery q(m_registo.db);
    q.setForwardOnly(true);
    conta();
    if (!q.prepare(instrucao.texto))
        throw falhaDaInstrucao(q);
    if (m_parametros.controladorQt == QLatin1String("QODBC"))
        defineTempoLimite(q.result()->handle(), m_parametros.tempoLimite);
    for (const QVariant &valor : instrucao.parametros)
        q.addBindValue(m_dialecto->valorParaBase(valor));
    if (!q.exec())
        throw falhaDaInstrucao(q);
    return q;
}

void LigacaoAberta::iniciaTransaccao()
{
    verificaAberta();
    conta();
    if (!m_registo.db.transaction())
        throw falhaDaLigacao();
    m_emTransaccao = true;
}

void LigacaoAberta::confirmaTransaccao()
{
    verificaAberta();
    conta();
    if (!m_registo.db.commit())
        throw falhaDaLigacao();
    m_emTransaccao = false;
}

void LigacaoAberta::desfazTransaccao()
{
    verificaAberta();
    conta();
    const bool feito = m_registo.db.rollback();
    m_emTransaccao = false;
    if (!feito)
        throw falhaDaLigacao();
}

QStringList LigacaoAberta::chavePrimaria(const QString &tabela)
{
    const QString nome = semAspas(tabela);
    const QString chave = nome.toCaseFolded();
    auto encontrada = m_chaves.constFind(chave);
    if (encontrada != m_chaves.constEnd())
        return *encontrada;
    verificaAberta();
    conta();
    const QSqlIndex indice = m_registo.db.primaryIndex(nome);
    QStringList colunas;
    for (int i = 0; i < indice.count(); ++i)
        colunas.append(indice.fieldName(i));
    m_chaves.insert(chave, colunas);
    return colunas;
}

} // namespace qrx
