#include "InterlocutorGravado.h"
#include "ServidorHttp.h"

#include <qrxCoreWebUpdate/cl_Update.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QObject>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <exception>
#include <memory>

using namespace qrx;
using qrx::testes::corpoGerado;
using qrx::testes::InterlocutorGravado;
using qrx::testes::ServidorHttp;

namespace {

QByteArray conteudo(const QString &caminho)
{
    QFile ficheiro(caminho);
    return ficheiro.open(QIODevice::ReadOnly) ? ficheiro.readAll() : QByteArray("(em falta)");
}

} // namespace

class TesteClUpdate : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ServidorHttp> servidor;
    std::unique_ptr<QTemporaryDir> local;
    InterlocutorGravado pessoa;
    QStringList lancados;
    bool lancamentoCorre = true;

    QString pasta() const { return local->path() + u'/'; }

    // An updater pointed at the server's version file, answering and launching into the
    // test's records.
    std::unique_ptr<cl_Update> actualizador(const QString &versaoActual)
    {
        auto update = std::make_unique<cl_Update>();
        update->setPercusoDeActualizacao(pasta());
        update->setVersaoActual(versaoActual);
        update->setweb_Site(servidor->url(QStringLiteral("versao.txt")));
        update->setTempoLimite(5);
        update->setInterlocutor(&pessoa);
        update->setLancador([this](const QString &programa) {
            lancados.append(programa);
            return lancamentoCorre;
        });
        return update;
    }

    void publicaVersao(const QString &versao, const QString &caminhoInstalador)
    {
        servidor->publica(QStringLiteral("versao.txt"),
                          "qrxVersao," + versao.toLatin1() + ','
                              + servidor->url(caminhoInstalador).toLatin1() + "\r\n");
    }

