#include "BaseTeste.h"
#include "CDataAccess.h"
#include "FalhaBD.h"
#include "QrxError.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QSqlDatabase>
#include <QTest>

#include <functional>

using namespace qrx;
using qrx::testes::BaseTeste;

namespace {

// Runs f and returns the error it raised; fails the test when it raised none.
QrxError erroDe(const std::function<void()> &f)
{
    try {
        f();
    } catch (const QrxError &e) {
        return e;
    }
    return QrxError(0, QStringLiteral("(nenhum)"), QStringLiteral("no error was raised"));
}

} // namespace

class TstCDataAccess : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void openConnectionVazioNaoFazNada();
    void propriedadesSemLigacao();
    void propriedadesDaLigacao_data();
    void propriedadesDaLigacao();
    void ficheiroInexistenteFalha();
    void segundaAberturaFechaAPrimeira();
    void operacoesSemLigacao_data();
    void operacoesSemLigacao();
    void errosTrazemDataAccessAPI();
    void execQuerySeparadaFechaALigacao();
    void execQuerySeparadaFechaTambemNaFalha();
    void getRecordsetSeparado();
    void parametrosComAspasFicamDados_data();
    void parametrosComAspasFicamDados();
    void datasIdaEVolta();
    void transaccoes();
    void transaccaoRaii();
    void contadorDeInstrucoes();
    void getConnection();
    void dataComponentsInstalled();
    void opcoesDaConsulta();
    void nomeDaEmpresa();
    void camposComOMesmoNome();
};

void TstCDataAccess::openConnectionVazioNaoFazNada()
{
    BaseTeste base;
    CDataAccess bd;
    QVERIFY(bd.OpenConnection(QString()));
    QCOMPARE(bd.BaseDados(), QString());
    QVERIFY(bd.OpenConnection(base.textoLigacao()));
    const QStringList antes = QSqlDatabase::connectionNames();
    QVERIFY(bd.OpenConnection(QString()));
    QCOMPARE(QSqlDatabase::connectionNames(), antes);
    QCOMPARE(bd.BaseDados(), QStringLiteral("erp"));
    Recordset rs;
    QVERIFY(bd.GetRecordset(QString(), "SELECT NOME FROM EMPRESA", rs));
    QCOMPARE(rs.value(0).toString(), QStringLiteral("Empresa de Teste, Lda"));
}

void TstCDataAccess::propriedadesSemLigacao()
{
    CDataAccess bd;
    QCOMPARE(bd.PrefixoBaseDados(), QString());
    QCOMPARE(bd.BaseDados(), QString());
    QCOMPARE(bd.Servidor(), QString());
    QCOMPARE(bd.UserId(), QString());
    QCOMPARE(bd.PassWord(), QString());
    QVERIFY(!bd.IsInTransaction());

    BaseTeste base;
    bd.OpenConnection(base.textoLigacao());
    bd.CloseConnection();
    QCOMPARE(bd.BaseDados(), QString());
    QCOMPARE(bd.PrefixoBaseDados(), QString());
}

void TstCDataAccess::propriedadesDaLigacao_data()
{
    QTest::addColumn<QString>("extra");
    QTest::addColumn<QString>("bdEsperada");
    QTest::addColumn<QString>("utilizador");
    QTest::addColumn<QString>("password");
    QTest::newRow("plain") << ";Initial Catalog=ERP;User ID=sa;Password=pw" << "ERP" << "sa" << "pw";
    QTest::newRow("quoted password") << ";Initial Catalog=ERP;User ID=sa;Password=\"p;w\"" << "ERP" << "sa" << "p;w";
    QTest::newRow("no user") << ";Initial Catalog=ERP" << "ERP" << "" << "";
}

// A string naming the server SRV and the database ERP. The engine here is a file, so SRV is
// the name of the test's SQLite file in the current folder.
void TstCDataAccess::propriedadesDaLigacao()
{
    QFETCH(QString, extra);
    QFETCH(QString, bdEsperada);
    QFETCH(QString, utilizador);
    QFETCH(QString, password);
    BaseTeste base;
    QVERIFY(QFile::copy(base.ficheiro(), base.pasta() + QStringLiteral("/SRV")));
    const QString pastaAntes = QDir::currentPath();
    QVERIFY(QDir::setCurrent(base.pasta()));
    const auto repoe = qScopeGuard([&] { QDir::setCurrent(pastaAntes); });
    CDataAccess bd;
    bd.OpenConnection(QStringLiteral("Provider=MSDataShape;Data Provider=SQLite;Data Source=SRV") + extra);
    QCOMPARE(bd.Servidor(), QStringLiteral("SRV"));
    QCOMPARE(bd.BaseDados(), bdEsperada);
    QCOMPARE(bd.PrefixoBaseDados(), bdEsperada + QStringLiteral(".dbo."));
    QCOMPARE(bd.UserId(), utilizador);
    QCOMPARE(bd.PassWord(), password);
    Recordset rs;
    bd.GetRecordset(QString(), "SELECT NOME FROM EMPRESA", rs);
    QCOMPARE(rs.recordCount(), 1);
}

