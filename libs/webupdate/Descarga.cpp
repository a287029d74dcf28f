#include "Descarga.h"

#include "RespostaHttp.h"
#include "TextosDescarga.h"

#include <QSaveFile>
#include <QSslSocket>
#include <QTcpSocket>

namespace qrx {

namespace {
// A header that never ends is not a header.
constexpr qsizetype MaximoCabecalho = 64 * 1024;
const QByteArray FimCabecalho("\r\n\r\n");
} // namespace

Descarga::Descarga(const Relogio *relogio, QObject *parent)
    : QObject(parent)
    , m_relogioProprio(relogio ? nullptr : std::make_unique<RelogioSistema>())
    , m_relogio(relogio ? relogio : m_relogioProprio.get())
{
    m_tempoEsgotado.setSingleShot(true);
    connect(&m_tempoEsgotado, &QTimer::timeout, this, [this] {
        falha(u"O servidor não respondeu em " % QString::number(m_tempoLimite)
              % u" segundos a " % m_endereco.urlCompleto % u'.');
    });
}

Descarga::~Descarga()
{
    if (m_socket)
        m_socket->disconnect(this);
    if (m_ficheiro)
        m_ficheiro->cancelWriting();
}

void Descarga::setTempoLimite(int segundos)
{
    m_tempoLimite = qMax(1, segundos);
}

qint64 Descarga::segundosDecorridos() const
{
    if (m_decorridosFinal >= 0)
        return m_decorridosFinal;
    if (!m_inicio.isValid())
        return 0;
    return qMax<qint64>(0, m_inicio.secsTo(m_relogio->agora()));
}

void Descarga::Iniciar(const QString &FicheiroATrazer, const QString &FicheiroDestino)
{
    if (activa())
        cancelar();
    encerraSocket();
    m_pendente.clear();
    m_cabecalho.clear();
    m_cabecalhoLido = false;
    m_recebidos = 0;
    m_total = 0;
    m_velocidade = 0.0;
    m_inicio = QDateTime();
    m_decorridosFinal = -1;
    m_mensagemErro.clear();
    m_estado = Estado::ALigar;

    m_endereco = StartUpdate(FicheiroATrazer);
    if (!m_endereco.valido) {
        falha(u"O endereço do instalador não é válido: " % FicheiroATrazer);
        return;
    }
    m_ficheiro = std::make_unique<QSaveFile>(FicheiroDestino);
    if (!m_ficheiro->open(QIODevice::WriteOnly)) {
        falha(u"Não foi possível gravar " % FicheiroDestino % u": "
              % m_ficheiro->errorString());
        return;
    }

    if (m_endereco.seguro) {
        auto *seguro = new QSslSocket(this);
        connect(seguro, &QSslSocket::encrypted, this, &Descarga::enviaPedido);
        m_socket = seguro;
    } else {
        m_socket = new QTcpSocket(this);
        connect(m_socket, &QTcpSocket::connected, this, &Descarga::enviaPedido);
    }
    connect(m_socket, &QTcpSocket::readyRead, this, &Descarga::recebeDados);
    connect(m_socket, &QTcpSocket::disconnected, this, &Descarga::ligacaoTerminada);
    connect(m_socket, &QTcpSocket::errorOccurred, this, &Descarga::erroSocket);

    m_tempoEsgotado.start(m_tempoLimite * 1000);
    if (auto *seguro = qobject_cast<QSslSocket *>(m_socket))
        seguro->connectToHostEncrypted(m_endereco.host, m_endereco.porta);
    else
        m_socket->connectToHost(m_endereco.host, m_endereco.porta);
}

void Descarga::cancelar()
{
    if (!activa())
        return;
    m_decorridosFinal = segundosDecorridos();
    m_tempoEsgotado.stop();
    encerraSocket();
    if (m_ficheiro)
        m_ficheiro->cancelWriting();
    m_ficheiro.reset();
    m_estado = Estado::Cancelada;
    Q_EMIT terminou(false);
}

void Descarga::enviaPedido()
{
    // Host is not required by HTTP/1.0, but virtual hosts need it to find the file.
    const QString pedido = u"GET " % m_endereco.urlCompleto % u" HTTP/1.0\r\n"
        % u"Accept: *.*, */*\r\n"
        % u"User-Agent: qrxCore.WebUpdate/1.0\r\n"
        % u"Referer: " % m_endereco.hostCabecalho % u"\r\n"
        % u"Host: " % m_endereco.hostCabecalho % u"\r\n"
        % u"\r\n";
    m_socket->write(pedido.toUtf8());
    m_inicio = m_relogio->agora();
    m_estado = Estado::ARecever;
    m_tempoEsgotado.start(m_tempoLimite * 1000);
}

void Descarga::recebeDados()
{
    if (!activa() || !m_socket)
        return;
    const QByteArray bloco = m_socket->readAll();
    if (bloco.isEmpty())
        return;
    m_tempoEsgotado.start(m_tempoLimite * 1000);

    if (m_cabecalhoLido) {
        gravaCorpo(bloco);
        return;
    }
    m_pendente += bloco;
    const qsizetype fim = m_pendente.indexOf(FimCabecalho);
    if (fim < 0) {
        if (m_pendente.size() > MaximoCabecalho)
            falha(u"O servidor não respondeu a " % m_endereco.urlCompleto
                  % u" com uma resposta HTTP.");
        return;
    }
    m_cabecalho = m_pendente.left(fim);
    const QByteArray corpo = m_pendente.mid(fim + FimCabecalho.size());
    m_pendente.clear();
    m_cabecalhoLido = true;
    tratCabecalho();
    if (activa())
        gravaCorpo(corpo);
}

void Descarga::tratCabecalho()
{
    if (codigoEstado(m_cabecalho) != 200) {
        falha(u"O servidor não entregou " % m_endereco.urlCompleto % u" (" % linhaEstado(m_cabecalho)
              % u").");
        return;
    }
    bool ok = false;
    const qint64 tamanho = GETDATAHEAD(m_cabecalho, QStringLiteral("Content-Length")).toLongLong(&ok);
    if (!ok || tamanho < 0) {
        falha(u"O servidor não indicou o tamanho de " % m_endereco.urlCompleto
              % u"; sem ele não se pode saber se o ficheiro chegou completo.");
        return;
    }
    if (tamanho == 0) {
        falha(u"O servidor enviou " % m_endereco.urlCompleto % u" vazio.");
        return;
    }
    m_total = tamanho;
    Q_EMIT progresso(m_recebidos, m_total);
}

void Descarga::gravaCorpo(const QByteArray &corpo)
{
    // Anything past the announced length is not part of the file.
    const QByteArray parte = corpo.left(m_total - m_recebidos);
    if (!parte.isEmpty()) {
        if (m_ficheiro->write(parte) != parte.size()) {
            falha(u"Não foi possível gravar " % m_ficheiro->fileName() % u": "
                  % m_ficheiro->errorString());
            return;
        }
        m_recebidos += parte.size();
        m_velocidade = calculaVelocidade(m_recebidos, m_inicio.msecsTo(m_relogio->agora()));
        Q_EMIT progresso(m_recebidos, m_total);
    }
    if (m_recebidos < m_total)
        return;

    if (!m_ficheiro->commit()) {
        falha(u"Não foi possível gravar " % m_ficheiro->fileName() % u": "
              % m_ficheiro->errorString());
        return;
    }
    m_ficheiro.reset();
    m_decorridosFinal = segundosDecorridos();
    m_tempoEsgotado.stop();
    encerraSocket();
    m_estado = Estado::Terminada;
    Q_EMIT terminou(true);
}

void Descarga::ligacaoTerminada()
{
    if (!activa())
        return;
    // The last block may still be waiting to be read.
    recebeDados();
    if (!activa())
        return;
    if (!m_cabecalhoLido)
        falha(u"A ligação terminou sem resposta do servidor a " % m_endereco.urlCompleto % u'.');
    else
        falha(u"A ligação terminou antes de " % m_endereco.urlCompleto % u" estar completo ("
              % QString::number(m_recebidos) % u" de " % QString::number(m_total)
              % u" bytes).");
}

void Descarga::erroSocket()
{
    if (!activa() || !m_socket)
        return;
    if (m_socket->error() == QAbstractSocket::RemoteHostClosedError) {
        ligacaoTerminada();
        return;
    }
    falha(u"Não foi possível transferir " % m_endereco.urlCompleto % u": "
          % m_socket->errorString());
}

void Descarga::falha(const QString &mensagem)
{
    if (!activa())
        return;
    m_decorridosFinal = segundosDecorridos();
    m_tempoEsgotado.stop();
    encerraSocket();
    if (m_ficheiro)
        m_ficheiro->cancelWriting();
    m_ficheiro.reset();
    m_mensagemErro = mensagem;
    m_estado = Estado::Falhada;
    Q_EMIT terminou(false);
}

void Descarga::encerraSocket()
{
    if (!m_socket)
        return;
    // Called from the socket's own signals: it is released later, not here.
    m_socket->disconnect(this);
    m_socket->abort();
    m_socket->deleteLater();
    m_socket = nullptr;
}

} // namespace qrx