private Q_SLOTS:
    void initTestCase()
    {
        servidor = std::make_unique<ServidorHttp>();
        QVERIFY2(servidor->activo(), qPrintable(servidor->erros()));
    }
    void cleanupTestCase() { servidor.reset(); }
    void init()
    {
        local = std::make_unique<QTemporaryDir>();
        QVERIFY(local->isValid());
        pessoa = InterlocutorGravado();
        lancados.clear();
        lancamentoCorre = true;
    }

    void oferta()
    {
        publicaVersao(QStringLiteral("2.0"), QStringLiteral("gerado/300000"));
        auto update = actualizador(QStringLiteral("1.9"));
        QVERIFY(update->Update());

        QCOMPARE(pessoa.perguntas.size(), 1);
        QCOMPARE(pessoa.perguntas.at(0).titulo, QStringLiteral("Actualização automática"));
        QCOMPARE(pessoa.perguntas.at(0).texto,
                 QStringLiteral("Está disponivel uma nova versão da sua aplicação.\r\n"
                                "Versão instalada : 1.9\r\nNova versão      : 2.0\r\n"
                                "Deseja actualizar a sua versão ?"));
        QVERIFY(pessoa.avisos.isEmpty());
        QCOMPARE(lancados, QStringList{pasta() + QStringLiteral("setup.exe")});
        QCOMPARE(conteudo(pasta() + QStringLiteral("setup.exe")), corpoGerado(300000));
        QVERIFY(conteudo(pasta() + QStringLiteral("versao.txt")).startsWith("qrxVersao,2.0,"));
        // The window is gone once Update returns.
        for (const QWidget *janela : QApplication::topLevelWidgets())
            QVERIFY(qstrcmp(janela->metaObject()->className(), "qrx::frmUpdate") != 0);
    }

    void pessoaRecusa()
    {
        publicaVersao(QStringLiteral("2.0"), QStringLiteral("gerado/1000"));
        pessoa.resposta = false;
        auto update = actualizador(QStringLiteral("1.9"));
        QVERIFY(!update->Update());
        QCOMPARE(pessoa.perguntas.size(), 1);
        QVERIFY(lancados.isEmpty());
        QVERIFY(!QFile::exists(pasta() + QStringLiteral("setup.exe")));
    }

    void semOferta_data()
    {
        QTest::addColumn<QByteArray>("ficheiroVersao");
        QTest::addColumn<QString>("versaoActual");
        QTest::newRow("1.10 contra 1.9") << QByteArray("qrxVersao,1.10,http://127.0.0.1:1/s.exe") << "1.9";
        QTest::newRow("mesma versao") << QByteArray("qrxVersao,1.9,http://127.0.0.1:1/s.exe") << "1.9";
        QTest::newRow("sem marcador") << QByteArray("versao,9.9,http://127.0.0.1:1/s.exe") << "1.0";
        QTest::newRow("ficheiro vazio") << QByteArray() << "1.0";
    }
    void semOferta()
    {
        QFETCH(QByteArray, ficheiroVersao);
        QFETCH(QString, versaoActual);
        servidor->publica(QStringLiteral("versao.txt"), ficheiroVersao);
        auto update = actualizador(versaoActual);
        QVERIFY(!update->Update());
        QVERIFY(pessoa.perguntas.isEmpty());
        QVERIFY(pessoa.avisos.isEmpty());
        QVERIFY(lancados.isEmpty());
        QCOMPARE(conteudo(pasta() + QStringLiteral("versao.txt")), ficheiroVersao);
    }

    // A download that goes wrong tells the person why and starts nothing.
    void instaladorFalha_data()
    {
        QTest::addColumn<QString>("caminho");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("404") << "nao-existe.exe" << "404";
        QTest::newRow("corpo curto") << "curto/5000" << "(2500 de 5000 bytes)";
        QTest::newRow("sem Content-Length") << "semtamanho/5000" << "não indicou o tamanho";
    }
    void instaladorFalha()
    {
        QFETCH(QString, caminho);
        QFETCH(QString, mensagem);
        publicaVersao(QStringLiteral("2.0"), caminho);
        auto update = actualizador(QStringLiteral("1.9"));
        QVERIFY(!update->Update());
        QCOMPARE(pessoa.perguntas.size(), 1);
        QCOMPARE(pessoa.avisos.size(), 1);
        QCOMPARE(pessoa.avisos.at(0).titulo, QStringLiteral("Actualização automática"));
        QVERIFY2(pessoa.avisos.at(0).texto.contains(mensagem), qPrintable(pessoa.avisos.at(0).texto));
        QVERIFY(lancados.isEmpty());
        QVERIFY(!QFile::exists(pasta() + QStringLiteral("setup.exe")));
    }

    void instaladorNaoArranca()
    {
        publicaVersao(QStringLiteral("2.0"), QStringLiteral("gerado/100"));
        lancamentoCorre = false;
        auto update = actualizador(QStringLiteral("1.9"));
        QVERIFY(!update->Update());
        QCOMPARE(lancados.size(), 1);
        QCOMPARE(pessoa.avisos.size(), 1);
        QCOMPARE(pessoa.avisos.at(0).texto,
                 u"Não foi possível iniciar " + pasta() + QStringLiteral("setup.exe."));
    }

    // A version file that cannot be had is an error for the caller, not a silent "nothing new".
    void versaoFalha_data()
    {
        QTest::addColumn<QString>("site");
        QTest::addColumn<QByteArray>("ficheiroVersao");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("404") << "nao-existe.txt" << QByteArray() << "nao-existe.txt";
        QTest::newRow("marcador sem campos") << "versao.txt" << QByteArray("qrxVersao,2.0") << "versao.txt";
    }
    void versaoFalha()
    {
        QFETCH(QString, site);
        QFETCH(QByteArray, ficheiroVersao);
        QFETCH(QString, mensagem);
        servidor->publica(QStringLiteral("versao.txt"), ficheiroVersao);
        auto update = actualizador(QStringLiteral("1.0"));
        update->setweb_Site(servidor->url(site));
        try {
            update->Update();
            QFAIL("no error was raised");
        } catch (const std::exception &erro) {
            QVERIFY2(QString::fromUtf8(erro.what()).contains(mensagem), erro.what());
        }
        QVERIFY(pessoa.perguntas.isEmpty());
        QVERIFY(lancados.isEmpty());
    }

    void versaoSubstituida()
    {
        {
            QFile antigo(pasta() + QStringLiteral("versao.txt"));
            QVERIFY(antigo.open(QIODevice::WriteOnly));
            antigo.write("qrxVersao,9.9,http://antigo/setup.exe\r\nlinha antiga que era mais longa\r\n");
        }
        servidor->publica(QStringLiteral("versao.txt"), QByteArray("qrxVersao,1.0,u\r\n"));
        auto update = actualizador(QStringLiteral("1.0"));
        QVERIFY(!update->Update());
        QCOMPARE(conteudo(pasta() + QStringLiteral("versao.txt")), QByteArray("qrxVersao,1.0,u\r\n"));
        QVERIFY(pessoa.perguntas.isEmpty());
    }

    void propriedades()
    {
        cl_Update update;
        QCOMPARE(update.TempoLimite(), 60);
        update.setPercusoDeActualizacao(QStringLiteral("/a/"));
        update.setVersaoActual(QStringLiteral("1.2"));
        update.setweb_Site(QStringLiteral("http://h/v.txt"));
        update.setTempoLimite(0);
        QCOMPARE(update.PercusoDeActualizacao(), QStringLiteral("/a/"));
        QCOMPARE(update.VersaoActual(), QStringLiteral("1.2"));
        QCOMPARE(update.web_Site(), QStringLiteral("http://h/v.txt"));
        QCOMPARE(update.TempoLimite(), 1);
    }
};

QTEST_MAIN(TesteClUpdate)
#include "tst_clupdate.moc"