void TstCDataAccess::ficheiroInexistenteFalha()
{
    BaseTeste base;
    const QString falta = base.pasta() + QStringLiteral("/nao-existe.db");
    CDataAccess bd;
    const QrxError e = erroDe([&] {
        bd.OpenConnection(QStringLiteral("Provider=MSDataShape;Data Provider=SQLite;Data Source=") + falta
                          + QStringLiteral(";Initial Catalog=x"));
    });
    QCOMPARE(e.origem(), QStringLiteral("DataAccessAPI"));
    QVERIFY2(e.descricao().contains(falta), qPrintable(e.descricao()));
    QVERIFY(!QFile::exists(falta));
    QCOMPARE(bd.BaseDados(), QString());
}

void TstCDataAccess::segundaAberturaFechaAPrimeira()
{
    BaseTeste a, b;
    b.executa({QStringLiteral("UPDATE EMPRESA SET NOME = 'Outra'")});
    CDataAccess bd;
    bd.OpenConnection(a.textoLigacao());
    const int ligacoes = int(QSqlDatabase::connectionNames().size());
    bd.OpenConnection(b.textoLigacao());
    QCOMPARE(int(QSqlDatabase::connectionNames().size()), ligacoes);
    Recordset rs;
    bd.GetRecordset(QString(), "SELECT NOME FROM EMPRESA", rs);
    QCOMPARE(rs.value(0).toString(), QStringLiteral("Outra"));
    bd.CloseConnection();
    QCOMPARE(int(QSqlDatabase::connectionNames().size()), ligacoes - 1);
}

void TstCDataAccess::operacoesSemLigacao_data()
{
    QTest::addColumn<int>("operacao");
    for (int i = 0; i < 8; ++i)
        QTest::newRow(qPrintable(QString::number(i))) << i;
}

void TstCDataAccess::operacoesSemLigacao()
{
    QFETCH(int, operacao);
    CDataAccess bd;
    Recordset rs;
    const std::function<void()> operacoes[] = {
        [&] { bd.ExecQuery(QString(), "DELETE FROM EMPRESA"); },
        [&] { bd.GetRecordset(QString(), "SELECT 1", rs); },
        [&] { bd.GetConnectedRecordset("SELECT 1", rs); },
        [&] { bd.BeginTrans(); },
        [&] { bd.CommitTrans(); },
        [&] { bd.RollbackTrans(); },
        [&] { bd.GetConnection(); },
        [&] { rs.appendField(QStringLiteral("A"), QMetaType::Int); rs.open(); rs.addNew(); rs.update(); bd.PutRecordset(QString(), rs); },
    };
    const QrxError e = erroDe(operacoes[operacao]);
    QCOMPARE(e.origem(), QStringLiteral("DataAccessAPI"));
    QCOMPARE(e.numero(), numerosBD::SemLigacao);
}

void TstCDataAccess::errosTrazemDataAccessAPI()
{
    BaseTeste base;
    CDataAccess bd;
    bd.OpenConnection(base.textoLigacao());
    Recordset rs;
    const QrxError leitura = erroDe([&] { bd.GetRecordset(QString(), "SELECT * FROM NAO_EXISTE", rs); });
    QCOMPARE(leitura.origem(), QStringLiteral("DataAccessAPI"));
    QCOMPARE(leitura.numero(), numerosBD::ErroNaInstrucao);
    QVERIFY2(leitura.descricao().contains(QLatin1String("NAO_EXISTE")), qPrintable(leitura.descricao()));

    const QrxError escrita = erroDe([&] { bd.ExecQuery(QString(), "INSERT INTO CLDOCGC (ANO) VALUES (1)"); });
    QCOMPARE(escrita.origem(), QStringLiteral("DataAccessAPI"));
    QVERIFY(!escrita.descricao().isEmpty());

    const QrxError ligada = erroDe([&] { bd.GetConnectedRecordset("SELEC 1", rs); });
    QCOMPARE(ligada.origem(), QStringLiteral("DataAccessAPI"));
}

