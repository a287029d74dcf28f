#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

namespace qrx::testes {

// The test HTTP server (servidor_http.py, python3 http.server) on a free 127.0.0.1 port,
// serving its own temporary folder; https when given a certificate and key. Stopped when
// the object goes.
class ServidorHttp {
public:
    explicit ServidorHttp(const QString &certificado = QString(), const QString &chave = QString())
    {
        const QString script = m_pasta.filePath(QStringLiteral("servidor_http.py"));
        QFile::copy(QStringLiteral(QRX_SERVIDOR_HTTP), script);
        QStringList argumentos{script, m_pasta.filePath(QStringLiteral("www"))};
        QDir(m_pasta.path()).mkpath(QStringLiteral("www"));
        if (!certificado.isEmpty())
            argumentos << certificado << chave;
        m_processo.setProcessChannelMode(QProcess::SeparateChannels);
        m_processo.start(QStringLiteral("/usr/bin/python3"), argumentos);
        if (!m_processo.waitForStarted(10000))
            return;
        QByteArray saida;
        while (!saida.contains('\n') && m_processo.waitForReadyRead(10000))
            saida += m_processo.readAllStandardOutput();
        if (saida.startsWith("PORTA "))
            m_porta = saida.mid(6).trimmed().toInt();
    }

    ~ServidorHttp()
    {
        m_processo.kill();
        m_processo.waitForFinished(5000);
    }

    ServidorHttp(const ServidorHttp &) = delete;
    ServidorHttp &operator=(const ServidorHttp &) = delete;

    bool activo() const { return m_porta > 0; }
    QString erros() { return QString::fromLocal8Bit(m_processo.readAllStandardError()); }

    QString url(const QString &caminho, const QString &esquema = QStringLiteral("http")) const
    {
        return esquema + QStringLiteral("://127.0.0.1:") + QString::number(m_porta) + u'/'
            + caminho;
    }

    // Puts a file into the served folder.
    void publica(const QString &nome, const QByteArray &conteudo) const
    {
        QFile ficheiro(m_pasta.filePath(QStringLiteral("www/") + nome));
        QVERIFY(ficheiro.open(QIODevice::WriteOnly));
        QCOMPARE(ficheiro.write(conteudo), conteudo.size());
    }

    // Every request received so far, request line and header fields, CR LF ended.
    QByteArray pedidos() const
    {
        QFile ficheiro(m_pasta.filePath(QStringLiteral("www/pedidos.log")));
        return ficheiro.open(QIODevice::ReadOnly) ? ficheiro.readAll() : QByteArray();
    }

private:
    QTemporaryDir m_pasta;
    QProcess m_processo;
    int m_porta = 0;
};

// The body the server computes for /gerado/<n>, /curto/<n> etc.
inline QByteArray corpoGerado(qsizetype tamanho)
{
    QByteArray dados(tamanho, Qt::Uninitialized);
    for (qsizetype i = 0; i < tamanho; ++i)
        dados[i] = static_cast<char>((i * 7) % 256);
    return dados;
}

} // namespace qrx::testes
