#include "PastasEspeciais.h"

#include <QDir>
#include <QStandardPaths>
#include <QtGlobal>

namespace qrx {

QString PastasEspeciais::PastaDadosAplicacao() const
{
    QString pasta;
#ifdef Q_OS_WIN
    // The roaming folder the legacy programs use; Qt's generic data folder is the local one.
    pasta = QDir::fromNativeSeparators(qEnvironmentVariable("APPDATA"));
#endif
    if (pasta.isEmpty())
        pasta = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir::cleanPath(pasta);   // also drops a trailing separator
}

} // namespace qrx
