#include "ParametrosLigacao.h"
#include "TextoLigacao.h"

#include <QTest>

using namespace qrx;

class TstTextoLigacao : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void parte_data();
    void parte();
    void valor_data();
    void valor();
    void sqlServer_data();
    void sqlServer();
    void controladorPorOmissao();
    void sqlite_data();
    void sqlite();
};

namespace {
const QString servidor = QStringLiteral(
    "Provider=MSDataShape;Data Provider=SQLOLEDB;Data Source=SRV;Initial Catalog=ERP;User ID=sa;Password=pw");
}

void TstTextoLigacao::parte_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("chave");
    QTest::addColumn<QString>("esperado");

    QTest::newRow("server") << servidor << "Data Source=" << "SRV";
    QTest::newRow("database") << servidor << "Initial Catalog=" << "ERP";
    QTest::newRow("user") << servidor << "User ID=" << "sa";
    QTest::newRow("password") << servidor << "Password=" << "pw";
    QTest::newRow("missing key") << QStringLiteral("Provider=MSDataShape;Data Source=SRV") << "Initial Catalog=" << "";
    QTest::newRow("key is case-sensitive") << QStringLiteral("data source=SRV") << "Data Source=" << "";
    QTest::newRow("first part that has it") << QStringLiteral("Data Source=A;Data Source=B") << "Data Source=" << "A";
    QTest::newRow("quoted value with semicolon")
        << QStringLiteral("Data Source=SRV;Password=\"p;w\";User ID=sa") << "Password=" << "p;w";
    QTest::newRow("doubled quote inside quotes")
        << QStringLiteral("Password=\"a\"\"b;c\"") << "Password=" << "a\"b;c";
    QTest::newRow("sqlite file") << QStringLiteral("Provider=MSDataShape;Data Provider=SQLite;Data Source=/d/erp.db;Initial Catalog=erp")
                                 << "Data Source=" << "/d/erp.db";
    QTest::newRow("empty text") << QString() << "Data Source=" << "";
}

void TstTextoLigacao::parte()
{
    QFETCH(QString, texto);
    QFETCH(QString, chave);
    QFETCH(QString, esperado);
    QCOMPARE(TextoLigacao(texto).parte(chave), esperado);
}

void TstTextoLigacao::valor_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("chave");
    QTest::addColumn<QString>("esperado");
    QTest::addColumn<bool>("existe");

    QTest::newRow("plain") << servidor << "Initial Catalog" << "ERP" << true;
    QTest::newRow("any case, blanks") << QStringLiteral(" data source = SRV ;x=1") << "Data Source" << "SRV" << true;
    QTest::newRow("absent") << servidor << "Command Timeout" << "" << false;
    QTest::newRow("empty value") << QStringLiteral("Password=;User ID=sa") << "Password" << "" << true;
    QTest::newRow("quoted") << QStringLiteral("Password=\"x;y=z\"") << "Password" << "x;y=z" << true;
    QTest::newRow("equals sign in value") << QStringLiteral("Password=a=b") << "Password" << "a=b" << true;
}

void TstTextoLigacao::valor()
{
    QFETCH(QString, texto);
    QFETCH(QString, chave);
    QFETCH(QString, esperado);
    QFETCH(bool, existe);
    const TextoLigacao t(texto);
    QCOMPARE(t.valor(chave), esperado);
    QCOMPARE(t.contem(chave), existe);
}

