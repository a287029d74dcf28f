#include "Descarga.h"
#include "GetVersao.h"
#include "QrxError.h"
#include "ServidorHttp.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QObject>
#include <QProcess>
#include <QSignalSpy>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace qrx;
using qrx::testes::corpoGerado;
using qrx::testes::ServidorHttp;

namespace {

QByteArray conteudo(const QString &caminho)
{
    QFile ficheiro(caminho);
    return ficheiro.open(QIODevice::ReadOnly) ? ficheiro.readAll() : QByteArray("(em falta)");
}

// Runs one download to its end; false when it did not end within the wait.
bool descarrega(Descarga &descarga, const QString &url, const QString &destino, int esperaMs = 20000)
{
    QSignalSpy fim(&descarga, &Descarga::terminou);
    descarga.Iniciar(url, destino);
    return fim.size() == 1 || (fim.wait(esperaMs) && fim.size() == 1);
}

} // namespace

class TesteDescarga : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ServidorHttp> servidor;
    QTemporaryDir local;

    QString destino() const { return local.filePath(QStringLiteral("setup.exe")); }

private Q_SLOTS:
    void initTestCase()
    {
        servidor = std::make_unique<ServidorHttp>();
        QVERIFY2(servidor->activo(), qPrintable(servidor->erros()));
        QVERIFY(local.isValid());
    }
    void cleanupTestCase() { servidor.reset(); }
    void init() { QFile::remove(destino()); }

    void completa_data()
    {
        QTest::addColumn<int>("tamanho");
        QTest::newRow("um byte") << 1;
        QTest::newRow("bloco pequeno") << 700;
        QTest::newRow("varios blocos") << 3 * 1024 * 1024 + 17;
    }
    void completa()
    {
        QFETCH(int, tamanho);
        Descarga descarga;
        QSignalSpy passos(&descarga, &Descarga::progresso);
        QVERIFY(descarrega(descarga, servidor->url(QStringLiteral("gerado/%1").arg(tamanho)), destino()));
        QCOMPARE(descarga.estado(), Descarga::Estado::Terminada);
        QVERIFY(descarga.mensagemErro().isEmpty());
        QCOMPARE(descarga.total(), qint64(tamanho));
        QCOMPARE(descarga.recebidos(), qint64(tamanho));
        QCOMPARE(conteudo(destino()), corpoGerado(tamanho));
        QVERIFY(!passos.isEmpty());
        QCOMPARE(passos.last().at(0).toLongLong(), qint64(tamanho));
        QCOMPARE(passos.last().at(1).toLongLong(), qint64(tamanho));
        QCOMPARE(descarga.cabecalho().left(9), QByteArray("HTTP/1.0 "));
    }

    void ficheiroEstatico()
    {
        servidor->publica(QStringLiteral("instalador.bin"), QByteArray("MZ\x00\x01\r\n\r\nresto", 14));
        Descarga descarga;
        QVERIFY(descarrega(descarga, servidor->url(QStringLiteral("instalador.bin")), destino()));
        QCOMPARE(descarga.estado(), Descarga::Estado::Terminada);
        QCOMPARE(conteudo(destino()), QByteArray("MZ\x00\x01\r\n\r\nresto", 14));
    }

    // The request is HTTP/1.0 with the full URL, as old servers and proxies expect.
    void pedido()
    {
        Descarga descarga;
        const QString url = servidor->url(QStringLiteral("gerado/10"));
        QVERIFY(descarrega(descarga, url, destino()));
        const QString hostPorta = QStringLiteral("127.0.0.1:") + url.section(u':', 2).section(u'/', 0, 0);
        const QByteArray pedidos = servidor->pedidos();
        QVERIFY2(pedidos.contains(QByteArray("GET " + url.toLatin1() + " HTTP/1.0\r\n")), pedidos.constData());
        QVERIFY(pedidos.contains("Accept: *.*, */*\r\n"));
        QVERIFY(pedidos.contains("User-Agent: qrxCore.WebUpdate/1.0\r\n"));
        QVERIFY(pedidos.contains(QByteArray("Referer: " + hostPorta.toLatin1() + "\r\n")));
        QVERIFY(pedidos.contains(QByteArray("Host: " + hostPorta.toLatin1() + "\r\n")));
    }

    // Every failure ends the wait, says why, and keeps the file that was there before.
    void falhas_data()
    {
        QTest::addColumn<QString>("caminho");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("404") << "nao-existe.exe" << "404";
        QTest::newRow("corpo curto") << "curto/4000" << "antes de";
        QTest::newRow("sem Content-Length") << "semtamanho/3000" << "não indicou o tamanho";
        QTest::newRow("vazio") << "gerado/0" << "vazio";
    }
    void falhas()
    {
        QFETCH(QString, caminho);
        QFETCH(QString, mensagem);
        {
            QFile anterior(destino());
            QVERIFY(anterior.open(QIODevice::WriteOnly));
            anterior.write("instalador anterior");
        }
        Descarga descarga;
        const QString url = servidor->url(caminho);
        QVERIFY(descarrega(descarga, url, destino()));
        QCOMPARE(descarga.estado(), Descarga::Estado::Falhada);
        QVERIFY2(descarga.mensagemErro().contains(mensagem), qPrintable(descarga.mensagemErro()));
        QVERIFY2(descarga.mensagemErro().contains(url), qPrintable(descarga.mensagemErro()));
        QCOMPARE(conteudo(destino()), QByteArray("instalador anterior"));
        QCOMPARE(QDir(local.path()).entryList(QDir::Files), QStringList{QStringLiteral("setup.exe")});
    }

    void corpoCurtoDizQuanto()
    {
        Descarga descarga;
        QVERIFY(descarrega(descarga, servidor->url(QStringLiteral("curto/4000")), destino()));
        QVERIFY2(descarga.mensagemErro().contains(QStringLiteral("(2000 de 4000 bytes)")),
                 qPrintable(descarga.mensagemErro()));
        QVERIFY(!QFile::exists(destino()));
    }

    void estadoHttp()
    {
        Descarga descarga;
        QVERIFY(descarrega(descarga, servidor->url(QStringLiteral("nao-existe.exe")), destino()));
        QVERIFY2(descarga.mensagemErro().contains(QStringLiteral("HTTP/1.0 404 File not found")),
                 qPrintable(descarga.mensagemErro()));
        QCOMPARE(descarga.total(), qint64(0));
    }

    void tempoEsgotado()
    {
        Descarga descarga;
        descarga.setTempoLimite(1);
        QElapsedTimer cronometro;
        cronometro.start();
        QVERIFY(descarrega(descarga, servidor->url(QStringLiteral("mudo")), destino(), 10000));
        QVERIFY(cronometro.elapsed() < 8000);
        QCOMPARE(descarga.estado(), Descarga::Estado::Falhada);
        QVERIFY2(descarga.mensagemErro().contains(QStringLiteral("não respondeu em 1 segundos")),
                 qPrintable(descarga.mensagemErro()));
        QVERIFY(!QFile::exists(destino()));
    }

    void semServidor()
    {
        // A port that was just free: nobody listens there.
        QTcpServer livre;
        QVERIFY(livre.listen(QHostAddress::LocalHost));
        const quint16 porta = livre.serverPort();
        livre.close();
        Descarga descarga;
        const QString url = QStringLiteral("http://127.0.0.1:%1/setup.exe").arg(porta);
        QVERIFY(descarrega(descarga, url, destino()));
        QCOMPARE(descarga.estado(), Descarga::Estado::Falhada);
        QVERIFY2(descarga.mensagemErro().startsWith(u"Não foi possível transferir " + url),
                 qPrintable(descarga.mensagemErro()));
    }

    void enderecoInvalido()
    {
        Descarga descarga;
        QVERIFY(descarrega(descarga, QStringLiteral("http:///setup.exe"), destino()));
        QCOMPARE(descarga.estado(), Descarga::Estado::Falhada);
        QVERIFY(descarga.mensagemErro().contains(QStringLiteral("não é válido")));
    }

    void destinoInacessivel()
    {
        Descarga descarga;
        const QString impossivel = local.filePath(QStringLiteral("nao/existe/setup.exe"));
        QVERIFY(descarrega(descarga, servidor->url(QStringLiteral("gerado/10")), impossivel));
        QCOMPARE(descarga.estado(), Descarga::Estado::Falhada);
        QVERIFY(descarga.mensagemErro().contains(impossivel));
    }

    void cancelar()
    {
        Descarga descarga;
        QSignalSpy fim(&descarga, &Descarga::terminou);
        QSignalSpy passos(&descarga, &Descarga::progresso);
        descarga.Iniciar(servidor->url(QStringLiteral("pedacos/400000")), destino());
        QVERIFY(passos.wait(10000));
        descarga.cancelar();
        QCOMPARE(fim.size(), 1);
        QCOMPARE(fim.at(0).at(0).toBool(), false);
        QCOMPARE(descarga.estado(), Descarga::Estado::Cancelada);
        QVERIFY(descarga.mensagemErro().isEmpty());
        QVERIFY(!QFile::exists(destino()));
        QTest::qWait(200);
        QCOMPARE(fim.size(), 1);
    }

    void https()
    {
        if (!QSslSocket::supportsSsl())
            QSKIP("no TLS backend");
        const QString openssl = QStandardPaths::findExecutable(QStringLiteral("openssl"));
        if (openssl.isEmpty())
            QSKIP("openssl is needed to make the test certificate");
        QTemporaryDir chaves;
        const QString cert = chaves.filePath(QStringLiteral("cert.pem"));
        const QString chave = chaves.filePath(QStringLiteral("chave.pem"));
        QProcess gera;
        gera.start(openssl, {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"),
                             QStringLiteral("rsa:2048"), QStringLiteral("-nodes"), QStringLiteral("-days"),
                             QStringLiteral("1"), QStringLiteral("-subj"), QStringLiteral("/CN=127.0.0.1"),
                             QStringLiteral("-addext"), QStringLiteral("subjectAltName=IP:127.0.0.1"),
                             QStringLiteral("-keyout"), chave, QStringLiteral("-out"), cert});
        QVERIFY(gera.waitForFinished(60000));
        QCOMPARE(gera.exitCode(), 0);

        ServidorHttp seguro(cert, chave);
        QVERIFY2(seguro.activo(), qPrintable(seguro.erros()));
        const QString url = seguro.url(QStringLiteral("gerado/50000"), QStringLiteral("https"));

        seguro.publica(QStringLiteral("versao.txt"), QByteArray("qrxVersao,2.0,https://h/s.exe\r\n"));
        const QString site = seguro.url(QStringLiteral("versao.txt"), QStringLiteral("https"));

        // An unknown certificate is refused.
        QVERIFY_THROWS_EXCEPTION(QrxError, GetVersao(local.path() + u'/', site, 5));
        {
            Descarga descarga;
            QVERIFY(descarrega(descarga, url, destino()));
            QCOMPARE(descarga.estado(), Descarga::Estado::Falhada);
            QVERIFY(!QFile::exists(destino()));
        }

        const QSslConfiguration antes = QSslConfiguration::defaultConfiguration();
        QSslConfiguration confiada = antes;
        confiada.addCaCertificates(QSslCertificate::fromPath(cert));
        QSslConfiguration::setDefaultConfiguration(confiada);
        InfoVersao versao;
        try {
            versao = GetVersao(local.path() + u'/', site, 5);
        } catch (const QrxError &erro) {
            qWarning("%s", erro.what());
        }
        Descarga descarga;
        const bool acabou = descarrega(descarga, url, destino());
        QSslConfiguration::setDefaultConfiguration(antes);
        QCOMPARE(versao.versao, QStringLiteral("2.0"));
        QCOMPARE(versao.instalador, QStringLiteral("https://h/s.exe"));
        QVERIFY(acabou);
        QCOMPARE(descarga.estado(), Descarga::Estado::Terminada);
        QCOMPARE(conteudo(destino()), corpoGerado(50000));
    }
};

QTEST_GUILESS_MAIN(TesteDescarga)
#include "tst_descarga.moc"
