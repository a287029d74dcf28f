#pragma once

#include "LigacaoMapi.h"

#include <QString>

namespace qrx {

// Simple MAPI over the system's sendmail interface: logon checks that the program is
// there, send composes the MIME message and pipes it to "<program> -t -i", whose exit
// status becomes the result code.
class LigacaoSendmail : public LigacaoMapi {
public:
    quint32 logon(quintptr janela, quintptr &sessao) override;
    quint32 logoff(quintptr sessao, quintptr janela) override;
    quint32 enviar(quintptr sessao, quintptr janela, const MensagemMapi &mensagem) override;
    void defineProgramaEnvio(const QString &programa) override { m_programa = programa; }

private:
    QString m_programa;
};

// The Simple MAPI code for a sendmail exit status (the sysexits.h values).
quint32 codigoMapiDaSaidaSendmail(int saida);

} // namespace qrx
