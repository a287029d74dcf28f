#include "LigacaoSendmail.h"

#include "MensagemMime.h"
#include "Relogio.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace qrx {

namespace {

// A mail program that hangs must not hold the caller for ever.
constexpr int TempoLimiteMs = 5 * 60 * 1000;

// There is no session to keep: any non-zero value tells the caller it is logged on.
constexpr quintptr SessaoSendmail = 1;

bool programaExiste(const QString &programa)
{
    if (programa.isEmpty())
        return false;
    if (!programa.contains(u'/'))
        return !QStandardPaths::findExecutable(programa).isEmpty();
    const QFileInfo info(programa);
    return info.isFile() && info.isExecutable();
}

} // namespace

quint32 codigoMapiDaSaidaSendmail(int saida)
{
    switch (saida) {
    case 0: return MapiSucesso;
    case 65: return MapiMensagemInvalida;         // EX_DATAERR
    case 67: return MapiDestinatarioDesconhecido; // EX_NOUSER
    case 68:                                      // EX_NOHOST
    case 69:                                      // EX_UNAVAILABLE
    case 75:                                      // EX_TEMPFAIL
    case 76: return MapiFalhaRede;                // EX_PROTOCOL
    case 73: return MapiDiscoCheio;               // EX_CANTCREAT
    case 77: return MapiAcessoNegado;             // EX_NOPERM
    default: return MapiFalha;
    }
}

quint32 LigacaoSendmail::logon(quintptr janela, quintptr &sessao)
{
    Q_UNUSED(janela)
    if (!programaExiste(m_programa))
        return MapiFalhaLogon;
    sessao = SessaoSendmail;
    return MapiSucesso;
}

quint32 LigacaoSendmail::logoff(quintptr sessao, quintptr janela)
{
    Q_UNUSED(janela)
    return sessao == SessaoSendmail ? MapiSucesso : MapiSessaoInvalida;
}

quint32 LigacaoSendmail::enviar(quintptr sessao, quintptr janela, const MensagemMapi &mensagem)
{
    Q_UNUSED(janela)
    if (sessao != SessaoSendmail)
        return MapiSessaoInvalida;

    const MensagemMimeComposta composta = compoeMensagemMime(mensagem, RelogioSistema().agora());
    if (composta.codigo != MapiSucesso)
        return composta.codigo;

    QProcess sendmail;
    sendmail.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    sendmail.setStandardOutputFile(QProcess::nullDevice());
    // -i: a line holding only "." is text, not the end of the message.
    sendmail.start(m_programa, {QStringLiteral("-t"), QStringLiteral("-i")});
    if (!sendmail.waitForStarted())
        return MapiFalha;
    sendmail.write(composta.mensagem);
    sendmail.closeWriteChannel();
    if (!sendmail.waitForFinished(TempoLimiteMs)) {
        sendmail.kill();
        sendmail.waitForFinished();
        return MapiFalha;
    }
    if (sendmail.exitStatus() != QProcess::NormalExit)
        return MapiFalha;
    return codigoMapiDaSaidaSendmail(sendmail.exitCode());
}

} // namespace qrx
