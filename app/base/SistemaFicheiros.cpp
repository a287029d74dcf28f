#include "SistemaFicheiros.h"

#include <QFileInfo>

namespace qrx {

bool SistemaFicheiros::PastaExiste(const QString &caminho) const
{
    return !caminho.isEmpty() && QFileInfo(caminho).isDir();
}

} // namespace qrx
