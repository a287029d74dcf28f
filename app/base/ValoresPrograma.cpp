#include "ValoresPrograma.h"

#include "CDataAccess.h"

namespace qrx {

QString FicheiroConfiguracao;
std::unique_ptr<CDataAccess> LigacaoBD;

} // namespace qrx
