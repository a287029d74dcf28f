#include "BaseTeste.h"
#include "CDataAccess.h"
#include "Dialecto.h"
#include "QrxError.h"

#include <QDateTime>
#include <QTest>

using namespace qrx;
using qrx::testes::BaseTeste;

class TstDialecto : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void pecas_data();
    void pecas();
    void noMotorSqlite_data();
    void noMotorSqlite();
    void valoresParaBase_data();
    void valoresParaBase();
    void valoresDaBase_data();
    void valoresDaBase();
    void dialectoDaLigacao();
};

Q_DECLARE_METATYPE(Dialecto::Motor)

void TstDialecto::pecas_data()
{
    QTest::addColumn<Dialecto::Motor>("motor");
    QTest::addColumn<QString>("peca");
    QTest::addColumn<QString>("esperado");

    const Dialecto &ss = Dialecto::sqlServer();
    const Dialecto &sl = Dialecto::sqlite();
    const auto SS = Dialecto::Motor::SQLServer;
    const auto SL = Dialecto::Motor::SQLite;
    QTest::newRow("ss table") << SS << ss.tabela(QStringLiteral("EMPRESA")) << "dbo.EMPRESA";
    QTest::newRow("sl table") << SL << sl.tabela(QStringLiteral("EMPRESA")) << "EMPRESA";
    QTest::newRow("ss identifier") << SS << ss.identificador(QStringLiteral("dbo.Número")) << "[dbo].[Número]";
    QTest::newRow("sl identifier") << SL << sl.identificador(QStringLiteral("Número")) << "\"Número\"";
    QTest::newRow("ss identifier requoted") << SS << ss.identificador(QStringLiteral("[dbo].[A]]B]")) << "[dbo].[A]]B]";
    QTest::newRow("sl identifier requoted") << SL << sl.identificador(QStringLiteral("\"a\"\"b\"")) << "\"a\"\"b\"";
    QTest::newRow("sl identifier with quote") << SL << sl.identificador(QStringLiteral("a\"b")) << "\"a\"\"b\"";
    QTest::newRow("ss concat") << SS << ss.concatena({QStringLiteral("A"), QStringLiteral("'x'")}) << "A + 'x'";
    QTest::newRow("sl concat") << SL << sl.concatena({QStringLiteral("A"), QStringLiteral("'x'")}) << "A || 'x'";
    QTest::newRow("ss text") << SS << ss.comoTexto(QStringLiteral("ANO"), 4) << "CAST(ANO AS nvarchar(4))";
    QTest::newRow("sl text") << SL << sl.comoTexto(QStringLiteral("ANO"), 4) << "CAST(ANO AS TEXT)";
    QTest::newRow("ss right") << SS << ss.direita(QStringLiteral("X"), 4) << "RIGHT(X, 4)";
    QTest::newRow("sl right") << SL << sl.direita(QStringLiteral("X"), 4) << "substr(X, -4)";
    QTest::newRow("ss isnull") << SS << ss.seNulo(QStringLiteral("X"), QStringLiteral("''")) << "ISNULL(X, '')";
    QTest::newRow("sl ifnull") << SL << sl.seNulo(QStringLiteral("X"), QStringLiteral("''")) << "IFNULL(X, '')";
    QTest::newRow("ss top") << SS << ss.primeirasLinhas(QStringLiteral("SELECT NOME FROM dbo.EMPRESA"), 1)
                            << "SELECT TOP 1 NOME FROM dbo.EMPRESA";
    QTest::newRow("ss top distinct") << SS << ss.primeirasLinhas(QStringLiteral(" select distinct A from T"), 2)
                                     << " select distinct TOP 2 A from T";
    QTest::newRow("sl limit") << SL << sl.primeirasLinhas(QStringLiteral("SELECT NOME FROM EMPRESA;"), 1)
                              << "SELECT NOME FROM EMPRESA LIMIT 1";
    QTest::newRow("ss savepoint") << SS << ss.criaPontoGravacao(QStringLiteral("p")) << "SAVE TRANSACTION p";
    QTest::newRow("ss undo savepoint") << SS << ss.desfazPontoGravacao(QStringLiteral("p")) << "ROLLBACK TRANSACTION p";
    QTest::newRow("ss no release") << SS << ss.libertaPontoGravacao(QStringLiteral("p")) << "";
    QTest::newRow("sl release") << SL << sl.libertaPontoGravacao(QStringLiteral("p")) << "RELEASE SAVEPOINT p";
}

