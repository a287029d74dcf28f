#pragma once

#include <QString>

namespace qrx {

class PastasEspeciais {
public:
    // The per-user application-data folder, without a trailing separator: %APPDATA% on
    // Windows, the generic data folder of the platform elsewhere.
    QString PastaDadosAplicacao() const;
};

} // namespace qrx
