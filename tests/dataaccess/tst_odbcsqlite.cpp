#include "BaseTeste.h"
#include "CDataAccess.h"
#include "FalhaBD.h"
#include "InteraccaoGravada.h"
#include "QrxError.h"

#include <QDateTime>
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

const QString viaOdbc = QStringLiteral(";ODBC Driver=SQLite3");

} // namespace

// The ODBC backend, for real, through the SQLite ODBC driver on a SQLite file: the same path
// SQL Server takes (QODBC, ODBC handles, SQLSTATEs), with a file standing in for the server.
class TstOdbcSqlite : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void leEEscreve();
    void parametrosEDatas();
    void gravacaoEmLoteELigada();
    void erroDeInstrucao();
    void tempoEsgotadoRepete();
    void ligacaoPerdidaRepete();
};

void TstOdbcSqlite::initTestCase()
{
    QVERIFY(QSqlDatabase::isDriverAvailable(QStringLiteral("QODBC")));
    BaseTeste base;
    CDataAccess bd;
    try {
        bd.OpenConnection(base.textoLigacao(viaOdbc));
    } catch (const QrxError &e) {
        QFAIL(qPrintable(QStringLiteral("the SQLite ODBC driver (Debian libsqliteodbc) is needed: ") + e.descricao()));
    }
    QCOMPARE(bd.GetConnection().driverName(), QStringLiteral("QODBC"));
    QCOMPARE(bd.dialecto().motor(), Dialecto::Motor::SQLite);
}

void TstOdbcSqlite::leEEscreve()
{
    BaseTeste base;
    CDataAccess bd;
    bd.OpenConnection(base.textoLigacao(viaOdbc));
    Recordset rs;
    bd.GetRecordset(QString(), "SELECT TPDOC, NNUMDOC, MBORI FROM DOCGCCAB ORDER BY TPDOC, NNUMDOC", rs);
    QCOMPARE(rs.recordCount(), 3);
    QCOMPARE(rs.tabelaBase(), QStringLiteral("DOCGCCAB"));
    QCOMPARE(rs.value(QStringLiteral("mbori")).toDouble(), 100.5);
    QCOMPARE(rs.value(1).toInt(), 1);
    QVERIFY(bd.ExecQuery(QString(), "UPDATE EMPRESA SET NOME = 'Via ODBC'"));
    QCOMPARE(base.linhas(QStringLiteral("SELECT NOME FROM EMPRESA")), QStringList{QStringLiteral("Via ODBC")});
}

void TstOdbcSqlite::parametrosEDatas()
{
    BaseTeste base;
    CDataAccess bd;
    bd.OpenConnection(base.textoLigacao(viaOdbc));
    const QString nome = QStringLiteral("O'Brien'); DROP TABLE EMPRESA; --");
    const QDateTime momento(QDate(2024, 6, 30), QTime(8, 1, 2));
    bd.ExecQuery(QString(), Instrucao(QStringLiteral("INSERT INTO DOCGCCAB (ANO, TPDOC, SERIE, NNUMDOC, TERCEIRO, DATA) "
                                                     "VALUES (?, ?, ?, ?, ?, ?)"),
                                      {2024, QStringLiteral("FT"), 1, 5, nome, momento}));
    QCOMPARE(base.linhas(QStringLiteral("SELECT TERCEIRO, DATA FROM DOCGCCAB WHERE NNUMDOC = 5")),
             QStringList{nome + QStringLiteral("|2024-06-30 08:01:02")});
    Recordset rs;
    bd.GetRecordset(QString(), Instrucao(QStringLiteral("SELECT TERCEIRO, DATA FROM DOCGCCAB WHERE DATA >= ? AND DATA < ?"),
                                         {QDate(2024, 6, 30), QDate(2024, 7, 1)}), rs);
    QCOMPARE(rs.recordCount(), 1);
    QCOMPARE(rs.value(0).toString(), nome);
    QCOMPARE(rs.value(1).toDateTime(), momento);
    QCOMPARE(base.linhas(QStringLiteral("SELECT COUNT(*) FROM EMPRESA")), QStringList{QStringLiteral("1")});
}

