#pragma once

#include <qrxCoreMapiMail/RegistosMapi.h>
#include <qrxCoreMapiMail/qrxcoremapimail_export.h>

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <memory>

namespace qrx {

class LigacaoMapi;

// Sends one e-mail through the workstation's mail program.
//
// On Windows the message goes through the system's Simple MAPI (MAPI32, loaded when the
// first session is opened). Elsewhere it is composed as a MIME message and handed to the
// system's sendmail interface ("<program> -t -i", the message on standard input); the
// program is ProgramaSendmail(): the environment variable QRX_SENDMAIL when it is set and not
// empty, else "/usr/sbin/sendmail". Logon, Logoff and Send return the Simple MAPI result
// codes (CodigoMapi) on every platform.
//
// EnviarMail tells the person the outcome through the Aviso signal; a client with windows
// connects it to a message box. When nothing is connected the text goes to standard error.
class QRXCOREMAPIMAIL_EXPORT cl_enviarMail : public QObject {
    Q_OBJECT
public:
    enum class Icone { Informacao, Critico };
    Q_ENUM(Icone)

    explicit cl_enviarMail(QObject *parent = nullptr);
    // Logs an open session off and clears the lists.
    ~cl_enviarMail() override;

    // The whole job: logon, compose, address, attach, send, and tell the person the outcome.
    // Returns true when the mail was sent. An open session is reused.
    bool EnviarMail(const QStringList &Para, const QStringList &CC, const QStringList &bcc,
                    const QString &Assunto, const QString &Mensagem,
                    const QStringList &ficheiros, quintptr HandelJanela = 0);

    // MapiDemasiadasSessoes when a session is already open; otherwise opens one, allowing the
    // logon dialog, with hWndOwner as its parent window.
    quint32 Logon(quintptr hWndOwner = 0);
    // Closes the open session (MapiSucesso when there is none).
    quint32 Logoff(quintptr hWndOwner = 0);
    // MapiSessaoInvalida without a session; otherwise starts an empty message.
    quint32 Compose();
    void AddRecipients(RecipientType rtRecipientType, const QStringList &saRecipients);
    // Each attachment takes a space appended to the body text.
    void InsertAttachments(const QStringList &saFilepaths);
    // Sends the message without showing a compose dialog; MapiSessaoInvalida without a session.
    quint32 Send(quintptr hWndOwner = 0);
    void AppendToMessageText(const QString &sText);

    QString Subject() const;
    void setSubject(const QString &assunto);
    QString MessageText() const;
    void setMessageText(const QString &texto);

    QList<DestinatarioMapi> Destinatarios() const;
    QList<AnexoMapi> Anexos() const;
    // The open session's handle; 0 when not logged on.
    quintptr Sessao() const;

    // Where the message is handed to outside Windows (ignored on Windows).
    QString ProgramaSendmail() const;
    void setProgramaSendmail(const QString &programa);

Q_SIGNALS:
    void Aviso(const QString &texto, qrx::cl_enviarMail::Icone icone, const QString &titulo);

private:
    void avisa(const QString &texto, Icone icone);

    struct Dados;
    std::unique_ptr<Dados> d;
};

} // namespace qrx
