#pragma once

#include <qrxCoreWebUpdate/qrxcorewebupdate_export.h>

#include <QString>
#include <QtGlobal>

namespace qrx {

// The texts of the progress window, in the regional number format.

// Below 1024: "<n> Bytes"; from 1024: n / 1024 as "0.00" + " KB"; from 1,024,000:
// n / 1,024,000 as "###,###,##0.00" + " MB".
QRXCOREWEBUPDATE_EXPORT QString File_ByteConversion(qint64 bytes);

// Seconds as "HH:MM:SS" (hours beyond 99 keep all their digits).
QRXCOREWEBUPDATE_EXPORT QString ConvertTime(qint64 segundos);

// Thousands of bytes per second: integer part of (bytes / seconds), divided by 1000; 0 when
// no time has passed yet.
QRXCOREWEBUPDATE_EXPORT double calculaVelocidade(qint64 bytes, qint64 milissegundos);
QRXCOREWEBUPDATE_EXPORT QString textoVelocidade(double velocidade);

// Seconds left: integer part of (total - received) / 1024 / speed; -1 when the speed is 0
// and nothing can be said.
QRXCOREWEBUPDATE_EXPORT qint64 segundosRestantes(qint64 total, qint64 recebidos,
                                                 double velocidade);
// ConvertTime of the seconds left, empty while they are unknown.
QRXCOREWEBUPDATE_EXPORT QString textoRestante(qint64 total, qint64 recebidos, double velocidade);

// received / total x 100 rounded to a whole number; 0 while the total is unknown.
QRXCOREWEBUPDATE_EXPORT int percentagem(qint64 recebidos, qint64 total);
// The text drawn on the progress bar: the percentage as "###" + "%".
QRXCOREWEBUPDATE_EXPORT QString textoPercentagem(int percentagem);

} // namespace qrx
