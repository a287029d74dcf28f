#include "CDataAccess.h"

#include "FalhaBD.h"
#include "GravacaoRecordset.h"
#include "Interaccao.h"
#include "LigacaoAberta.h"
#include "NomesSql.h"
#include "RecordsetDados.h"
#include "TextoLigacao.h"

#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>

namespace qrx {

using interno::FalhaDriver;
using interno::levanta;

struct CDataAccess::Dados {
    qint64 contador = 0;
    std::shared_ptr<LigacaoAberta> ligacao;
    QString textoLigacao;
    bool emTransaccao = false;
    Interaccao *interaccao = nullptr;

    LigacaoAberta &partilhada()
    {
        if (ligacao)
            return *ligacao;
        if (!textoLigacao.isEmpty()) {
            // The connection was lost and could not be opened again.
            throw FalhaDriver{TipoFalha::LigacaoPerdida,
                              {QStringLiteral("DataAccessAPI"),
                               QStringLiteral("A ligação à base de dados foi perdida e não foi "
                                              "restabelecida."),
                               numerosBD::LigacaoPerdida}};
        }
        throw FalhaDriver{TipoFalha::Outra,
                          {QStringLiteral("DataAccessAPI"),
                           QStringLiteral("Não há ligação aberta à base de dados."),
                           numerosBD::SemLigacao}};
    }

    Interaccao::Resposta mostraErrosBD(const QList<ErroLigacao> &erros) const
    {
        if (!interaccao)
            return Interaccao::Cancelar;
        return interaccao->mensagem(textoErrosBD(erros), Interaccao::Icone::Aviso, tituloErrosBD(),
                                    Interaccao::Botoes::RepetirCancelar);
    }

