#pragma once

#include <qrxCoreWebUpdate/qrxcorewebupdate_export.h>

#include <QString>

namespace qrx {

// What cl_Update asks or tells the person. The default shows message boxes; a client program
// or a test can answer in its own way.
class QRXCOREWEBUPDATE_EXPORT InterlocutorActualizacao {
public:
    virtual ~InterlocutorActualizacao();

    // A Yes/No question with the information icon; true means Yes.
    virtual bool perguntar(const QString &texto, const QString &titulo) = 0;

    // A failure that ended the update (critical icon, OK button).
    virtual void avisar(const QString &texto, const QString &titulo) = 0;
};

} // namespace qrx