void TstCDataAccess::execQuerySeparadaFechaALigacao()
{
    BaseTeste base;
    CDataAccess bd;
    const QStringList antes = QSqlDatabase::connectionNames();
    QVERIFY(bd.ExecQuery(base.textoLigacao(), Instrucao(QStringLiteral("UPDATE EMPRESA SET NOME = ?"),
                                                        {QStringLiteral("Nova")})));
    QCOMPARE(QSqlDatabase::connectionNames(), antes);
    QCOMPARE(base.linhas(QStringLiteral("SELECT NOME FROM EMPRESA")), QStringList{QStringLiteral("Nova")});
}

void TstCDataAccess::execQuerySeparadaFechaTambemNaFalha()
{
    BaseTeste base;
    CDataAccess bd;
    const QStringList antes = QSqlDatabase::connectionNames();
    const QrxError e = erroDe([&] { bd.ExecQuery(base.textoLigacao(), "UPDATE NAO_EXISTE SET A = 1"); });
    QCOMPARE(e.origem(), QStringLiteral("DataAccessAPI"));
    QCOMPARE(QSqlDatabase::connectionNames(), antes);
    // Nothing of it is left holding the file: an exclusive lock is granted at once.
    base.executa({QStringLiteral("BEGIN EXCLUSIVE"), QStringLiteral("COMMIT")});
}

void TstCDataAccess::getRecordsetSeparado()
{
    BaseTeste base;
    CDataAccess bd;
    const QStringList antes = QSqlDatabase::connectionNames();
    Recordset rs;
    QVERIFY(bd.GetRecordset(base.textoLigacao(), "SELECT NNUMDOC FROM DOCGCCAB ORDER BY TPDOC, NNUMDOC", rs));
    QCOMPARE(QSqlDatabase::connectionNames(), antes);
    QCOMPARE(rs.recordCount(), 3);
    QVERIFY(!rs.isConnected());
    const QrxError e = erroDe([&] { bd.GetRecordset(base.textoLigacao(), "SELECT * FROM NAO_EXISTE", rs); });
    QCOMPARE(e.origem(), QStringLiteral("DataAccessAPI"));
    QCOMPARE(QSqlDatabase::connectionNames(), antes);
}

void TstCDataAccess::parametrosComAspasFicamDados_data()
{
    QTest::addColumn<QString>("valor");
    QTest::newRow("apostrophe") << "O'Brien";
    QTest::newRow("injection") << "O'Brien'); DROP TABLE EMPRESA; --";
    QTest::newRow("quote and semicolon") << "'; DELETE FROM EMPRESA; '";
    QTest::newRow("question mark") << "quem? onde?";
    QTest::newRow("accents") << "Conceição & Filhos, Lda";
}

void TstCDataAccess::parametrosComAspasFicamDados()
{
    QFETCH(QString, valor);
    BaseTeste base;
    CDataAccess bd;
    bd.OpenConnection(base.textoLigacao());
    bd.ExecQuery(QString(), Instrucao(QStringLiteral("INSERT INTO EMPRESA (NOME) VALUES (?)"), {valor}));
    Recordset rs;
    bd.GetRecordset(QString(), Instrucao(QStringLiteral("SELECT NOME FROM EMPRESA WHERE NOME = ?"), {valor}), rs);
    QCOMPARE(rs.recordCount(), 1);
    QCOMPARE(rs.value(QStringLiteral("nome")).toString(), valor);
    QCOMPARE(base.linhas(QStringLiteral("SELECT COUNT(*) FROM EMPRESA")), QStringList{QStringLiteral("2")});
}