    Recordset leComRepeticao(const QString &connect, const Instrucao &instrucao,
                             QUERYOPTIONS opcoes, int lockType, bool ligado);
};

namespace {

Instrucao instrucaoDasOpcoes(const Instrucao &instrucao, QUERYOPTIONS opcoes, const Dialecto &d)
{
    switch (opcoes) {
    case QO_UseTable:
        return Instrucao(QLatin1String("SELECT * FROM ") + instrucao.texto, instrucao.parametros);
    case QO_UseStoredProc: {
        if (d.motor() == Dialecto::Motor::SQLite) {
            throw FalhaDriver{TipoFalha::Outra,
                              {d.nome(),
                               QStringLiteral("O motor SQLite não tem procedimentos: \"%1\".")
                                   .arg(instrucao.texto),
                               numerosBD::ErroNaInstrucao}};
        }
        QStringList marcas;
        marcas.fill(QStringLiteral("?"), instrucao.parametros.size());
        return Instrucao(QLatin1String("{CALL ") + instrucao.texto + QLatin1Char('(')
                             + marcas.join(QLatin1Char(',')) + QLatin1String(")}"),
                         instrucao.parametros);
    }
    default:
        return instrucao;
    }
}

QString tabelaDosCampos(const QVector<Recordset::Campo> &campos)
{
    QString tabela;
    for (const Recordset::Campo &c : campos) {
        if (c.tabelaBase.isEmpty())
            continue;
        if (tabela.isEmpty())
            tabela = c.tabelaBase;
        else if (tabela.compare(c.tabelaBase, Qt::CaseInsensitive) != 0)
            return {};
    }
    return tabela;
}

// Reads every row into memory: forward only, values taken by position.
void leLinhas(LigacaoAberta &ligacao, const Instrucao &pedida, QUERYOPTIONS opcoes,
              interno::DadosRecordset &rs)
{
    const Dialecto &dialecto = ligacao.dialecto();
    QSqlQuery q = ligacao.executa(instrucaoDasOpcoes(pedida, opcoes, dialecto));
    const QSqlRecord registo = q.record();
    const int n = registo.count();

    rs.campos.resize(n);
    for (int i = 0; i < n; ++i) {
        const QSqlField campo = registo.field(i);
        const int tipo = campo.metaType().id();
        // Qt 6.4's ODBC driver hands the table name over with the rest of its buffer after a NUL.
        QString tabela = campo.tableName();
        const qsizetype fim = tabela.indexOf(QChar(u'\0'));
        if (fim >= 0)
            tabela.truncate(fim);
        rs.campos[i] = {campo.name(),
                        tipo == QMetaType::UnknownType ? QMetaType::QString : QMetaType::Type(tipo),
                        qMax(0, campo.length()), tabela};
    }

    const bool converte = dialecto.converteLeitura();
    QVector<bool> datas(n, false), outros(n, false);
    // The last text converted per column: lines of one document repeat its date, and building
    // a local date-time is far dearer than comparing two texts.
    QVector<QString> ultimoTexto(n);
    QVector<QVariant> ultimoValor(n);
    rs.linhas.reserve(q.size() > 0 ? q.size() : 1024);
    while (q.next()) {
        QVector<QVariant> valores(n);
        QVariant *valor = valores.data();
        for (int i = 0; i < n; ++i)
            valor[i] = q.value(i);
        if (converte) {
            for (int i = 0; i < n; ++i) {
                if (valor[i].typeId() != QMetaType::QString)
                    continue;
                const QString &texto = *static_cast<const QString *>(valor[i].constData());
                if (texto.isNull())
                    continue;
                if (!dialecto.converteTexto(texto)) {
                    outros[i] = true;
                    continue;
                }
                if (!ultimoValor[i].isValid() || texto != ultimoTexto[i]) {
                    ultimoTexto[i] = texto;
                    ultimoValor[i] = dialecto.valorDaBase(valor[i]);
                }
                if (ultimoValor[i].typeId() == QMetaType::QDateTime)
                    datas[i] = true;
                else
                    outros[i] = true;
                valor[i] = ultimoValor[i];
            }
        }
        rs.linhas.append({std::move(valores), {}, Recordset::EstadoLinha::Inalterada});
    }
    if (q.lastError().type() != QSqlError::NoError)
        throw ligacao.falhaDaInstrucao(q);

    // Text columns that hold only stored dates are date columns to the caller.
    for (int i = 0; i < n; ++i) {
        if (rs.campos[i].tipo == QMetaType::QString && datas[i] && !outros[i])
            rs.campos[i].tipo = QMetaType::QDateTime;
    }

    QString tabela = tabelaDosCampos(rs.campos);
    if (tabela.isEmpty())
        tabela = opcoes == QO_UseTable ? interno::semAspas(pedida.texto)
                                       : interno::tabelaDaConsulta(pedida.texto);
    rs.tabelaBase = tabela;
    rs.fonte = pedida.texto;
    rs.indexaNomes();
    rs.posicao = rs.linhas.isEmpty() ? -1 : 0;
    rs.aberto = true;
}

} // namespace

Recordset CDataAccess::Dados::leComRepeticao(const QString &connect, const Instrucao &instrucao,
                                             QUERYOPTIONS opcoes, int lockType, bool ligado)
{
    std::unique_ptr<LigacaoAberta> separada;
    bool religar = false;
    for (;;) {
        try {
            LigacaoAberta *usada = nullptr;
            if (!connect.isEmpty()) {
                if (!separada)
                    separada = std::make_unique<LigacaoAberta>(connect, contador);
                usada = separada.get();
            } else {
                if (religar) {
                    religar = false;
                    ligacao.reset();
                    ligacao = std::make_shared<LigacaoAberta>(textoLigacao, contador);
                }
                usada = &partilhada();
            }
            Recordset novo;
            interno::DadosRecordset &rs = *novo.d;
            leLinhas(*usada, instrucao, opcoes, rs);
            rs.lockType = lockType;
            rs.ligado = ligado;
            if (ligado)
                rs.ligacao = ligacao;
            return novo;
        } catch (const FalhaDriver &f) {
            if (f.tipo == TipoFalha::Outra)
                levanta(f);
            // Work of an open transaction died with the connection; a silent reconnection
            // would go on outside it.
            if (f.tipo == TipoFalha::LigacaoPerdida && connect.isEmpty() && ligacao
                && ligacao->emTransaccao())
                levanta(f);
            if (mostraErrosBD({f.erro}) != Interaccao::Repetir)
                levanta(f);
            if (f.tipo == TipoFalha::LigacaoPerdida) {
                if (!connect.isEmpty()) {
                    separada.reset();
                } else {
                    if (textoLigacao.isEmpty())
                        levanta(f);
                    religar = true;
                }
            }
        }
    }
}

CDataAccess::CDataAccess() : d(std::make_unique<Dados>()) {}

CDataAccess::~CDataAccess()
{
    CloseConnection();
}

QString CDataAccess::BaseDados() const
{
    return d->ligacao ? TextoLigacao(d->ligacao->texto()).parte(QStringLiteral("Initial Catalog="))
                      : QString();
}

QString CDataAccess::PrefixoBaseDados() const
{
    return d->ligacao ? BaseDados() + QLatin1String(".dbo.") : QString();
}

QString CDataAccess::Servidor() const
{
    return d->ligacao ? TextoLigacao(d->ligacao->texto()).parte(QStringLiteral("Data Source="))
                      : QString();
}

QString CDataAccess::UserId() const
{
    return d->ligacao ? TextoLigacao(d->ligacao->texto()).parte(QStringLiteral("User ID="))
                      : QString();
}

QString CDataAccess::PassWord() const
{
    return d->ligacao ? TextoLigacao(d->ligacao->texto()).parte(QStringLiteral("Password="))
                      : QString();
}

bool CDataAccess::BeginTrans()
{
    d->emTransaccao = false;
    try {
        d->partilhada().iniciaTransaccao();
    } catch (const FalhaDriver &f) {
        levanta(f);
    }
    d->emTransaccao = true;
    return true;
}

bool CDataAccess::CloseConnection()
{
    d->ligacao.reset();
    return true;
}

bool CDataAccess::CommitTrans()
{
    try {
        d->partilhada().confirmaTransaccao();
    } catch (const FalhaDriver &f) {
        levanta(f);
    }
    d->emTransaccao = false;
    return true;
}

bool CDataAccess::RollbackTrans()
{
    try {
        d->partilhada().desfazTransaccao();
    } catch (const FalhaDriver &f) {
        levanta(f);
    }
    d->emTransaccao = false;
    return true;
}

bool CDataAccess::DisconnectRecordset(Recordset &Recordset)
{
    Recordset.close();
    return true;
}

bool CDataAccess::ExecQuery(const QString &Connect, const Instrucao &SQLQuery)
{
    try {
        std::unique_ptr<LigacaoAberta> separada;
        if (!Connect.isEmpty())
            separada = std::make_unique<LigacaoAberta>(Connect, d->contador);
        LigacaoAberta &ligacao = separada ? *separada : d->partilhada();
        ligacao.executa(SQLQuery);
    } catch (const FalhaDriver &f) {
        levanta(f);
    }
    return true;
}

bool CDataAccess::GetConnectedRecordset(const Instrucao &SQLQuery, Recordset &Recordset,
                                        LOCKTYPES LockType, QUERYOPTIONS Options)
{
    const int lockType = LockType == 0 ? int(LT_BatchOptimistic) : int(LockType);
    Recordset = d->leComRepeticao(QString(), SQLQuery, Options, lockType, true);
    return true;
}

bool CDataAccess::GetRecordset(const QString &Connect, const Instrucao &SQLQuery,
                               Recordset &Recordset, QUERYOPTIONS Options, bool UseShapeProvider)
{
    Q_UNUSED(UseShapeProvider); // the shaping provider has no counterpart here
    Recordset = d->leComRepeticao(Connect, SQLQuery, Options, LT_BatchOptimistic, false);
    return true;
}

bool CDataAccess::IsInTransaction() const
{
    return d->emTransaccao;
}

bool CDataAccess::OpenConnection(const QString &Connect)
{
    if (Connect.isEmpty())
        return true;
    CloseConnection();
    try {
        d->ligacao = std::make_shared<LigacaoAberta>(Connect, d->contador);
    } catch (const FalhaDriver &f) {
        // The previous connection is closed: reconnecting to it later would be a surprise.
        d->textoLigacao.clear();
        levanta(f);
    }
    d->textoLigacao = Connect;
    return true;
}

bool CDataAccess::PutRecordset(const QString &Connect, Recordset &Recordset)
{
    if (!Recordset.isOpen())
        levanta(numerosBD::SemLigacao, QStringLiteral("O recordset está fechado."));
    Recordset.update();
    try {
        std::unique_ptr<LigacaoAberta> separada;
        if (!Connect.isEmpty())
            separada = std::make_unique<LigacaoAberta>(Connect, d->contador);
        LigacaoAberta &ligacao = separada ? *separada : d->partilhada();
        interno::gravaPendentes(ligacao, *Recordset.d);
    } catch (const FalhaDriver &f) {
        levanta(f);
    }
    return true;
}

bool CDataAccess::DataComponentsInstalled(const QString &Connect)
{
    try {
        if (Connect.isEmpty()) {
            for (const QString &controlador : {QStringLiteral("QSQLITE"), QStringLiteral("QODBC")}) {
                if (!QSqlDatabase::isDriverAvailable(controlador)) {
                    levanta(numerosBD::ComponenteEmFalta,
                            QStringLiteral("O controlador %1 do Qt SQL não está instalado.")
                                .arg(controlador));
                }
            }
        } else {
            LigacaoAberta prova(Connect, d->contador);
        }
    } catch (const FalhaDriver &f) {
        levanta(f);
    }
    return true;
}

QSqlDatabase CDataAccess::GetConnection()
{
    if (!d->ligacao)
        levanta(numerosBD::SemLigacao, QStringLiteral("Não há ligação aberta à base de dados."));
    return d->ligacao->base();
}

const Dialecto &CDataAccess::dialecto() const
{
    if (!d->ligacao)
        levanta(numerosBD::SemLigacao, QStringLiteral("Não há ligação aberta à base de dados."));
    return d->ligacao->dialecto();
}

void CDataAccess::setInteraccao(Interaccao *interaccao)
{
    d->interaccao = interaccao;
}

qint64 CDataAccess::NumeroInstrucoes() const
{
    return d->contador;
}

void CDataAccess::reporContador()
{
    d->contador = 0;
}

Transaccao::Transaccao(CDataAccess &bd) : m_bd(bd)
{
    m_bd.BeginTrans();
}

Transaccao::~Transaccao()
{
    if (m_terminada)
        return;
    try {
        m_bd.RollbackTrans();
    } catch (...) {
        // Nothing to do: the connection is gone and its transaction with it.
    }
}

void Transaccao::commit()
{
    m_bd.CommitTrans();
    m_terminada = true;
}

} // namespace qrx