void TstDialecto::pecas()
{
    QFETCH(Dialecto::Motor, motor);
    QFETCH(QString, peca);
    QFETCH(QString, esperado);
    QCOMPARE(Dialecto::de(motor).motor(), motor);
    QCOMPARE(peca, esperado);
}

// The SQLite pieces run on a real file and give what the SQL Server ones give there.
void TstDialecto::noMotorSqlite_data()
{
    const Dialecto &d = Dialecto::sqlite();
    QTest::addColumn<QString>("expressao");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("right pads a code") << d.direita(d.concatena({QStringLiteral("'0000'"), QStringLiteral("'12'")}), 4) << "0012";
    QTest::newRow("right of a short text") << d.direita(QStringLiteral("'ab'"), 4) << "ab";
    QTest::newRow("number as text") << d.concatena({d.comoTexto(QStringLiteral("2024"), 4), QStringLiteral("'PT'")}) << "2024PT";
    QTest::newRow("null replaced") << d.seNulo(QStringLiteral("NULL"), QStringLiteral("'vazio'")) << "vazio";
    QTest::newRow("value kept") << d.seNulo(QStringLiteral("'x'"), QStringLiteral("'vazio'")) << "x";
}

void TstDialecto::noMotorSqlite()
{
    QFETCH(QString, expressao);
    QFETCH(QString, esperado);
    BaseTeste base;
    QCOMPARE(base.linhas(QLatin1String("SELECT ") + expressao), QStringList{esperado});
}

void TstDialecto::valoresParaBase_data()
{
    QTest::addColumn<QVariant>("valor");
    QTest::addColumn<QVariant>("esperado");
    QTest::newRow("date-time") << QVariant(QDateTime(QDate(2024, 3, 1), QTime(14, 5, 9)))
                               << QVariant(QStringLiteral("2024-03-01 14:05:09"));
    QTest::newRow("date") << QVariant(QDate(2024, 12, 31)) << QVariant(QStringLiteral("2024-12-31 00:00:00"));
    QTest::newRow("text untouched") << QVariant(QStringLiteral("2024-03-01")) << QVariant(QStringLiteral("2024-03-01"));
    QTest::newRow("number untouched") << QVariant(12.5) << QVariant(12.5);
}

void TstDialecto::valoresParaBase()
{
    QFETCH(QVariant, valor);
    QFETCH(QVariant, esperado);
    QCOMPARE(Dialecto::sqlite().valorParaBase(valor), esperado);
    QCOMPARE(Dialecto::sqlServer().valorParaBase(valor), valor);
}

void TstDialecto::valoresDaBase_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QVariant>("esperado");
    QTest::newRow("stored date") << "2024-03-01 00:00:00" << QVariant(QDateTime(QDate(2024, 3, 1), QTime(0, 0)));
    QTest::newRow("stored date-time") << "1999-12-31 23:59:58" << QVariant(QDateTime(QDate(1999, 12, 31), QTime(23, 59, 58)));
    QTest::newRow("date only stays text") << "2024-03-01" << QVariant(QStringLiteral("2024-03-01"));
    QTest::newRow("ISO T stays text") << "2024-03-01T00:00:00" << QVariant(QStringLiteral("2024-03-01T00:00:00"));
    QTest::newRow("impossible day stays text") << "2024-02-30 00:00:00" << QVariant(QStringLiteral("2024-02-30 00:00:00"));
    QTest::newRow("19 letters stay text") << "abcdefghijklmnopqrs" << QVariant(QStringLiteral("abcdefghijklmnopqrs"));
}

void TstDialecto::valoresDaBase()
{
    QFETCH(QString, texto);
    QFETCH(QVariant, esperado);
    const QVariant lido = Dialecto::sqlite().valorDaBase(texto);
    QCOMPARE(lido.typeId(), esperado.typeId());
    QCOMPARE(lido, esperado);
    QCOMPARE(Dialecto::sqlServer().valorDaBase(texto), QVariant(texto));
}

void TstDialecto::dialectoDaLigacao()
{
    CDataAccess bd;
    QVERIFY_THROWS_EXCEPTION(QrxError, bd.dialecto());
    BaseTeste base;
    bd.OpenConnection(base.textoLigacao());
    QCOMPARE(bd.dialecto().motor(), Dialecto::Motor::SQLite);
    QCOMPARE(&bd.dialecto(), &Dialecto::sqlite());
}

QTEST_GUILESS_MAIN(TstDialecto)
#include "tst_dialecto.moc"
