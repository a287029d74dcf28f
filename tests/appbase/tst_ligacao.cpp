#include "Cifra.h"
#include "ConfiguracaoFicheiro.h"
#include "ConfiguracaoLigacao.h"
#include "ConstrutorLigacao.h"
#include "TextoLigacao.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

using namespace qrx;

class TstLigacao : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_pasta;
    int m_contador = 0;

    QString criaFicheiro(const QByteArray &bytes)
    {
        const QString caminho = m_pasta.filePath(QStringLiteral("l%1.qrx").arg(++m_contador));
        QFile file(caminho);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write fixture");
        return caminho;
    }

    static ConstrutorLigacao construtorSQLServer(const QString &servidor, const QString &base,
                                                 const QString &utilizador, const QString &password)
    {
        ConstrutorLigacao construtor;
        construtor.setProvider(QStringLiteral("MSDataShape"));
        construtor.setModo(1);
        construtor.setServidor(servidor);
        construtor.setBaseDados(base);
        construtor.setUtilizador(utilizador);
        construtor.setPassword(password);
        return construtor;
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_pasta.isValid()); }

    void textoSQLServer_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("driver");
        QTest::addColumn<QString>("esperado");
        const QString base = QStringLiteral(
            "Provider=MSDataShape;Data Provider=SQLOLEDB;Data Source=SRV;Initial Catalog=ERP;User ID=sa;Password=");
        QTest::newRow("plain") << "pw" << "" << base + u"pw";
        QTest::newRow("empty password") << "" << "" << base;
        QTest::newRow("ODBC driver") << "pw" << "ODBC Driver 18 for SQL Server"
                                     << base + u"pw;ODBC Driver=ODBC Driver 18 for SQL Server";
        QTest::newRow("semicolon quoted") << "a;b" << "" << base + u"\"a;b\"";
        QTest::newRow("leading double quote") << "\"ab" << "" << base + u"\"\"\"ab\"";
        QTest::newRow("leading single quote") << "'ab" << "" << base + u"\"'ab\"";
        QTest::newRow("inner quote") << "a\"b" << "" << base + u"\"a\"\"b\"";
        QTest::newRow("blanks kept") << " pw " << "" << base + u"\" pw \"";
        QTest::newRow("equals sign plain") << "a=b" << "" << base + u"a=b";
        QTest::newRow("driver with semicolon") << "pw" << "X;Y" << base + u"pw;ODBC Driver=\"X;Y\"";
    }

    void textoSQLServer()
    {
        QFETCH(QString, password);
        QFETCH(QString, driver);
        QFETCH(QString, esperado);
        ConstrutorLigacao construtor = construtorSQLServer(QStringLiteral("SRV"), QStringLiteral("ERP"),
                                                           QStringLiteral("sa"), password);
        construtor.setDriverOdbc(driver);
        QCOMPARE(construtor.TextoLigacao(), esperado);
        QCOMPARE(construtor.Servidor(), QStringLiteral("SRV"));
        // The data layer reads back exactly what was put in.
        const TextoLigacao lido(construtor.TextoLigacao());
        QCOMPARE(lido.valor(QStringLiteral("Password")), password);
        QCOMPARE(lido.valor(QStringLiteral("Data Source")), QStringLiteral("SRV"));
        QCOMPARE(lido.valor(QStringLiteral("ODBC Driver")), driver);
    }

    void textoSQLite_data()
    {
        QTest::addColumn<QString>("ficheiro");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("plain") << "/abs/file.db"
                               << "Provider=MSDataShape;Data Provider=SQLite;Data Source=/abs/file.db;Initial Catalog=file";
        QTest::newRow("two dots") << "/dados/erp.2024.sqlite"
                                  << "Provider=MSDataShape;Data Provider=SQLite;Data Source=/dados/erp.2024.sqlite;Initial Catalog=erp.2024";
        QTest::newRow("semicolon in folder") << "/a;b/erp.db"
                                             << "Provider=MSDataShape;Data Provider=SQLite;Data Source=\"/a;b/erp.db\";Initial Catalog=erp";
    }

    void textoSQLite()
    {
        QFETCH(QString, ficheiro);
        QFETCH(QString, esperado);
        ConstrutorLigacao construtor;
        construtor.setProvider(QStringLiteral("MSDataShape"));
        construtor.setModo(1);
        construtor.setMotor(MotorBaseDados::SQLite);
        construtor.setBaseDados(ficheiro);
        construtor.setUtilizador(QStringLiteral("ignorado"));
        construtor.setPassword(QStringLiteral("ignorada"));
        QCOMPARE(construtor.TextoLigacao(), esperado);
        QCOMPARE(construtor.Servidor(), ficheiro);
        QCOMPARE(TextoLigacao(construtor.TextoLigacao()).valor(QStringLiteral("Data Source")), ficheiro);
    }

    void carregaDoFicheiro()
    {
        const QString caminho = criaFicheiro(
            "[BaseDados]\r\nServidor=srv\\SQL2019\r\nBaseDados=ERP\r\nUtilizador=sa\r\nPassword=legado;1\r\n"
            "Driver ODBC=FreeTDS\r\n");
        const ConfiguracaoLigacao configuracao(caminho);
        QVERIFY(configuracao.motor() == MotorBaseDados::SQLServer);
        QCOMPARE(configuracao.servidor(), QStringLiteral("srv\\SQL2019"));
        QCOMPARE(configuracao.baseDados(), QStringLiteral("ERP"));
        QCOMPARE(configuracao.utilizador(), QStringLiteral("sa"));
        QCOMPARE(configuracao.password(), QStringLiteral("legado;1"));
        QCOMPARE(configuracao.driverOdbc(), QStringLiteral("FreeTDS"));
        QCOMPARE(configuracao.valoresEmFalta(), QStringList());

        const ConstrutorLigacao construtor = ConstrutorLigacao::deConfiguracao(configuracao);
        QCOMPARE(construtor.provider(), QStringLiteral("MSDataShape"));
        QCOMPARE(construtor.modo(), 1);
        QCOMPARE(construtor.TextoLigacao(),
                 QStringLiteral("Provider=MSDataShape;Data Provider=SQLOLEDB;Data Source=srv\\SQL2019;"
                                "Initial Catalog=ERP;User ID=sa;Password=\"legado;1\";ODBC Driver=FreeTDS"));
    }

    void gravaCifraAPassword()
    {
        QTemporaryDir pasta;
        const QString caminho = pasta.filePath(QStringLiteral("qrxEdi.qrx"));
        ConfiguracaoLigacao configuracao;
        configuracao.setFicheiroConfiguracao(caminho);
        configuracao.setServidor(QStringLiteral("srv"));
        configuracao.setBaseDados(QStringLiteral("ERP"));
        configuracao.setUtilizador(QStringLiteral("sa"));
        configuracao.setPassword(QStringLiteral("segredo"));
        configuracao.grava();

        const ConfiguracaoFicheiro ficheiro(caminho);
        QCOMPARE(ficheiro.le(QStringLiteral("BaseDados"), QStringLiteral("Motor")), QStringLiteral("SQLServer"));
        const QString guardada = ficheiro.le(QStringLiteral("BaseDados"), QStringLiteral("Password"));
        QVERIFY(Cifra::estaCifrado(guardada));
        QVERIFY(!guardada.contains(QStringLiteral("segredo")));
        QCOMPARE(ficheiro.le(QStringLiteral("BaseDados"), QStringLiteral("Driver ODBC")), QString());

        const ConfiguracaoLigacao lida(caminho);
        QCOMPARE(lida.password(), QStringLiteral("segredo"));
        QCOMPARE(lida.servidor(), QStringLiteral("srv"));
        QCOMPARE(lida.valoresEmFalta(), QStringList());
    }

    void valoresEmFalta_data()
    {
        QTest::addColumn<QByteArray>("seccao");
        QTest::addColumn<bool>("criaBaseSQLite");
        QTest::addColumn<QStringList>("esperado");
        QTest::newRow("no file section")
            << QByteArray() << false << QStringList{"Servidor", "Utilizador", "BaseDados"};
        QTest::newRow("complete, empty password")
            << QByteArray("Servidor=s\r\nUtilizador=u\r\nBaseDados=b\r\n") << false << QStringList();
        QTest::newRow("server missing")
            << QByteArray("Utilizador=u\r\nBaseDados=b\r\nPassword=p\r\n") << false << QStringList{"Servidor"};
        QTest::newRow("user missing")
            << QByteArray("Servidor=s\r\nBaseDados=b\r\n") << false << QStringList{"Utilizador"};
        QTest::newRow("database missing")
            << QByteArray("Motor=SQLServer\r\nServidor=s\r\nUtilizador=u\r\n") << false
            << QStringList{"BaseDados"};
        QTest::newRow("SQLite, file exists")
            << QByteArray("Motor=SQLite\r\nBaseDados=erp.db\r\n") << true << QStringList();
        QTest::newRow("SQLite, engine case")
            << QByteArray("Motor=sqlite\r\nBaseDados=erp.db\r\n") << true << QStringList();
        QTest::newRow("SQLite, file missing")
            << QByteArray("Motor=SQLite\r\nBaseDados=outra.db\r\n") << true << QStringList{"BaseDados"};
        QTest::newRow("SQLite, no file named")
            << QByteArray("Motor=SQLite\r\nServidor=s\r\n") << false << QStringList{"BaseDados"};
        QTest::newRow("SQLite, folder named")
            << QByteArray("Motor=SQLite\r\nBaseDados=.\r\n") << false << QStringList{"BaseDados"};
        QTest::newRow("unknown engine")
            << QByteArray("Motor=Oracle\r\nServidor=s\r\nUtilizador=u\r\nBaseDados=b\r\n") << false
            << QStringList{"Motor"};
    }

    void valoresEmFalta()
    {
        QFETCH(QByteArray, seccao);
        QFETCH(bool, criaBaseSQLite);
        QFETCH(QStringList, esperado);
        QTemporaryDir pasta;
        const QString caminho = pasta.filePath(QStringLiteral("qrxEdi.qrx"));
        if (!seccao.isNull()) {
            QFile file(caminho);
            QVERIFY(file.open(QIODevice::WriteOnly));
            const QByteArray bytes = QByteArray("[BaseDados]\r\n") + seccao;
            file.write(bytes);
        }
        if (criaBaseSQLite) {
            QFile base(pasta.filePath(QStringLiteral("erp.db")));
            QVERIFY(base.open(QIODevice::WriteOnly));
        }
        QCOMPARE(ConfiguracaoLigacao(caminho).valoresEmFalta(), esperado);
    }

    void caminhoSQLite_data()
    {
        QTest::addColumn<QString>("baseDados");
        QTest::addColumn<QString>("esperado");   // relative to the settings folder, or absolute
        QTest::newRow("relative") << "erp.db" << "PASTA/erp.db";
        QTest::newRow("relative subfolder") << "dados/../dados/erp.db" << "PASTA/dados/erp.db";
        QTest::newRow("absolute") << "/srv/erp/erp.db" << "/srv/erp/erp.db";
        QTest::newRow("empty") << "" << "";
    }

    void caminhoSQLite()
    {
        QFETCH(QString, baseDados);
        QFETCH(QString, esperado);
        const QString pasta = m_pasta.filePath(QStringLiteral("config"));
        ConfiguracaoLigacao configuracao;
        configuracao.setFicheiroConfiguracao(pasta + u"/qrxEdi.qrx");
        configuracao.setMotor(MotorBaseDados::SQLite);
        configuracao.setBaseDados(baseDados);
        esperado.replace(QStringLiteral("PASTA"), pasta);
        QCOMPARE(configuracao.caminhoSQLite(), esperado);
        const ConstrutorLigacao construtor = ConstrutorLigacao::deConfiguracao(configuracao);
        QCOMPARE(construtor.Servidor(), esperado);
    }
};

QTEST_GUILESS_MAIN(TstLigacao)
#include "tst_ligacao.moc"
