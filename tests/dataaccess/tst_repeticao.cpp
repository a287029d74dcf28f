#include "BaseTeste.h"
#include "CDataAccess.h"
#include "FalhaBD.h"
#include "InteraccaoGravada.h"
#include "QrxError.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSqlDatabase>
#include <QTest>

#include <functional>

using namespace qrx;
using qrx::testes::BaseTeste;
using qrx::testes::InteraccaoGravada;

namespace {

QrxError erroDe(const std::function<void()> &f)
{
    try {
        f();
    } catch (const QrxError &e) {
        return e;
    }
    return QrxError(0, QStringLiteral("(nenhum)"), QStringLiteral("no error was raised"));
}

QString caixa(const QString &origem, const QString &descricao, const QString &numero)
{
    return QStringLiteral("Origem:      ") + origem + QStringLiteral("\r\nDescrição:   ") + descricao
        + QStringLiteral("\r\nNúmero:      ") + numero + QStringLiteral("\r\n\r\n");
}

const QString fechada = QStringLiteral("A ligação à base de dados está fechada.");

} // namespace

class TstRepeticao : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void tempoEsgotadoRepete_data();
    void tempoEsgotadoRepete();
    void tempoEsgotadoCancelado();
    void semInteraccaoECancelar();
    void ligacaoPerdidaRepeteEReliga_data();
    void ligacaoPerdidaRepeteEReliga();
    void ligacaoPerdidaCancelada();
    void servidorVoltaDepoisDeRepetir();
    void ligacaoPerdidaEmTransaccaoNaoRepete();
    void ligacaoSeparadaRepeteNaPropria();
    void outrasFalhasNaoPerguntam();

private:
    void le(CDataAccess &bd, bool ligado, Recordset &rs, const QString &consulta = QStringLiteral("SELECT NOME FROM EMPRESA"));
};

void TstRepeticao::le(CDataAccess &bd, bool ligado, Recordset &rs, const QString &consulta)
{
    if (ligado)
        bd.GetConnectedRecordset(consulta, rs);
    else
        bd.GetRecordset(QString(), consulta, rs);
}

void TstRepeticao::tempoEsgotadoRepete_data()
{
    QTest::addColumn<bool>("ligado");
    QTest::newRow("GetRecordset") << false;
    QTest::newRow("GetConnectedRecordset") << true;
}

// Another connection holds the file exclusively; the read runs out of time, the person is
// asked, and the lock is released before the second Retry.
void TstRepeticao::tempoEsgotadoRepete()
{
    QFETCH(bool, ligado);
    BaseTeste base;
    CDataAccess bloqueador;
    bloqueador.OpenConnection(base.textoLigacao());
    bloqueador.ExecQuery(QString(), "BEGIN EXCLUSIVE");

    CDataAccess bd;
    bd.OpenConnection(base.textoLigacao(QStringLiteral(";Command Timeout=1")));
    InteraccaoGravada pessoa;
    pessoa.responder = [&](const InteraccaoGravada::Mensagem &) {
        if (pessoa.mensagens.size() == 2)
            bloqueador.ExecQuery(QString(), "COMMIT");
        return Interaccao::Repetir;
    };
    bd.setInteraccao(&pessoa);

    QElapsedTimer relogio;
    relogio.start();
    Recordset rs;
    le(bd, ligado, rs);
    QVERIFY(relogio.elapsed() >= 1800);
    QCOMPARE(rs.recordCount(), 1);
    QCOMPARE(rs.value(0).toString(), QStringLiteral("Empresa de Teste, Lda"));
    QCOMPARE(rs.isConnected(), ligado);

    QCOMPARE(pessoa.mensagens.size(), 2);
    const InteraccaoGravada::Mensagem &m = pessoa.mensagens.first();
    QCOMPARE(m.texto, caixa(QStringLiteral("SQLite"), QStringLiteral("database is locked"), QStringLiteral("3633")));
    QCOMPARE(m.titulo, QStringLiteral("Problemas no acesso á Base de Dados"));
    QCOMPARE(m.icone, Interaccao::Icone::Aviso);
    QCOMPARE(m.botoes, Interaccao::Botoes::RepetirCancelar);
}

