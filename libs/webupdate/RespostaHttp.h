#pragma once

#include <qrxCoreWebUpdate/qrxcorewebupdate_export.h>

#include <QByteArray>
#include <QString>

namespace qrx {

// The value of a header field: from after "<name>:" (and the space that follows) to the next
// CR LF or the end. Empty when the header is empty or lacks the field. Field names are
// matched without regard to case, as HTTP wants.
QRXCOREWEBUPDATE_EXPORT QString GETDATAHEAD(const QByteArray &cabecalho, const QString &campo);

// The status code of the header's first line ("HTTP/1.0 200 OK" gives 200); 0 when that line
// is not an HTTP status line.
QRXCOREWEBUPDATE_EXPORT int codigoEstado(const QByteArray &cabecalho);

// The first line of the header, for messages.
QRXCOREWEBUPDATE_EXPORT QString linhaEstado(const QByteArray &cabecalho);

} // namespace qrx
