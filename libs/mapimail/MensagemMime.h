#pragma once

#include "MensagemMapi.h"

#include <QByteArray>
#include <QDateTime>
#include <QtGlobal>

namespace qrx {

struct MensagemMimeComposta {
    quint32 codigo = 0;      // Simple MAPI result code; the message is valid only when 0
    QByteArray mensagem;     // the whole message, CR LF line ends
};

// Composes the message as MIME for a sendmail -t interface: To, Cc and Bcc headers by
// recipient class, the body as text/plain, each attachment read from its file as base64.
// A recipient that cannot be written as an address, an unknown recipient class, or an
// attachment that is missing or unreadable gives the code Simple MAPI would give.
MensagemMimeComposta compoeMensagemMime(const MensagemMapi &mensagem, const QDateTime &data);

} // namespace qrx