void TstRepeticao::tempoEsgotadoCancelado()
{
    BaseTeste base;
    CDataAccess bloqueador;
    bloqueador.OpenConnection(base.textoLigacao());
    bloqueador.ExecQuery(QString(), "BEGIN EXCLUSIVE");
    CDataAccess bd;
    bd.OpenConnection(base.textoLigacao(QStringLiteral(";Command Timeout=1")));
    InteraccaoGravada pessoa;
    pessoa.respostas = {Interaccao::Cancelar};
    bd.setInteraccao(&pessoa);

    Recordset rs;
    const QrxError e = erroDe([&] { bd.GetRecordset(QString(), "SELECT NOME FROM EMPRESA", rs); });
    QCOMPARE(e.numero(), numerosBD::TempoEsgotado);
    QCOMPARE(e.origem(), QStringLiteral("DataAccessAPI"));
    QCOMPARE(e.descricao(), QStringLiteral("database is locked"));
    QCOMPARE(pessoa.mensagens.size(), 1);
    QVERIFY(!rs.isOpen());
    bloqueador.ExecQuery(QString(), "COMMIT");
}

void TstRepeticao::semInteraccaoECancelar()
{
    BaseTeste base;
    CDataAccess bd;
    bd.OpenConnection(base.textoLigacao());
    bd.GetConnection().close();
    Recordset rs;
    const QrxError e = erroDe([&] { bd.GetRecordset(QString(), "SELECT NOME FROM EMPRESA", rs); });
    QCOMPARE(e.numero(), numerosBD::LigacaoPerdida);
    QCOMPARE(e.origem(), QStringLiteral("DataAccessAPI"));
    QCOMPARE(e.descricao(), fechada);
}

void TstRepeticao::ligacaoPerdidaRepeteEReliga_data()
{
    QTest::addColumn<bool>("ligado");
    QTest::newRow("GetRecordset") << false;
    QTest::newRow("GetConnectedRecordset") << true;
}

// The shared connection is really closed underneath; Retry opens it again with the text it
// was opened with.
void TstRepeticao::ligacaoPerdidaRepeteEReliga()
{
    QFETCH(bool, ligado);
    BaseTeste base;
    CDataAccess bd;
    bd.OpenConnection(base.textoLigacao());
    InteraccaoGravada pessoa;
    pessoa.respostas = {Interaccao::Repetir};
    bd.setInteraccao(&pessoa);
    bd.GetConnection().close();

    Recordset rs;
    le(bd, ligado, rs);
    QCOMPARE(rs.recordCount(), 1);
    QCOMPARE(pessoa.mensagens.size(), 1);
    QCOMPARE(pessoa.mensagens.first().texto, caixa(QStringLiteral("SQLite"), fechada, QStringLiteral("-245755")));
    QVERIFY(bd.GetConnection().isOpen());
    QCOMPARE(bd.BaseDados(), QStringLiteral("erp"));
    if (ligado) {
        // The connected recordset writes through the new connection.
        QVERIFY(rs.isConnected());
        rs.setValue(0, QStringLiteral("Depois da falha"));
        rs.update();
        QCOMPARE(base.linhas(QStringLiteral("SELECT NOME FROM EMPRESA")), QStringList{QStringLiteral("Depois da falha")});
    }
}

void TstRepeticao::ligacaoPerdidaCancelada()
{
    BaseTeste base;
    CDataAccess bd;
    bd.OpenConnection(base.textoLigacao());
    InteraccaoGravada pessoa;
    pessoa.respostas = {Interaccao::Cancelar};
    bd.setInteraccao(&pessoa);
    bd.GetConnection().close();
    Recordset rs;
    const QrxError e = erroDe([&] { bd.GetConnectedRecordset("SELECT NOME FROM EMPRESA", rs); });
    QCOMPARE(e.numero(), numerosBD::LigacaoPerdida);
    QCOMPARE(e.origem(), QStringLiteral("DataAccessAPI"));
    QCOMPARE(e.descricao(), fechada);
    QCOMPARE(pessoa.mensagens.size(), 1);
}

