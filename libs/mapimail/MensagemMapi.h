#pragma once

#include <qrxCoreMapiMail/RegistosMapi.h>

#include <QList>
#include <QString>

namespace qrx {

// The message record with its two lists, as the bindings receive it.
struct MensagemMapi {
    QString assunto;
    QString texto;
    QList<DestinatarioMapi> destinatarios;
    QList<AnexoMapi> anexos;
};

} // namespace qrx
