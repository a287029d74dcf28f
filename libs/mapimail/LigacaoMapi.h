#pragma once

#include "MensagemMapi.h"

#include <QString>
#include <QtGlobal>

#include <memory>

namespace qrx {

// The three Simple MAPI calls the mail sender needs, bound to what the platform offers.
// Every call returns a Simple MAPI result code.
class LigacaoMapi {
public:
    virtual ~LigacaoMapi() = default;

    virtual quint32 logon(quintptr janela, quintptr &sessao) = 0;
    virtual quint32 logoff(quintptr sessao, quintptr janela) = 0;
    virtual quint32 enviar(quintptr sessao, quintptr janela, const MensagemMapi &mensagem) = 0;

    // The program a binding hands the message to, where it uses one.
    virtual void defineProgramaEnvio(const QString &programa) { Q_UNUSED(programa) }
};

// The binding of this platform: Simple MAPI on Windows, sendmail elsewhere.
std::unique_ptr<LigacaoMapi> criaLigacaoMapi();

} // namespace qrx