void TstCDataAccess::datasIdaEVolta()
{
    BaseTeste base;
    CDataAccess bd;
    bd.OpenConnection(base.textoLigacao());
    const QDateTime momento(QDate(2024, 3, 5), QTime(17, 45, 12));
    bd.ExecQuery(QString(), Instrucao(QStringLiteral("INSERT INTO DOCGCCAB (ANO, TPDOC, SERIE, NNUMDOC, DATA) "
                                                     "VALUES (?, ?, ?, ?, ?)"),
                                      {2024, QStringLiteral("FT"), 1, 9, momento}));
    // Stored as the convention says.
    QCOMPARE(base.linhas(QStringLiteral("SELECT DATA FROM DOCGCCAB WHERE NNUMDOC = 9")),
             QStringList{QStringLiteral("2024-03-05 17:45:12")});

    // A day filter as a range of bound dates.
    Recordset rs;
    bd.GetRecordset(QString(), Instrucao(QStringLiteral("SELECT NNUMDOC, DATA FROM DOCGCCAB WHERE DATA >= ? "
                                                        "AND DATA < ? ORDER BY NNUMDOC"),
                                         {QDate(2024, 3, 1), QDate(2024, 3, 2)}),
                    rs);
    QCOMPARE(rs.recordCount(), 2);
    QCOMPARE(rs.value(1).typeId(), QMetaType::QDateTime);
    QCOMPARE(rs.value(1).toDateTime(), QDateTime(QDate(2024, 3, 1), QTime(0, 0)));
    QCOMPARE(rs.field(1).tipo, QMetaType::QDateTime);

    bd.GetRecordset(QString(), Instrucao(QStringLiteral("SELECT DATA FROM DOCGCCAB WHERE DATA = ?"), {momento}), rs);
    QCOMPARE(rs.recordCount(), 1);
    QCOMPARE(rs.value(0).toDateTime(), momento);

    // Other texts stay texts, and a column mixing them stays a text column.
    bd.ExecQuery(QString(), Instrucao(QStringLiteral("UPDATE DOCGCCAB SET PROCESSO = ? WHERE NNUMDOC = 9"),
                                      {QStringLiteral("2024-03-05 17:45:12")}));
    bd.GetRecordset(QString(), "SELECT PROCESSO FROM DOCGCCAB WHERE PROCESSO IS NOT NULL ORDER BY NNUMDOC", rs);
    QCOMPARE(rs.field(0).tipo, QMetaType::QString);
    QCOMPARE(rs.value(0).toString(), QStringLiteral("P1"));
}

void TstCDataAccess::transaccoes()
{
    BaseTeste base;
    CDataAccess bd;
    bd.OpenConnection(base.textoLigacao());
    QVERIFY(bd.BeginTrans());
    QVERIFY(bd.IsInTransaction());
    bd.ExecQuery(QString(), "DELETE FROM EMPRESA");
    QVERIFY(bd.RollbackTrans());
    QVERIFY(!bd.IsInTransaction());
    QCOMPARE(base.linhas(QStringLiteral("SELECT COUNT(*) FROM EMPRESA")), QStringList{QStringLiteral("1")});

    bd.BeginTrans();
    bd.ExecQuery(QString(), "DELETE FROM EMPRESA");
    QVERIFY(bd.CommitTrans());
    QVERIFY(!bd.IsInTransaction());
    QCOMPARE(base.linhas(QStringLiteral("SELECT COUNT(*) FROM EMPRESA")), QStringList{QStringLiteral("0")});

    // The flag is plain: a second begin fails on the engine and leaves it false.
    bd.BeginTrans();
    const QrxError e = erroDe([&] { bd.BeginTrans(); });
    QCOMPARE(e.origem(), QStringLiteral("DataAccessAPI"));
    QVERIFY(!bd.IsInTransaction());
    bd.RollbackTrans();
}

void TstCDataAccess::transaccaoRaii()
{
    BaseTeste base;
    CDataAccess bd;
    bd.OpenConnection(base.textoLigacao());
    try {
        Transaccao t(bd);
        bd.ExecQuery(QString(), "DELETE FROM EMPRESA");
        bd.ExecQuery(QString(), "DELETE FROM NAO_EXISTE");
        t.commit();
    } catch (const QrxError &) {
    }
    QVERIFY(!bd.IsInTransaction());
    QCOMPARE(base.linhas(QStringLiteral("SELECT COUNT(*) FROM EMPRESA")), QStringList{QStringLiteral("1")});
    {
        Transaccao t(bd);
        bd.ExecQuery(QString(), "DELETE FROM EMPRESA");
        t.commit();
    }
    QCOMPARE(base.linhas(QStringLiteral("SELECT COUNT(*) FROM EMPRESA")), QStringList{QStringLiteral("0")});
}

void TstCDataAccess::contadorDeInstrucoes()
{
    BaseTeste base;
    CDataAccess bd;
    QCOMPARE(bd.NumeroInstrucoes(), 0);
    bd.OpenConnection(base.textoLigacao());
    QCOMPARE(bd.NumeroInstrucoes(), 0);
    Recordset rs;
    bd.GetRecordset(QString(), "SELECT * FROM DOCGCCAB", rs);
    QCOMPARE(bd.NumeroInstrucoes(), 1);
    bd.BeginTrans();
    bd.ExecQuery(QString(), "DELETE FROM EMPRESA");
    bd.CommitTrans();
    QCOMPARE(bd.NumeroInstrucoes(), 4);
    try {
        bd.ExecQuery(QString(), "DELETE FROM NAO_EXISTE");
    } catch (const QrxError &) {
    }
    QCOMPARE(bd.NumeroInstrucoes(), 5);
    bd.ExecQuery(base.textoLigacao(), "SELECT 1");
    QCOMPARE(bd.NumeroInstrucoes(), 6);
    bd.reporContador();
    QCOMPARE(bd.NumeroInstrucoes(), 0);
}

