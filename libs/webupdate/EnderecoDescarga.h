#pragma once

#include <qrxCoreWebUpdate/qrxcorewebupdate_export.h>

#include <QString>

namespace qrx {

// The installer URL split the way the download needs it.
struct EnderecoDescarga {
    QString urlCompleto;     // sent as it stands in the request line
    QString host;            // host name, without the port
    QString hostCabecalho;   // host as written in the URL, port included
    QString ficheiro;        // text after the last "/"
    quint16 porta = 80;
    bool seguro = false;     // https: the connection is encrypted, port 443 by default
    bool valido = false;     // false when no host could be found
};

// Keeps the full URL; drops everything up to and including "://"; the host is the text
// before the first "/" (all of it when there is none) and the file name the text after the
// last "/". A ":port" after the host is honoured.
QRXCOREWEBUPDATE_EXPORT EnderecoDescarga StartUpdate(const QString &url);

} // namespace qrx
