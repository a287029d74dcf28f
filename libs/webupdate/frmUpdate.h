#pragma once

#include "Descarga.h"

#include <qrxCoreWebUpdate/qrxcorewebupdate_export.h>

#include <QString>
#include <QTimer>
#include <QWidget>

class QCloseEvent;
class QLabel;
class QPushButton;
class QShowEvent;

namespace qrx {

class BarraProgresso;

// The download window: shows what the Descarga reports (sizes, speed, times, a progress bar)
// and nothing else. Closing it stops the download.
class QRXCOREWEBUPDATE_EXPORT frmUpdate : public QWidget {
    Q_OBJECT

public:
    explicit frmUpdate(QWidget *parent = nullptr);
    ~frmUpdate() override;

    QString FicheiroATrazer;
    QString FicheiroDestino;

    // True once the download has ended, whatever the outcome.
    bool DownloadTerminado() const { return m_terminado; }
    // True when the installer arrived complete.
    bool sucesso() const { return m_descarga.estado() == Descarga::Estado::Terminada; }
    // Why the download failed; empty after success or when the window was closed.
    QString mensagemErro() const { return m_descarga.mensagemErro(); }

    void setTempoLimite(int segundos) { m_descarga.setTempoLimite(segundos); }
    const Descarga &descarga() const { return m_descarga; }

    // Starts the download of FicheiroATrazer into FicheiroDestino (also the Download button).
    void Iniciar();

Q_SIGNALS:
    void terminado(bool sucesso);

protected:
    void showEvent(QShowEvent *evento) override;
    void closeEvent(QCloseEvent *evento) override;

private:
    void mostraProgresso(qint64 recebidos, qint64 total);
    void mostraTempos();
    void fimDescarga(bool ok);
    void Reset();

    Descarga m_descarga;
    QPushButton *cmdDownload;
    QLabel *lblSize;
    QLabel *lblRecieve;
    QLabel *lblSpeed;
    QLabel *lblElapsed;
    QLabel *lblRemaining;
    QLabel *lblStatus;
    BarraProgresso *Picture1;
    QTimer tmrTimeLeft;
    bool m_terminado = false;
    bool m_centrada = false;
};

} // namespace qrx
