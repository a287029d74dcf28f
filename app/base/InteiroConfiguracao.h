#pragma once

#include <QString>

namespace qrx {

// The integer rule of the settings: a text that is a number in the regional format of the
// default locale becomes a 16-bit integer, rounded to the nearest with halves to even;
// anything else, and a number outside the 16-bit range, gives 0.
qint16 InteiroConfiguracao(const QString &texto);

// How an integer is stored: its plain decimal text ("7", "-1"), never with a leading blank.
QString TextoInteiro(qint16 valor);

} // namespace qrx
