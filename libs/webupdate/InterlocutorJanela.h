#pragma once

#include <qrxCoreWebUpdate/InterlocutorActualizacao.h>

namespace qrx {

// The person answers in message boxes.
class InterlocutorJanela : public InterlocutorActualizacao {
public:
    bool perguntar(const QString &texto, const QString &titulo) override;
    void avisar(const QString &texto, const QString &titulo) override;
};

} // namespace qrx
