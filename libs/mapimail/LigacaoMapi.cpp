#include "LigacaoMapi.h"

#ifdef Q_OS_WIN
#include "LigacaoWindows.h"
#else
#include "LigacaoSendmail.h"
#endif

namespace qrx {

std::unique_ptr<LigacaoMapi> criaLigacaoMapi()
{
#ifdef Q_OS_WIN
    return std::make_unique<LigacaoWindows>();
#else
    return std::make_unique<LigacaoSendmail>();
#endif
}

} // namespace qrx
