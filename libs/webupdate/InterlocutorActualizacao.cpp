#include <qrxCoreWebUpdate/InterlocutorActualizacao.h>

namespace qrx {

InterlocutorActualizacao::~InterlocutorActualizacao() = default;

} // namespace qrx
