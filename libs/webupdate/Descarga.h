#pragma once

#include "EnderecoDescarga.h"
#include "Relogio.h"

#include <qrxCoreWebUpdate/qrxcorewebupdate_export.h>

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

class QSaveFile;
class QTcpSocket;

namespace qrx {

// Downloads one file with an HTTP/1.0 GET over a socket of its own (TLS for https). The file
// is committed into place only when the body is exactly as long as the server's
// Content-Length; any other ending (a status other than 200, no Content-Length, a connection
// that closes early, no answer within the time limit) leaves the previous file untouched and
// reports why.
class QRXCOREWEBUPDATE_EXPORT Descarga : public QObject {
    Q_OBJECT

public:
    enum class Estado { Parada, ALigar, ARecever, Terminada, Falhada, Cancelada };

    // Without a clock the system clock is used.
    explicit Descarga(const Relogio *relogio = nullptr, QObject *parent = nullptr);
    ~Descarga() override;

    void setTempoLimite(int segundos);
    int tempoLimite() const { return m_tempoLimite; }

    void Iniciar(const QString &FicheiroATrazer, const QString &FicheiroDestino);
    // Stops a running download (the window was closed); the file is not kept.
    void cancelar();

    Estado estado() const { return m_estado; }
    bool activa() const { return m_estado == Estado::ALigar || m_estado == Estado::ARecever; }
    const EnderecoDescarga &endereco() const { return m_endereco; }
    QByteArray cabecalho() const { return m_cabecalho; }
    qint64 recebidos() const { return m_recebidos; }
    qint64 total() const { return m_total; }          // 0 until the header arrived
    double velocidade() const { return m_velocidade; } // thousands of bytes per second
    qint64 segundosDecorridos() const;
    QString mensagemErro() const { return m_mensagemErro; }

Q_SIGNALS:
    void progresso(qint64 recebidos, qint64 total);
    // Emitted once per Iniciar: true when the file is complete and in place.
    void terminou(bool sucesso);

private:
    void enviaPedido();
    void recebeDados();
    void ligacaoTerminada();
    void erroSocket();
    void tratCabecalho();
    void gravaCorpo(const QByteArray &corpo);
    void falha(const QString &mensagem);
    void encerraSocket();

    std::unique_ptr<Relogio> m_relogioProprio;
    const Relogio *m_relogio;
    QTcpSocket *m_socket = nullptr;
    std::unique_ptr<QSaveFile> m_ficheiro;
    QTimer m_tempoEsgotado;
    int m_tempoLimite = 60;

    Estado m_estado = Estado::Parada;
    EnderecoDescarga m_endereco;
    QByteArray m_pendente;      // what came before the end of the header
    QByteArray m_cabecalho;
    bool m_cabecalhoLido = false;
    qint64 m_recebidos = 0;
    qint64 m_total = 0;
    double m_velocidade = 0.0;
    QDateTime m_inicio;
    qint64 m_decorridosFinal = -1;
    QString m_mensagemErro;
};

} // namespace qrx
