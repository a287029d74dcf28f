#pragma once

#include <QString>
#include <QStringList>

namespace qrx {

// Export types: the value is the position in the parameters screen's list.
inline constexpr int NumeroTiposExportacao = 14;
inline constexpr int TipoExportacaoPorOmissao = 13;   // any unknown value works as this one

// The 14 list texts in value order.
const QStringList &TextosTiposExportacao();

// The list text of a type; any value outside 0 to 13 gives the text of 13.
QString TextoTipoExportacao(int tipo);

} // namespace qrx