void TstTextoLigacao::sqlServer_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("nomeBase");
    QTest::addColumn<int>("tempo");

    QTest::newRow("driver named") << servidor + QStringLiteral(";ODBC Driver=FreeTDS")
                                  << "DRIVER={FreeTDS};SERVER=SRV;DATABASE=ERP;UID=sa;PWD=pw" << 30;
    QTest::newRow("time-out") << servidor + QStringLiteral(";ODBC Driver=FreeTDS;Command Timeout=5")
                              << "DRIVER={FreeTDS};SERVER=SRV;DATABASE=ERP;UID=sa;PWD=pw" << 5;
    QTest::newRow("time-out zero waits") << servidor + QStringLiteral(";ODBC Driver=FreeTDS;Command Timeout=0")
                                         << "DRIVER={FreeTDS};SERVER=SRV;DATABASE=ERP;UID=sa;PWD=pw" << 0;
    QTest::newRow("bad time-out keeps default") << servidor + QStringLiteral(";ODBC Driver=FreeTDS;Command Timeout=x")
                                                << "DRIVER={FreeTDS};SERVER=SRV;DATABASE=ERP;UID=sa;PWD=pw" << 30;
    QTest::newRow("password with separators")
        << QStringLiteral("Provider=MSDataShape;Data Provider=SQLOLEDB;Data Source=SRV\\INST;Initial Catalog=ERP;"
                          "User ID=sa;Password=\"a;b}c\";ODBC Driver=ODBC Driver 18 for SQL Server")
        << "DRIVER={ODBC Driver 18 for SQL Server};SERVER=SRV\\INST;DATABASE=ERP;UID=sa;PWD={a;b}}c}" << 30;
    QTest::newRow("no user: integrated")
        << QStringLiteral("Provider=MSDataShape;Data Provider=SQLOLEDB;Data Source=SRV;Initial Catalog=ERP;ODBC Driver=FreeTDS")
        << "DRIVER={FreeTDS};SERVER=SRV;DATABASE=ERP;Trusted_Connection=Yes" << 30;
}

void TstTextoLigacao::sqlServer()
{
    QFETCH(QString, texto);
    QFETCH(QString, nomeBase);
    QFETCH(int, tempo);
    const ParametrosLigacao p = ParametrosLigacao::de(texto);
    QCOMPARE(p.motor, Dialecto::Motor::SQLServer);
    QCOMPARE(p.controladorQt, QStringLiteral("QODBC"));
    QCOMPARE(p.nomeBase, nomeBase);
    QCOMPARE(p.tempoLimite, tempo);
    QVERIFY(p.ficheiro.isEmpty());
}

void TstTextoLigacao::controladorPorOmissao()
{
    const ParametrosLigacao p = ParametrosLigacao::de(servidor);
#ifdef Q_OS_WIN
    QCOMPARE(p.controladorOdbc, QStringLiteral("SQL Server"));
#else
    QCOMPARE(p.controladorOdbc, QStringLiteral("FreeTDS"));
#endif
    QCOMPARE(p.nomeBase, QLatin1String("DRIVER={") + p.controladorOdbc
                             + QLatin1String("};SERVER=SRV;DATABASE=ERP;UID=sa;PWD=pw"));
}

void TstTextoLigacao::sqlite_data()
{
    QTest::addColumn<QString>("extra");
    QTest::addColumn<QString>("controlador");
    QTest::addColumn<QString>("nomeBase");
    QTest::addColumn<QString>("opcoes");

    QTest::newRow("embedded, default wait") << "" << "QSQLITE" << "/d/erp.db" << "QSQLITE_BUSY_TIMEOUT=30000";
    QTest::newRow("embedded, time-out") << ";Command Timeout=2" << "QSQLITE" << "/d/erp.db" << "QSQLITE_BUSY_TIMEOUT=2000";
    QTest::newRow("through odbc") << ";ODBC Driver=SQLite3;Command Timeout=1" << "QODBC"
                                  << "DRIVER={SQLite3};Database=/d/erp.db;Timeout=1000;NoCreat=1" << "";
}

void TstTextoLigacao::sqlite()
{
    QFETCH(QString, extra);
    QFETCH(QString, controlador);
    QFETCH(QString, nomeBase);
    QFETCH(QString, opcoes);
    const ParametrosLigacao p = ParametrosLigacao::de(
        QStringLiteral("Provider=MSDataShape;Data Provider=SQLite;Data Source=/d/erp.db;Initial Catalog=erp") + extra);
    QCOMPARE(p.motor, Dialecto::Motor::SQLite);
    QCOMPARE(p.controladorQt, controlador);
    QCOMPARE(p.nomeBase, nomeBase);
    QCOMPARE(p.opcoes, opcoes);
    QCOMPARE(p.ficheiro, QStringLiteral("/d/erp.db"));
}

QTEST_GUILESS_MAIN(TstTextoLigacao)
#include "tst_textoligacao.moc"
