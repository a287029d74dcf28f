#pragma once

#include <QString>

namespace qrx {

class SistemaFicheiros {
public:
    bool PastaExiste(const QString &caminho) const;
};

} // namespace qrx