void TstCDataAccess::getConnection()
{
    BaseTeste base;
    CDataAccess bd;
    bd.OpenConnection(base.textoLigacao());
    QSqlDatabase db = bd.GetConnection();
    QVERIFY(db.isOpen());
    QCOMPARE(db.databaseName(), base.ficheiro());
    QCOMPARE(bd.GetConnection().connectionName(), db.connectionName());
    db = QSqlDatabase();
    bd.CloseConnection();
    QVERIFY_THROWS_EXCEPTION(QrxError, bd.GetConnection());
}

void TstCDataAccess::dataComponentsInstalled()
{
    BaseTeste base;
    CDataAccess bd;
    QVERIFY(bd.DataComponentsInstalled());
    const QStringList antes = QSqlDatabase::connectionNames();
    QVERIFY(bd.DataComponentsInstalled(base.textoLigacao()));
    QCOMPARE(QSqlDatabase::connectionNames(), antes);
    const QrxError e = erroDe([&] {
        bd.DataComponentsInstalled(QStringLiteral("Data Provider=SQLite;Data Source=") + base.pasta()
                                   + QStringLiteral("/falta.db"));
    });
    QCOMPARE(e.origem(), QStringLiteral("DataAccessAPI"));
    QCOMPARE(QSqlDatabase::connectionNames(), antes);
}

void TstCDataAccess::opcoesDaConsulta()
{
    BaseTeste base;
    CDataAccess bd;
    bd.OpenConnection(base.textoLigacao());
    Recordset rs;
    bd.GetRecordset(QString(), "EMPRESA", rs, QO_UseTable);
    QCOMPARE(rs.recordCount(), 1);
    QCOMPARE(rs.tabelaBase(), QStringLiteral("EMPRESA"));
    bd.GetRecordset(QString(), "SELECT NOME FROM EMPRESA", rs, QO_UseText);
    QCOMPARE(rs.recordCount(), 1);
    const QrxError e = erroDe([&] { bd.GetRecordset(QString(), "PROC_X", rs, QO_UseStoredProc); });
    QCOMPARE(e.origem(), QStringLiteral("DataAccessAPI"));
}

// The caption lookup: a connected read of the company table named through the dialect.
void TstCDataAccess::nomeDaEmpresa()
{
    BaseTeste base;
    CDataAccess bd;
    bd.OpenConnection(base.textoLigacao());
    Recordset rs;
    QVERIFY(bd.GetConnectedRecordset(QStringLiteral("SELECT NOME FROM ") + bd.dialecto().tabela(QStringLiteral("EMPRESA")),
                                     rs, LT_Optimistic));
    QVERIFY(!rs.eof());
    QCOMPARE(rs.value(0).toString(), QStringLiteral("Empresa de Teste, Lda"));
    rs.close();
    base.executa({QStringLiteral("DELETE FROM EMPRESA")});
    bd.GetConnectedRecordset(QStringLiteral("SELECT NOME FROM ") + bd.dialecto().tabela(QStringLiteral("EMPRESA")), rs);
    QVERIFY(rs.eof() && rs.bof());
}

// Two columns of a query share a name: positions tell them apart, the name finds the first.
void TstCDataAccess::camposComOMesmoNome()
{
    BaseTeste base;
    CDataAccess bd;
    bd.OpenConnection(base.textoLigacao());
    Recordset rs;
    bd.GetRecordset(QString(), "SELECT C.NNUMDOC, T.NOME, C.TERCEIRO AS NOME FROM DOCGCCAB C "
                               "JOIN TERCVDI T ON T.NUMDOC = C.NNUMDOC AND T.TPDOC = C.TPDOC ORDER BY C.NNUMDOC", rs);
    QCOMPARE(rs.fieldCount(), 3);
    QCOMPARE(rs.field(1).nome, QStringLiteral("NOME"));
    QCOMPARE(rs.field(2).nome, QStringLiteral("NOME"));
    QCOMPARE(rs.value(1).toString(), QStringLiteral("Cliente Um"));
    QCOMPARE(rs.value(2).toString(), QStringLiteral("0001"));
    QCOMPARE(rs.value(QStringLiteral("nome")).toString(), QStringLiteral("Cliente Um"));
}

QTEST_GUILESS_MAIN(TstCDataAccess)
#include "tst_cdataaccess.moc"
