#pragma once

#include <QByteArray>
#include <QString>

class QFileDevice;

namespace qrx::ctb {

// Writes `bytes` into an open file at a 0-based byte offset, all or nothing: when the write
// fails, the bytes it covered are put back and a file it made longer is cut back, and
// ErroProvCTB is raised with `origem`.
void escreveNaPosicao(QFileDevice &ficheiro, qint64 deslocamento, const QByteArray &bytes,
                      const QString &origem);

} // namespace qrx::ctb