// The file is away (a share that went down): the first Retry fails again and asks again; by
// the second the file is back and the read returns its rows.
void TstRepeticao::servidorVoltaDepoisDeRepetir()
{
    BaseTeste base;
    CDataAccess bd;
    bd.OpenConnection(base.textoLigacao());
    const QString fora = base.ficheiro() + QStringLiteral(".fora");
    InteraccaoGravada pessoa;
    pessoa.responder = [&](const InteraccaoGravada::Mensagem &) {
        if (pessoa.mensagens.size() == 2)
            QFile::rename(fora, base.ficheiro());
        return Interaccao::Repetir;
    };
    bd.setInteraccao(&pessoa);
    bd.GetConnection().close();
    QVERIFY(QFile::rename(base.ficheiro(), fora));

    Recordset rs;
    bd.GetRecordset(QString(), "SELECT NOME FROM EMPRESA", rs);
    QCOMPARE(rs.recordCount(), 1);
    QCOMPARE(pessoa.mensagens.size(), 2);
    QVERIFY2(pessoa.mensagens.at(1).texto.contains(base.ficheiro()), qPrintable(pessoa.mensagens.at(1).texto));
    QVERIFY(pessoa.mensagens.at(1).texto.contains(QLatin1String("-245755")));
    QVERIFY(bd.ExecQuery(QString(), "UPDATE EMPRESA SET NOME = 'ok'"));
}

// The work of the transaction went with the connection; reading on silently would go on
// outside it, so the error is raised at once.
void TstRepeticao::ligacaoPerdidaEmTransaccaoNaoRepete()
{
    BaseTeste base;
    CDataAccess bd;
    bd.OpenConnection(base.textoLigacao());
    InteraccaoGravada pessoa;
    pessoa.respostas = {Interaccao::Repetir};
    bd.setInteraccao(&pessoa);
    bd.BeginTrans();
    bd.ExecQuery(QString(), "DELETE FROM EMPRESA");
    bd.GetConnection().close();
    Recordset rs;
    const QrxError e = erroDe([&] { bd.GetRecordset(QString(), "SELECT NOME FROM EMPRESA", rs); });
    QCOMPARE(e.numero(), numerosBD::LigacaoPerdida);
    QVERIFY(pessoa.mensagens.isEmpty());
    QCOMPARE(base.linhas(QStringLiteral("SELECT COUNT(*) FROM EMPRESA")), QStringList{QStringLiteral("1")});
}

// A read on a connection of its own retries on that connection, not on the shared one.
void TstRepeticao::ligacaoSeparadaRepeteNaPropria()
{
    BaseTeste base, outra;
    outra.executa({QStringLiteral("UPDATE EMPRESA SET NOME = 'Partilhada'")});
    const QString fora = base.ficheiro() + QStringLiteral(".fora");
    QVERIFY(QFile::rename(base.ficheiro(), fora));
    CDataAccess bd;
    bd.OpenConnection(outra.textoLigacao());
    InteraccaoGravada pessoa;
    pessoa.responder = [&](const InteraccaoGravada::Mensagem &) {
        QFile::rename(fora, base.ficheiro());
        return Interaccao::Repetir;
    };
    bd.setInteraccao(&pessoa);
    const QStringList antes = QSqlDatabase::connectionNames();
    Recordset rs;
    bd.GetRecordset(base.textoLigacao(), "SELECT NOME FROM EMPRESA", rs);
    QCOMPARE(pessoa.mensagens.size(), 1);
    QCOMPARE(rs.value(0).toString(), QStringLiteral("Empresa de Teste, Lda"));
    QCOMPARE(QSqlDatabase::connectionNames(), antes);
}

void TstRepeticao::outrasFalhasNaoPerguntam()
{
    BaseTeste base;
    CDataAccess bd;
    bd.OpenConnection(base.textoLigacao());
    InteraccaoGravada pessoa;
    bd.setInteraccao(&pessoa);
    Recordset rs;
    const QrxError e = erroDe([&] { bd.GetRecordset(QString(), "SELECT * FROM NAO_EXISTE", rs); });
    QCOMPARE(e.numero(), numerosBD::ErroNaInstrucao);
    QVERIFY(pessoa.mensagens.isEmpty());
    // Writes are not retried either: the lost connection is raised at once.
    bd.GetConnection().close();
    const QrxError escrita = erroDe([&] { bd.ExecQuery(QString(), "DELETE FROM EMPRESA"); });
    QCOMPARE(escrita.numero(), numerosBD::LigacaoPerdida);
    QVERIFY(pessoa.mensagens.isEmpty());
}

QTEST_GUILESS_MAIN(TstRepeticao)
#include "tst_repeticao.moc"
