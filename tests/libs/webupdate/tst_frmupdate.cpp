#include "BarraProgresso.h"
#include "ServidorHttp.h"
#include "TextosDescarga.h"
#include "frmUpdate.h"

#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QObject>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace qrx;
using qrx::testes::corpoGerado;
using qrx::testes::ServidorHttp;

namespace {

QString texto(const QWidget &janela, const char *nome)
{
    const auto *etiqueta = janela.findChild<QLabel *>(QLatin1String(nome));
    return etiqueta ? etiqueta->text() : QStringLiteral("(em falta)");
}

struct Momento {
    QString tamanho;
    QString recebidos;
    int percentagem;
    bool botaoActivo;
};

} // namespace

class TesteFrmUpdate : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ServidorHttp> servidor;
    QTemporaryDir local;

    QString destino() const { return local.filePath(QStringLiteral("setup.exe")); }

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QStringLiteral("pt_PT")));
        servidor = std::make_unique<ServidorHttp>();
        QVERIFY2(servidor->activo(), qPrintable(servidor->erros()));
    }
    void cleanupTestCase() { servidor.reset(); }
    void init() { QFile::remove(destino()); }

    void aspecto()
    {
        frmUpdate janela;
        QCOMPARE(janela.windowTitle(), QStringLiteral("qrx_Update - Actualização de Software"));
        const auto *botao = janela.findChild<QPushButton *>(QStringLiteral("cmdDownload"));
        QVERIFY(botao);
        QCOMPARE(botao->text(), QStringLiteral("&Download"));
        QVERIFY(botao->isEnabled());
        const auto *quadro = janela.findChild<QGroupBox *>();
        QVERIFY(quadro);
        QCOMPARE(quadro->title(), QStringLiteral("Download da actualização"));
        QStringList legendas;
        for (const QLabel *etiqueta : quadro->findChildren<QLabel *>())
            legendas << etiqueta->text();
        for (const char *legenda : {"Tamanho Ficheiro:", "Bytes Recebidos:", "Velocidade:",
                                    "Tempo Decorrido:", "Tempo Restante:"})
            QVERIFY2(legendas.contains(QString::fromUtf8(legenda)), legenda);
        QVERIFY(!janela.DownloadTerminado());
    }

    void mostraProgresso()
    {
        frmUpdate janela;
        janela.FicheiroATrazer = servidor->url(QStringLiteral("pedacos/400000"));
        janela.FicheiroDestino = destino();
        janela.show();
        QVERIFY(QTest::qWaitForWindowExposed(&janela));

        const auto *botao = janela.findChild<QPushButton *>(QStringLiteral("cmdDownload"));
        const auto *barra = janela.findChild<BarraProgresso *>(QStringLiteral("Picture1"));
        const auto *estado = janela.findChild<QLabel *>(QStringLiteral("lblStatus"));
        QVERIFY(botao && barra && estado);

        QList<Momento> momentos;
        connect(&janela.descarga(), &Descarga::progresso, this, [&] {
            momentos.append({texto(janela, "lblSize"), texto(janela, "lblRecieve"),
                             barra->percentagem(), botao->isEnabled()});
        });
        QSignalSpy fim(&janela, &frmUpdate::terminado);
        janela.Iniciar();
        QVERIFY(!estado->isVisible());
        QVERIFY(!botao->isEnabled());

        // The clock labels follow the once-a-second timer while the download runs.
        QTRY_VERIFY_WITH_TIMEOUT(!texto(janela, "lblElapsed").isEmpty() || !fim.isEmpty(), 5000);
        if (fim.isEmpty()) {
            QVERIFY(texto(janela, "lblElapsed").startsWith(QStringLiteral("00:00:0")));
            QVERIFY(!texto(janela, "lblSpeed").isEmpty());
        }
        QVERIFY(fim.wait(20000) || !fim.isEmpty());
        QCOMPARE(fim.at(0).at(0).toBool(), true);

        QVERIFY(momentos.size() > 10);
        QCOMPARE(momentos.last().tamanho, QStringLiteral("390,63 KB"));
        QCOMPARE(momentos.last().recebidos, QStringLiteral("390,63 KB"));
        QCOMPARE(momentos.last().percentagem, 100);
        bool intermedio = false;
        for (qsizetype i = 0; i < momentos.size(); ++i) {
            QCOMPARE(momentos.at(i).tamanho, QStringLiteral("390,63 KB"));
            QVERIFY(!momentos.at(i).botaoActivo);
            if (i > 0)
                QVERIFY(momentos.at(i).percentagem >= momentos.at(i - 1).percentagem);
            intermedio = intermedio || (momentos.at(i).percentagem > 0 && momentos.at(i).percentagem < 100);
        }
        QVERIFY(intermedio);

        QVERIFY(janela.DownloadTerminado());
        QVERIFY(janela.sucesso());
        QVERIFY(estado->isVisible());
        QCOMPARE(estado->text(), QStringLiteral("Download Terminado"));
        QVERIFY(!barra->isVisible());
        QVERIFY(botao->isEnabled());
        QCOMPARE(texto(janela, "lblSpeed"), QStringLiteral(",00"));
        QCOMPARE(texto(janela, "lblRemaining"), QStringLiteral("00:00:00"));
        QVERIFY(!texto(janela, "lblElapsed").isEmpty());
        QFile recebido(destino());
        QVERIFY(recebido.open(QIODevice::ReadOnly));
        QCOMPARE(recebido.readAll(), corpoGerado(400000));
    }

    void botaoDownload()
    {
        frmUpdate janela;
        janela.FicheiroATrazer = servidor->url(QStringLiteral("gerado/5000"));
        janela.FicheiroDestino = destino();
        janela.show();
        QSignalSpy fim(&janela, &frmUpdate::terminado);
        QTest::mouseClick(janela.findChild<QPushButton *>(QStringLiteral("cmdDownload")), Qt::LeftButton);
        QVERIFY(fim.wait(20000) || !fim.isEmpty());
        QVERIFY(janela.sucesso());
        QCOMPARE(texto(janela, "lblSize"), QStringLiteral("4,88 KB"));
        QCOMPARE(texto(janela, "lblRecieve"), QStringLiteral("4,88 KB"));
    }

    void mostraFalha()
    {
        frmUpdate janela;
        janela.FicheiroATrazer = servidor->url(QStringLiteral("nao-existe.exe"));
        janela.FicheiroDestino = destino();
        janela.show();
        QSignalSpy fim(&janela, &frmUpdate::terminado);
        janela.Iniciar();
        QVERIFY(fim.wait(20000) || !fim.isEmpty());
        QCOMPARE(fim.at(0).at(0).toBool(), false);
        QVERIFY(janela.DownloadTerminado());
        QVERIFY(!janela.sucesso());
        const auto *estado = janela.findChild<QLabel *>(QStringLiteral("lblStatus"));
        QVERIFY(estado->isVisible());
        QVERIFY2(estado->text().contains(QStringLiteral("404")), qPrintable(estado->text()));
        QCOMPARE(estado->text(), janela.mensagemErro());
        QVERIFY(janela.findChild<QPushButton *>(QStringLiteral("cmdDownload"))->isEnabled());
        QVERIFY(!QFile::exists(destino()));
    }

    // Closing the window stops the download, so nobody waits for it forever.
    void fecharPara()
    {
        frmUpdate janela;
        janela.FicheiroATrazer = servidor->url(QStringLiteral("pedacos/400000"));
        janela.FicheiroDestino = destino();
        janela.show();
        QSignalSpy fim(&janela, &frmUpdate::terminado);
        QSignalSpy passos(&janela.descarga(), &Descarga::progresso);
        janela.Iniciar();
        QVERIFY(passos.wait(10000));
        janela.close();
        QCOMPARE(fim.size(), 1);
        QCOMPARE(fim.at(0).at(0).toBool(), false);
        QVERIFY(janela.DownloadTerminado());
        QVERIFY(janela.mensagemErro().isEmpty());
        QVERIFY(!QFile::exists(destino()));
    }

    void barraDesenhada_data()
    {
        QTest::addColumn<int>("percentagem");
        QTest::addColumn<QString>("texto");
        QTest::newRow("0") << 0 << "%";
        QTest::newRow("50") << 50 << "50%";
        QTest::newRow("100") << 100 << "100%";
    }
    void barraDesenhada()
    {
        QFETCH(int, percentagem);
        BarraProgresso barra;
        barra.resize(200, 20);
        barra.UpdateProgress(percentagem);
        QTEST(barra.texto(), "texto");
        const QImage imagem = barra.grab().toImage();
        const QColor frente = barra.palette().color(QPalette::Text);
        const QColor fundo = barra.palette().color(QPalette::Base);
        const int largura = imagem.width();
        QCOMPARE(QColor(imagem.pixel(1, 1)), percentagem > 0 ? frente : fundo);
        QCOMPARE(QColor(imagem.pixel(largura - 2, 1)), percentagem == 100 ? frente : fundo);
    }
};

QTEST_MAIN(TesteFrmUpdate)
#include "tst_frmupdate.moc"
