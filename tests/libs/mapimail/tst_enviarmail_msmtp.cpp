// End to end: the mail sender hands the message to msmtp (as the sendmail program), which
// delivers it over SMTP to an aiosmtpd sink on a loopback port that stores it in a Maildir.
#include <qrxCoreMapiMail/cl_enviarMail.h>

#include "LeitorMensagem.h"

#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

using namespace qrx;

namespace {

const QString Python = QStringLiteral("/usr/bin/python3");

quint16 portaLivre()
{
    QTcpServer servidor;
    if (!servidor.listen(QHostAddress::LocalHost, 0))
        return 0;
    return servidor.serverPort();
}

bool aceitaLigacoes(quint16 porta)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, porta);
    return socket.waitForConnected(200);
}

bool escreveExecutavel(const QString &caminho, const QString &texto)
{
    QFile f(caminho);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(texto.toUtf8());
    f.close();
    return f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace

class TstEnviarMailMsmtp : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void entregaPorSmtp();
    void servidorEmBaixoEFalhaDeRede();

private:
    // A wrapper that runs msmtp against the given port, as a sendmail program would run.
    QString programaMsmtp(quint16 porta, const QString &nome);

    QTemporaryDir m_pasta;
    QString m_caixa;
    QString m_msmtp;
    quint16 m_porta = 0;
    QProcess m_servidor;
};

void TstEnviarMailMsmtp::initTestCase()
{
    m_msmtp = QStandardPaths::findExecutable(QStringLiteral("msmtp"));
    if (m_msmtp.isEmpty())
        QSKIP("msmtp is not installed (Debian package msmtp)");
    if (QProcess::execute(Python, {QStringLiteral("-c"), QStringLiteral("import aiosmtpd")}) != 0)
        QSKIP("aiosmtpd is not installed for /usr/bin/python3 (Debian package python3-aiosmtpd)");
    QVERIFY(m_pasta.isValid());

    m_caixa = m_pasta.filePath(QStringLiteral("caixa"));
    m_porta = portaLivre();
    QVERIFY(m_porta != 0);
    m_servidor.setProcessChannelMode(QProcess::ForwardedChannels);
    m_servidor.start(Python, {QStringLiteral("-m"), QStringLiteral("aiosmtpd"), QStringLiteral("-n"),
                              QStringLiteral("-l"), QStringLiteral("127.0.0.1:%1").arg(m_porta),
                              QStringLiteral("-c"), QStringLiteral("aiosmtpd.handlers.Mailbox"),
                              m_caixa});
    QVERIFY(m_servidor.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(aceitaLigacoes(m_porta), 15000);
}

void TstEnviarMailMsmtp::cleanupTestCase()
{
    if (m_servidor.state() == QProcess::NotRunning)
        return;
    m_servidor.terminate();
    if (!m_servidor.waitForFinished(5000)) {
        m_servidor.kill();
        m_servidor.waitForFinished();
    }
}

QString TstEnviarMailMsmtp::programaMsmtp(quint16 porta, const QString &nome)
{
    const QString configuracao = m_pasta.filePath(QStringLiteral("msmtprc"));
    QFile vazio(configuracao);
    if (vazio.open(QIODevice::WriteOnly))
        vazio.close();
    vazio.setPermissions(QFile::ReadOwner | QFile::WriteOwner);

    const QString programa = m_pasta.filePath(nome);
    escreveExecutavel(programa,
                      QStringLiteral("#!/bin/sh\n"
                                     "exec '%1' -C '%2' --host=127.0.0.1 --port=%3 "
                                     "--domain=localhost --auth=off --tls=off "
                                     "--from=expedidor@exemplo.pt \"$@\"\n")
                          .arg(m_msmtp, configuracao, QString::number(porta)));
    return programa;
}

void TstEnviarMailMsmtp::entregaPorSmtp()
{
    const QString anexo = m_pasta.filePath(QStringLiteral("Guia nº 7 de Março.pdf"));
    QByteArray dados;
    for (int i = 0; i < 5000; ++i)
        dados += char(i * 7);
    {
        QFile f(anexo);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(dados);
    }

    cl_enviarMail mail;
    mail.setProgramaSendmail(programaMsmtp(m_porta, QStringLiteral("sendmail-msmtp")));
    QSignalSpy avisos(&mail, &cl_enviarMail::Aviso);

    QVERIFY(mail.EnviarMail({QStringLiteral("Ana Conceição <ana@exemplo.pt>")},
                            {QStringLiteral("copia@exemplo.pt")},
                            {QStringLiteral("oculto@exemplo.pt")},
                            QStringLiteral("Guia de remessa – Março"),
                            QStringLiteral("Bom dia,\n.\nsegue a guia.\n"), {anexo}));
    QCOMPARE(avisos.size(), 1);
    QCOMPARE(avisos.at(0).at(0).toString(), QStringLiteral("Mensagem enviada com sucesso !"));

    const QStringList recebidas = QDir(m_caixa + QStringLiteral("/new")).entryList(QDir::Files);
    QCOMPARE(recebidas.size(), 1);
    const QJsonObject lida = testes::leMensagem(m_caixa + QStringLiteral("/new/") + recebidas.first());

    QCOMPARE(lida.value(u"mailfrom").toString(), QStringLiteral("expedidor@exemplo.pt"));
    const QStringList envelope = lida.value(u"rcptto").toString().split(QStringLiteral(", "));
    QCOMPARE(envelope, (QStringList{QStringLiteral("ana@exemplo.pt"),
                                    QStringLiteral("copia@exemplo.pt"),
                                    QStringLiteral("oculto@exemplo.pt")}));
    // The blind copy travels in the envelope only.
    QVERIFY(!lida.value(u"cabecalhos").toArray().contains(QStringLiteral("Bcc")));

    const QJsonArray para = lida.value(u"para").toArray();
    QCOMPARE(para.size(), 1);
    QCOMPARE(para.at(0).toObject().value(u"nome").toString(), QStringLiteral("Ana Conceição"));
    QCOMPARE(lida.value(u"assunto").toString(), QStringLiteral("Guia de remessa – Março"));
    QCOMPARE(lida.value(u"corpo").toString(), QStringLiteral("Bom dia,\n.\nsegue a guia.\n"));

    const QJsonArray anexos = lida.value(u"anexos").toArray();
    QCOMPARE(anexos.size(), 1);
    QCOMPARE(anexos.at(0).toObject().value(u"nome").toString(),
             QStringLiteral("Guia nº 7 de Março.pdf"));
    QCOMPARE(QByteArray::fromBase64(anexos.at(0).toObject().value(u"dados").toString().toLatin1()),
             dados);
    QVERIFY(lida.value(u"defeitos").toArray().isEmpty());
}

void TstEnviarMailMsmtp::servidorEmBaixoEFalhaDeRede()
{
    cl_enviarMail mail;
    mail.setProgramaSendmail(programaMsmtp(portaLivre(), QStringLiteral("sendmail-sem-servidor")));
    QSignalSpy avisos(&mail, &cl_enviarMail::Aviso);

    QVERIFY(!mail.EnviarMail({QStringLiteral("ana@exemplo.pt")}, {}, {}, QStringLiteral("s"),
                             QStringLiteral("t"), {QString()}));
    QCOMPARE(avisos.size(), 1);
    QCOMPARE(avisos.at(0).at(0).toString(),
             QStringLiteral("Mensagem não foi enviada !\r\n Erro 23"));
}

QTEST_GUILESS_MAIN(TstEnviarMailMsmtp)
#include "tst_enviarmail_msmtp.moc"
