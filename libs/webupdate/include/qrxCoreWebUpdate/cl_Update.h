#pragma once

#include <qrxCoreWebUpdate/qrxcorewebupdate_export.h>

#include <QString>

#include <functional>
#include <memory>

namespace qrx {

class InterlocutorActualizacao;

// Checks a web server for a newer version of the client program and, when the person agrees,
// downloads the new installer with a progress window and starts it.
//
// The version file's first line is: qrxVersao,<version>,<installer URL>. Versions are
// compared character by character ("1.10" is not newer than "1.9"). http and https URLs
// are accepted for both the version file and the installer.
class QRXCOREWEBUPDATE_EXPORT cl_Update {
public:
    // Starts the downloaded installer without waiting for it; false when it could not start.
    using Lancador = std::function<bool(const QString &programa)>;

    cl_Update();
    ~cl_Update();
    cl_Update(const cl_Update &) = delete;
    cl_Update &operator=(const cl_Update &) = delete;

    // Local folder that receives "versao.txt" and "setup.exe"; the names are appended as they
    // are, so the folder ends with its separator.
    QString PercusoDeActualizacao() const;
    void setPercusoDeActualizacao(const QString &valor);

    QString VersaoActual() const;
    void setVersaoActual(const QString &valor);

    // Full URL of the version file.
    QString web_Site() const;
    void setweb_Site(const QString &valor);

    // Seconds without any answer from the server after which a transfer is given up.
    int TempoLimite() const;
    void setTempoLimite(int segundos);

    // Not owned; null restores the message boxes.
    void setInterlocutor(InterlocutorActualizacao *interlocutor);
    // An empty function restores the default (a detached process).
    void setLancador(Lancador lancador);

    // True only when a newer installer was downloaded completely and started. False when
    // there is nothing newer, the person declined, closed the window, or the download failed
    // (the person was told why; nothing is started then).
    // A version file that cannot be fetched or written, or whose first line has the marker
    // but lacks the version or the URL, raises a std::exception whose what() names it.
    bool Update();

private:
    struct Dados;
    std::unique_ptr<Dados> d;
};

} // namespace qrx
