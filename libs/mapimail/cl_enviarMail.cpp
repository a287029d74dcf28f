#include <qrxCoreMapiMail/cl_enviarMail.h>

#include "LigacaoMapi.h"
#include "MensagemMapi.h"

#include <QFileInfo>
#include <QMetaMethod>

#include <cstdio>

namespace qrx {

namespace {

QString tituloEnvio() { return QStringLiteral("Envio de e-mail"); }

QString programaSendmailPredefinido()
{
    const QString doAmbiente = qEnvironmentVariable("QRX_SENDMAIL");
    return doAmbiente.isEmpty() ? QStringLiteral("/usr/sbin/sendmail") : doAmbiente;
}

} // namespace

struct cl_enviarMail::Dados {
    std::unique_ptr<LigacaoMapi> ligacao = criaLigacaoMapi();
    quintptr sessao = 0;
    MensagemMapi mensagem;
    QString programaSendmail = programaSendmailPredefinido();
};

cl_enviarMail::cl_enviarMail(QObject *parent) : QObject(parent), d(std::make_unique<Dados>())
{
    d->ligacao->defineProgramaEnvio(d->programaSendmail);
}

cl_enviarMail::~cl_enviarMail()
{
    if (d->sessao != 0)
        Logoff(0);
    d->mensagem = {};
}

bool cl_enviarMail::EnviarMail(const QStringList &Para, const QStringList &CC,
                               const QStringList &bcc, const QString &Assunto,
                               const QString &Mensagem, const QStringList &ficheiros,
                               quintptr HandelJanela)
{
    // A session left open by an earlier mail is used again rather than refused.
    if (d->sessao == 0 && Logon(HandelJanela) != MapiSucesso) {
        avisa(QStringLiteral("Problemas na ligação ao programa de e_mail.\r\n"
                             "Não foi possivel enviar o e-mail !"),
              Icone::Critico);
        return false;
    }
    Compose();

    const std::pair<const QStringList *, RecipientType> listas[] = {
        {&Para, rtTo}, {&CC, rtcc}, {&bcc, rtbcc}};
    for (const auto &[lista, classe] : listas) {
        if (!lista->isEmpty() && !lista->first().trimmed().isEmpty())
            AddRecipients(classe, *lista);
    }

    setSubject(Assunto);
    setMessageText(Mensagem);
    if (!ficheiros.isEmpty() && !ficheiros.first().trimmed().isEmpty())
        InsertAttachments(ficheiros);

    const quint32 codigo = Send(HandelJanela);
    if (codigo == MapiSucesso) {
        avisa(QStringLiteral("Mensagem enviada com sucesso !"), Icone::Informacao);
        return true;
    }
    avisa(QStringLiteral("Mensagem não foi enviada !\r\n Erro ") + QString::number(codigo),
          Icone::Critico);
    return false;
}

quint32 cl_enviarMail::Logon(quintptr hWndOwner)
{
    if (d->sessao != 0)
        return MapiDemasiadasSessoes;
    return d->ligacao->logon(hWndOwner, d->sessao);
}

quint32 cl_enviarMail::Logoff(quintptr hWndOwner)
{
    if (d->sessao == 0)
        return MapiSucesso;
    const quint32 codigo = d->ligacao->logoff(d->sessao, hWndOwner);
    // Whatever the library answers, the handle is no longer one to use.
    d->sessao = 0;
    return codigo;
}

quint32 cl_enviarMail::Compose()
{
    if (d->sessao == 0)
        return MapiSessaoInvalida;
    d->mensagem = {};
    return MapiSucesso;
}

void cl_enviarMail::AddRecipients(RecipientType rtRecipientType, const QStringList &saRecipients)
{
    for (const QString &texto : saRecipients)
        d->mensagem.destinatarios.append({rtRecipientType, texto, QStringLiteral("SMTP:") + texto});
}

void cl_enviarMail::InsertAttachments(const QStringList &saFilepaths)
{
    for (const QString &caminho : saFilepaths) {
        d->mensagem.texto += u' ';
        d->mensagem.anexos.append({caminho, QFileInfo(caminho).fileName(),
                                   qint32(d->mensagem.texto.size() - 1)});
    }
}

quint32 cl_enviarMail::Send(quintptr hWndOwner)
{
    if (d->sessao == 0)
        return MapiSessaoInvalida;
    return d->ligacao->enviar(d->sessao, hWndOwner, d->mensagem);
}

void cl_enviarMail::AppendToMessageText(const QString &sText) { d->mensagem.texto += sText; }

QString cl_enviarMail::Subject() const { return d->mensagem.assunto; }
void cl_enviarMail::setSubject(const QString &assunto) { d->mensagem.assunto = assunto; }
QString cl_enviarMail::MessageText() const { return d->mensagem.texto; }
void cl_enviarMail::setMessageText(const QString &texto) { d->mensagem.texto = texto; }

QList<DestinatarioMapi> cl_enviarMail::Destinatarios() const { return d->mensagem.destinatarios; }
QList<AnexoMapi> cl_enviarMail::Anexos() const { return d->mensagem.anexos; }
quintptr cl_enviarMail::Sessao() const { return d->sessao; }

QString cl_enviarMail::ProgramaSendmail() const { return d->programaSendmail; }

void cl_enviarMail::setProgramaSendmail(const QString &programa)
{
    d->programaSendmail = programa;
    d->ligacao->defineProgramaEnvio(programa);
}

void cl_enviarMail::avisa(const QString &texto, Icone icone)
{
    if (isSignalConnected(QMetaMethod::fromSignal(&cl_enviarMail::Aviso))) {
        Q_EMIT Aviso(texto, icone, tituloEnvio());
        return;
    }
    // Nobody shows it: the person still learns the outcome.
    const QByteArray linhas = QString(texto).replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                                  .toLocal8Bit();
    std::fprintf(stderr, "%s: %s\n", tituloEnvio().toLocal8Bit().constData(), linhas.constData());
}

} // namespace qrx
