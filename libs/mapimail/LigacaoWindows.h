#pragma once

#include "LigacaoMapi.h"

#ifdef Q_OS_WIN

#include <QLibrary>

#include <memory>

namespace qrx {

// Simple MAPI of the system's messaging library (MAPI32), loaded at the first logon. The
// Unicode send call is used where the library offers it, so that texts outside the ANSI
// code page survive; older libraries get the ANSI call.
class LigacaoWindows : public LigacaoMapi {
public:
    LigacaoWindows();
    ~LigacaoWindows() override;

    quint32 logon(quintptr janela, quintptr &sessao) override;
    quint32 logoff(quintptr sessao, quintptr janela) override;
    quint32 enviar(quintptr sessao, quintptr janela, const MensagemMapi &mensagem) override;

private:
    bool carrega();

    struct Funcoes;
    QLibrary m_biblioteca;
    std::unique_ptr<Funcoes> m_funcoes;
};

} // namespace qrx

#endif