void TstOdbcSqlite::gravacaoEmLoteELigada()
{
    BaseTeste base;
    base.executa({QStringLiteral("INSERT INTO CLDOCGC VALUES (2024, 'FT', 1, 1, NULL, NULL)")});
    CDataAccess bd;
    bd.OpenConnection(base.textoLigacao(viaOdbc));
    Recordset rs;
    bd.GetRecordset(QString(), "SELECT ANO, TIPODOC, SERIE, NDOC, CL20 FROM CLDOCGC", rs);
    QCOMPARE(rs.tabelaBase(), QStringLiteral("CLDOCGC"));
    rs.setValue(4, QStringLiteral("01-07-2024"));
    rs.update();
    rs.addNew();
    rs.setValue(0, 2024);
    rs.setValue(1, QStringLiteral("GR"));
    rs.setValue(2, 1);
    rs.setValue(3, 2);
    rs.update();
    bd.PutRecordset(QString(), rs);
    QCOMPARE(base.linhas(QStringLiteral("SELECT TIPODOC, NDOC, CL20 FROM CLDOCGC ORDER BY NDOC")),
             (QStringList{QStringLiteral("FT|1|01-07-2024"), QStringLiteral("GR|2|NULL")}));

    bd.GetConnectedRecordset(Instrucao(QStringLiteral("SELECT CL20, ANO, TIPODOC, SERIE, NDOC FROM CLDOCGC WHERE NDOC = ?"), {2}), rs);
    rs.setValue(0, QStringLiteral("02-07-2024"));
    rs.update();
    QCOMPARE(base.linhas(QStringLiteral("SELECT CL20 FROM CLDOCGC WHERE NDOC = 2")), QStringList{QStringLiteral("02-07-2024")});
}

void TstOdbcSqlite::erroDeInstrucao()
{
    BaseTeste base;
    CDataAccess bd;
    bd.OpenConnection(base.textoLigacao(viaOdbc));
    InteraccaoGravada pessoa;
    bd.setInteraccao(&pessoa);
    Recordset rs;
    const QrxError e = erroDe([&] { bd.GetRecordset(QString(), "SELECT * FROM NAO_EXISTE", rs); });
    QCOMPARE(e.origem(), QStringLiteral("DataAccessAPI"));
    QCOMPARE(e.numero(), numerosBD::ErroNaInstrucao);
    QVERIFY2(e.descricao().contains(QLatin1String("NAO_EXISTE")), qPrintable(e.descricao()));
    QVERIFY(pessoa.mensagens.isEmpty());
}

void TstOdbcSqlite::tempoEsgotadoRepete()
{
    BaseTeste base;
    CDataAccess bloqueador;
    bloqueador.OpenConnection(base.textoLigacao());
    bloqueador.ExecQuery(QString(), "BEGIN EXCLUSIVE");
    CDataAccess bd;
    bd.OpenConnection(base.textoLigacao(viaOdbc + QStringLiteral(";Command Timeout=1")));
    InteraccaoGravada pessoa;
    pessoa.responder = [&](const InteraccaoGravada::Mensagem &) {
        bloqueador.ExecQuery(QString(), "COMMIT");
        return Interaccao::Repetir;
    };
    bd.setInteraccao(&pessoa);
    Recordset rs;
    bd.GetRecordset(QString(), "SELECT NOME FROM EMPRESA", rs);
    QCOMPARE(rs.recordCount(), 1);
    QCOMPARE(pessoa.mensagens.size(), 1);
    QCOMPARE(pessoa.mensagens.first().texto,
             QStringLiteral("Origem:      ODBC SQLite3\r\nDescrição:   [SQLite]database is locked (5)\r\n"
                            "Número:      3633\r\n\r\n"));
}

void TstOdbcSqlite::ligacaoPerdidaRepete()
{
    BaseTeste base;
    CDataAccess bd;
    bd.OpenConnection(base.textoLigacao(viaOdbc));
    InteraccaoGravada pessoa;
    pessoa.respostas = {Interaccao::Repetir};
    bd.setInteraccao(&pessoa);
    bd.GetConnection().close();
    Recordset rs;
    bd.GetConnectedRecordset("SELECT NOME FROM EMPRESA", rs);
    QCOMPARE(rs.recordCount(), 1);
    QCOMPARE(pessoa.mensagens.size(), 1);
    QCOMPARE(pessoa.mensagens.first().texto,
             QStringLiteral("Origem:      ODBC SQLite3\r\nDescrição:   A ligação à base de dados está fechada.\r\n"
                            "Número:      -245755\r\n\r\n"));
    QVERIFY(bd.GetConnection().isOpen());
}

QTEST_GUILESS_MAIN(TstOdbcSqlite)
#include "tst_odbcsqlite.moc"
