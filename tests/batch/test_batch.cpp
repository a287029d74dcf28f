#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <QFile>

// The headless front end run as a person runs it: a real process, a real settings file and a
// real SQLite database.
class TestBatch : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_pasta;

    QString caminho(const QString &nome) const { return m_pasta.filePath(nome); }

    void criaBaseDados(const QString &ficheiro, const QStringList &instrucoes)
    {
        QFile::remove(ficheiro);
        {
            auto db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fixture"));
            db.setDatabaseName(ficheiro);
            QVERIFY(db.open());
            QSqlQuery q(db);
            for (const QString &instrucao : instrucoes)
                QVERIFY2(q.exec(instrucao), qPrintable(instrucao));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("fixture"));
    }

    void escreve(const QString &ficheiro, const QByteArray &conteudo)
    {
        QFile f(ficheiro);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(conteudo);
    }

    struct Resultado {
        int saida = -1;
        QString normal;
        QString erros;
    };

    Resultado corre(const QStringList &argumentos)
    {
        QProcess p;
        p.start(QStringLiteral(QRX_BATCH_EXE), argumentos);
        Resultado r;
        if (!p.waitForFinished(60000))
            return r;
        r.saida = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        r.normal = QString::fromUtf8(p.readAllStandardOutput());
        r.erros = QString::fromUtf8(p.readAllStandardError());
        return r;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_pasta.isValid());
        criaBaseDados(caminho(QStringLiteral("erp.db")),
                      {QStringLiteral("CREATE TABLE EMPRESA (NOME TEXT)"),
                       QStringLiteral("INSERT INTO EMPRESA VALUES ('Distribuidora Açoriana, Lda')")});
        criaBaseDados(caminho(QStringLiteral("vazia.db")),
                      {QStringLiteral("CREATE TABLE EMPRESA (NOME TEXT)")});
        criaBaseDados(caminho(QStringLiteral("semempresa.db")),
                      {QStringLiteral("CREATE TABLE OUTRA (X TEXT)")});
    }

    void info_data()
    {
        QTest::addColumn<QByteArray>("configuracao");
        QTest::addColumn<QString>("esperado");

        const QString servidor = caminho(QStringLiteral("erp.db"));
        QTest::newRow("tipo 4")
            << QByteArray("[BaseDados]\r\nMotor=SQLite\r\nBaseDados=erp.db\r\n[Configuracao]\r\nTipo de Exportacao=4\r\n")
            << QStringLiteral("Empresa: Distribuidora Açoriana, Lda\nServidor: %1\nTipo de Exportacao: 4 Torres Tir\n").arg(servidor);
        QTest::newRow("tipo 7 keeps the trailing blank")
            << QByteArray("[basedados]\r\nmotor=SQLite\r\nbasedados=erp.db\r\n[configuracao]\r\ntipo de exportacao=7\r\n")
            << QStringLiteral("Empresa: Distribuidora Açoriana, Lda\nServidor: %1\nTipo de Exportacao: 7 CTT \n").arg(servidor);
        QTest::newRow("non-numeric type reads as 0")
            << QByteArray("[BaseDados]\r\nMotor=SQLite\r\nBaseDados=erp.db\r\n[Configuracao]\r\nTipo de Exportacao=abc\r\n")
            << QStringLiteral("Empresa: Distribuidora Açoriana, Lda\nServidor: %1\nTipo de Exportacao: 0 Virodezivad ad Evoderor\n").arg(servidor);
        QTest::newRow("absolute database path, no type")
            << QByteArray("[BaseDados]\r\nMotor=SQLite\r\nBaseDados=") + servidor.toUtf8() + "\r\n"
            << QStringLiteral("Empresa: Distribuidora Açoriana, Lda\nServidor: %1\nTipo de Exportacao: 0 Virodezivad ad Evoderor\n").arg(servidor);
        QTest::newRow("company table without rows")
            << QByteArray("[BaseDados]\r\nMotor=SQLite\r\nBaseDados=vazia.db\r\n[Configuracao]\r\nTipo de Exportacao=13\r\n")
            << QStringLiteral("Empresa: \nServidor: %1\nTipo de Exportacao: 13 Dachser\n").arg(caminho(QStringLiteral("vazia.db")));
    }

    void info()
    {
        QFETCH(QByteArray, configuracao);
        QFETCH(QString, esperado);
        const QString ficheiro = caminho(QStringLiteral("info.qrx"));
        escreve(ficheiro, configuracao);
        const auto r = corre({QStringLiteral("--settings"), ficheiro, QStringLiteral("info")});
        QCOMPARE(r.erros, QString());
        QCOMPARE(r.normal, esperado);
        QCOMPARE(r.saida, 0);
    }

    void falhas_data()
    {
        QTest::addColumn<QByteArray>("configuracao");
        QTest::addColumn<QStringList>("argumentos");
        QTest::addColumn<int>("saida");
        QTest::addColumn<QString>("mensagem");

        const QByteArray boa("[BaseDados]\r\nMotor=SQLite\r\nBaseDados=erp.db\r\n");
        QTest::newRow("no command") << boa << QStringList{} << 2 << QStringLiteral("Falta o comando");
        QTest::newRow("unknown command") << boa << QStringList{QStringLiteral("voar")} << 2
                                         << QStringLiteral("Comando desconhecido: voar");
        QTest::newRow("unknown locale") << boa
                                        << QStringList{QStringLiteral("--locale"), QStringLiteral("xx_YY"), QStringLiteral("info")}
                                        << 2 << QStringLiteral("xx_YY");
        QTest::newRow("SQL Server without server, user, database")
            << QByteArray("[Configuracao]\r\nTipo de Exportacao=1\r\n") << QStringList{QStringLiteral("info")} << 2
            << QStringLiteral("Servidor");
        QTest::newRow("SQLite file missing")
            << QByteArray("[BaseDados]\r\nMotor=SQLite\r\nBaseDados=naoexiste.db\r\n") << QStringList{QStringLiteral("info")}
            << 2 << QStringLiteral("BaseDados");
        QTest::newRow("database without company table")
            << QByteArray("[BaseDados]\r\nMotor=SQLite\r\nBaseDados=semempresa.db\r\n") << QStringList{QStringLiteral("info")}
            << 1 << QStringLiteral("EMPRESA");
    }

    void falhas()
    {
        QFETCH(QByteArray, configuracao);
        QFETCH(QStringList, argumentos);
        QFETCH(int, saida);
        QFETCH(QString, mensagem);
        const QString ficheiro = caminho(QStringLiteral("falha.qrx"));
        escreve(ficheiro, configuracao);
        const auto r = corre(QStringList{QStringLiteral("--settings"), ficheiro} + argumentos);
        QVERIFY2(r.erros.contains(mensagem), qPrintable(r.erros));
        QCOMPARE(r.normal, QString());
        QCOMPARE(r.saida, saida);
    }

    void ficheiroConfiguracaoInexistente()
    {
        const QString ficheiro = caminho(QStringLiteral("nao/existe.qrx"));
        const auto r = corre({QStringLiteral("--settings"), ficheiro, QStringLiteral("info")});
        QCOMPARE(r.saida, 2);
        QVERIFY2(r.erros.contains(ficheiro), qPrintable(r.erros));
    }
};

QTEST_GUILESS_MAIN(TestBatch)
#include "test_batch.moc"
