#pragma once

#include <QString>

#include <memory>

namespace qrx {

class CDataAccess;

// The two program-wide values fixed at start-up and read everywhere afterwards; the only
// global mutable state of the program.

// Full path of the settings file every reader and writer uses.
extern QString FicheiroConfiguracao;

// The one database connection, shared by every window and exporter and never copied.
extern std::unique_ptr<CDataAccess> LigacaoBD;

} // namespace qrx
