#pragma once

#include "FicheiroVersao.h"

#include <qrxCoreWebUpdate/qrxcorewebupdate_export.h>

#include <QString>

namespace qrx {

// Fetches the version file at `Site` into FicheiroVersao + "versao.txt" (replaced on every
// check) and reads its first line. Waits in a local event loop; a failure (no connection, an
// HTTP error, no answer within `tempoLimiteSegundos`, a file that cannot be written) raises
// QrxError naming the URL or the file.
QRXCOREWEBUPDATE_EXPORT InfoVersao GetVersao(const QString &FicheiroVersao, const QString &Site,
                                             int tempoLimiteSegundos);

} // namespace qrx
