#include "EnderecoDescarga.h"
#include "FicheiroVersao.h"
#include "QrxError.h"
#include "RespostaHttp.h"

#include <QObject>
#include <QTest>

using namespace qrx;

class TesteVersao : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void ficheiroVersao_data()
    {
        QTest::addColumn<QByteArray>("conteudo");
        QTest::addColumn<QString>("versao");
        QTest::addColumn<QString>("instalador");
        QTest::newRow("marcador, versao e URL")
            << QByteArray("qrxVersao,2.0,http://h/x/setup.exe") << "2.0" << "http://h/x/setup.exe";
        QTest::newRow("CR LF e mais linhas")
            << QByteArray("qrxVersao,2.1,http://h/s.exe\r\noutra,linha\r\n") << "2.1" << "http://h/s.exe";
        QTest::newRow("so LF") << QByteArray("qrxVersao,3,u\nqrxVersao,4,v") << "3" << "u";
        QTest::newRow("campos a mais ignorados") << QByteArray("qrxVersao,5,u,extra") << "5" << "u";
        QTest::newRow("espacos mantidos") << QByteArray("qrxVersao, 2.0 ,u") << " 2.0 " << "u";
        QTest::newRow("marcador seguido de texto") << QByteArray("qrxVersaoX,2.0,u") << "2.0" << "u";
        QTest::newRow("sem marcador") << QByteArray("versao,2.0,u") << "" << "";
        QTest::newRow("marcador noutra linha") << QByteArray("\nqrxVersao,2.0,u") << "" << "";
        QTest::newRow("marcador em minusculas") << QByteArray("QRXVERSAO,2.0,u") << "" << "";
        QTest::newRow("vazio") << QByteArray() << "" << "";
        QTest::newRow("pagina HTML") << QByteArray("<html><body>404</body></html>") << "" << "";
    }
    void ficheiroVersao()
    {
        QFETCH(QByteArray, conteudo);
        const InfoVersao info = lerFicheiroVersao(conteudo, QStringLiteral("versao.txt"));
        QTEST(info.versao, "versao");
        QTEST(info.instalador, "instalador");
    }

    void marcadorSemCampos_data()
    {
        QTest::addColumn<QByteArray>("conteudo");
        QTest::newRow("so marcador") << QByteArray("qrxVersao");
        QTest::newRow("sem URL") << QByteArray("qrxVersao,2.0\r\nhttp://h/s.exe");
    }
    void marcadorSemCampos()
    {
        QFETCH(QByteArray, conteudo);
        try {
            lerFicheiroVersao(conteudo, QStringLiteral("/tmp/versao.txt"));
            QFAIL("a broken version line was accepted");
        } catch (const QrxError &erro) {
            QCOMPARE(erro.numero(), 9);
            QCOMPARE(erro.origem(), QStringLiteral("cl_Update.GetVersao"));
            QVERIFY(erro.descricao().contains(QStringLiteral("/tmp/versao.txt")));
        }
    }

    void comparacao_data()
    {
        QTest::addColumn<QString>("nova");
        QTest::addColumn<QString>("actual");
        QTest::addColumn<bool>("maisRecente");
        QTest::newRow("1.10 contra 1.9 (caracteres)") << "1.10" << "1.9" << false;
        QTest::newRow("1.9 contra 1.10") << "1.9" << "1.10" << true;
        QTest::newRow("2.0 contra 1.9") << "2.0" << "1.9" << true;
        QTest::newRow("iguais") << "1.5" << "1.5" << false;
        QTest::newRow("mais antiga") << "1.4" << "1.5" << false;
        QTest::newRow("prefixo mais longo") << "1.5.1" << "1.5" << true;
        QTest::newRow("vazia nunca e mais recente") << "" << "1.0" << false;
        QTest::newRow("vazia contra vazia") << "" << "" << false;
        QTest::newRow("qualquer contra vazia") << "0" << "" << true;
        QTest::newRow("maiusculas antes de minusculas") << "a" << "B" << true;
        QTest::newRow("10 contra 9") << "10" << "9" << false;
    }
    void comparacao()
    {
        QFETCH(QString, nova);
        QFETCH(QString, actual);
        QTEST(versaoMaisRecente(nova, actual), "maisRecente");
    }

    void pergunta()
    {
        QCOMPARE(textoPergunta(QStringLiteral("1.9"), QStringLiteral("2.0")),
                 QStringLiteral("Está disponivel uma nova versão da sua aplicação.\r\n"
                                "Versão instalada : 1.9\r\n"
                                "Nova versão      : 2.0\r\n"
                                "Deseja actualizar a sua versão ?"));
        QCOMPARE(tituloActualizacao(), QStringLiteral("Actualização automática"));
    }

    void divisaoUrl_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("ficheiro");
        QTest::addColumn<int>("porta");
        QTest::addColumn<bool>("seguro");
        QTest::addColumn<bool>("valido");
        QTest::newRow("http") << "http://www.ex.pt/dir/sub/setup.exe" << "www.ex.pt" << "setup.exe" << 80 << false << true;
        QTest::newRow("https") << "https://www.ex.pt/setup.exe" << "www.ex.pt" << "setup.exe" << 443 << true << true;
        QTest::newRow("HTTPS maiusculas") << "HTTPS://h/a" << "h" << "a" << 443 << true << true;
        QTest::newRow("porta") << "http://127.0.0.1:8080/a/b.exe" << "127.0.0.1" << "b.exe" << 8080 << false << true;
        QTest::newRow("https e porta") << "https://h:8443/b" << "h" << "b" << 8443 << true << true;
        QTest::newRow("sem ://") << "www.ex.pt/dir/setup.exe" << "www.ex.pt" << "setup.exe" << 80 << false << true;
        QTest::newRow("sem barra") << "http://www.ex.pt" << "www.ex.pt" << "" << 80 << false << true;
        QTest::newRow("IPv6") << "http://[::1]:81/s" << "::1" << "s" << 81 << false << true;
        QTest::newRow("porta invalida") << "http://h:x/s" << "h:x" << "s" << 80 << false << false;
        QTest::newRow("sem host") << "http:///s" << "" << "s" << 80 << false << false;
        QTest::newRow("vazio") << "" << "" << "" << 80 << false << false;
    }
    void divisaoUrl()
    {
        QFETCH(QString, url);
        const EnderecoDescarga e = StartUpdate(url);
        QCOMPARE(e.urlCompleto, url);
        QTEST(e.host, "host");
        QTEST(e.ficheiro, "ficheiro");
        QTEST(int(e.porta), "porta");
        QTEST(e.seguro, "seguro");
        QTEST(e.valido, "valido");
    }

    void campoCabecalho_data()
    {
        QTest::addColumn<QByteArray>("cabecalho");
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("valor");
        const QByteArray c("HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\nContent-Length: 1234\r\nServer: x");
        QTest::newRow("no meio") << c << "Content-Length" << "1234";
        QTest::newRow("primeiro") << c << "Content-Type" << "text/plain";
        QTest::newRow("no fim") << c << "Server" << "x";
        QTest::newRow("outra caixa") << QByteArray("HTTP/1.0 200 OK\r\ncontent-length: 7") << "Content-Length" << "7";
        QTest::newRow("em falta") << c << "ETag" << "";
        QTest::newRow("cabecalho vazio") << QByteArray() << "Content-Length" << "";
        QTest::newRow("nao na linha de estado") << QByteArray("Content-Length: 5") << "Content-Length" << "";
        QTest::newRow("nao por prefixo") << QByteArray("HTTP/1.0 200 OK\r\nX-Content-Length: 5") << "Content-Length" << "";
    }
    void campoCabecalho()
    {
        QFETCH(QByteArray, cabecalho);
        QFETCH(QString, campo);
        QTEST(GETDATAHEAD(cabecalho, campo), "valor");
    }

    void estado_data()
    {
        QTest::addColumn<QByteArray>("cabecalho");
        QTest::addColumn<int>("codigo");
        QTest::newRow("200") << QByteArray("HTTP/1.0 200 OK\r\nA: b") << 200;
        QTest::newRow("1.1 404") << QByteArray("HTTP/1.1 404 Not Found") << 404;
        QTest::newRow("302") << QByteArray("HTTP/1.0 302 Found\r\nLocation: x") << 302;
        QTest::newRow("sem frase") << QByteArray("HTTP/1.0 200") << 200;
        QTest::newRow("nao HTTP") << QByteArray("SSH-2.0-OpenSSH") << 0;
        QTest::newRow("codigo invalido") << QByteArray("HTTP/1.0 2000 OK") << 0;
        QTest::newRow("vazio") << QByteArray() << 0;
    }
    void estado()
    {
        QFETCH(QByteArray, cabecalho);
        QTEST(codigoEstado(cabecalho), "codigo");
    }
};

QTEST_GUILESS_MAIN(TesteVersao)
#include "tst_versao.moc"
