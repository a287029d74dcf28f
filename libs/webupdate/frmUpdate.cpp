#include "frmUpdate.h"

#include "BarraProgresso.h"
#include "TextosDescarga.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

namespace qrx {

namespace {
QLabel *novoValor(QWidget *pai, const char *nome)
{
    auto *etiqueta = new QLabel(pai);
    etiqueta->setObjectName(QLatin1String(nome));
    etiqueta->setMinimumWidth(120);
    return etiqueta;
}
} // namespace

frmUpdate::frmUpdate(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("qrx_Update - Actualização de Software"));

    auto *quadro = new QGroupBox(QStringLiteral("Download da actualização"), this);
    auto *campos = new QFormLayout(quadro);
    lblSize = novoValor(quadro, "lblSize");
    lblRecieve = novoValor(quadro, "lblRecieve");
    lblSpeed = novoValor(quadro, "lblSpeed");
    lblElapsed = novoValor(quadro, "lblElapsed");
    lblRemaining = novoValor(quadro, "lblRemaining");
    campos->addRow(QStringLiteral("Tamanho Ficheiro:"), lblSize);
    campos->addRow(QStringLiteral("Bytes Recebidos:"), lblRecieve);
    campos->addRow(QStringLiteral("Velocidade:"), lblSpeed);
    campos->addRow(QStringLiteral("Tempo Decorrido:"), lblElapsed);
    campos->addRow(QStringLiteral("Tempo Restante:"), lblRemaining);

    Picture1 = new BarraProgresso(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    lblStatus = new QLabel(this);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->setWordWrap(true);
    lblStatus->hide();
    cmdDownload = new QPushButton(QStringLiteral("&Download"), this);
    cmdDownload->setObjectName(QStringLiteral("cmdDownload"));

    auto *principal = new QVBoxLayout(this);
    principal->addWidget(quadro);
    principal->addWidget(Picture1);
    principal->addWidget(lblStatus);
    principal->addWidget(cmdDownload, 0, Qt::AlignRight);

    tmrTimeLeft.setObjectName(QStringLiteral("tmrTimeLeft"));
    tmrTimeLeft.setInterval(1000);
    connect(&tmrTimeLeft, &QTimer::timeout, this, &frmUpdate::mostraTempos);
    connect(cmdDownload, &QPushButton::clicked, this, &frmUpdate::Iniciar);
    // The bar follows every received block rather than a fast timer.
    connect(&m_descarga, &Descarga::progresso, this, &frmUpdate::mostraProgresso);
    connect(&m_descarga, &Descarga::terminou, this, &frmUpdate::fimDescarga);
    Reset();
}

frmUpdate::~frmUpdate()
{
    m_descarga.disconnect(this);
    m_descarga.cancelar();
}

void frmUpdate::Iniciar()
{
    m_terminado = false;
    lblStatus->hide();
    Picture1->show();
    cmdDownload->setEnabled(false);
    tmrTimeLeft.start();
    m_descarga.Iniciar(FicheiroATrazer, FicheiroDestino);
}

void frmUpdate::showEvent(QShowEvent *evento)
{
    QWidget::showEvent(evento);
    if (m_centrada)
        return;
    m_centrada = true;
    if (const QScreen *ecra = screen()) {
        QRect moldura = frameGeometry();
        moldura.moveCenter(ecra->availableGeometry().center());
        move(moldura.topLeft());
    }
}

void frmUpdate::closeEvent(QCloseEvent *evento)
{
    m_descarga.cancelar();
    QWidget::closeEvent(evento);
}

void frmUpdate::mostraProgresso(qint64 recebidos, qint64 total)
{
    if (total <= 0)
        return;
    lblSize->setText(File_ByteConversion(total));
    lblRecieve->setText(File_ByteConversion(recebidos));
    Picture1->UpdateProgress(percentagem(recebidos, total));
}

void frmUpdate::mostraTempos()
{
    const qint64 total = m_descarga.total();
    const qint64 recebidos = m_descarga.recebidos();
    if (total <= 0 || recebidos <= 0 || !m_descarga.activa())
        return;
    lblElapsed->setText(ConvertTime(m_descarga.segundosDecorridos()));
    lblRemaining->setText(textoRestante(total, recebidos, m_descarga.velocidade()));
    lblSpeed->setText(textoVelocidade(m_descarga.velocidade()));
}

void frmUpdate::fimDescarga(bool ok)
{
    tmrTimeLeft.stop();
    lblSpeed->setText(textoVelocidade(0.0));
    lblElapsed->setText(ConvertTime(m_descarga.segundosDecorridos()));
    if (ok) {
        lblRemaining->setText(ConvertTime(0));
        Picture1->hide();
        lblStatus->setText(QStringLiteral("Download Terminado"));
    } else {
        lblStatus->setText(m_descarga.mensagemErro());
    }
    lblStatus->setVisible(!lblStatus->text().isEmpty());
    Reset();
    m_terminado = true;
    Q_EMIT terminado(ok);
}

void frmUpdate::Reset()
{
    Picture1->UpdateProgress(0);
    cmdDownload->setEnabled(true);
}

} // namespace qrx
