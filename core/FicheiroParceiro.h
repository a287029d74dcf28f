#pragma once

#include <QString>

#include <memory>

class QSaveFile;

namespace qrx {

// The one writer of partner files: Windows-1252 text, every line ended by CR LF, written to a
// temporary file beside the target and put in place only by confirma(), so a failed run never
// leaves a half file. Acrescentar first copies the existing bytes into the new file: the old
// file stays as it was until the whole new content is in place.
class FicheiroParceiro {
public:
    enum class Modo { Substituir, Acrescentar };

    explicit FicheiroParceiro(QString caminho, Modo modo = Modo::Substituir);
    ~FicheiroParceiro(); // without confirma() the new content is discarded
    FicheiroParceiro(const FicheiroParceiro &) = delete;
    FicheiroParceiro &operator=(const FicheiroParceiro &) = delete;

    // Opens the temporary file (and, when appending, copies the existing file into it).
    // False with errorString() when that is not possible (a missing folder, for one).
    bool abre();
    // Writes the text and CR LF. False once anything failed; the error stays.
    bool escreveLinha(const QString &linha);
    // Puts the file in place. False, and the old file untouched, when anything failed.
    bool confirma();
    // Drops what was written; the old file stays as it was.
    void descarta();

    bool estaAberto() const;
    const QString &caminho() const { return m_caminho; }
    Modo modo() const { return m_modo; }
    qint64 linhasEscritas() const { return m_linhas; }
    // Characters written as "?" because the code page cannot hold them.
    qsizetype caracteresSubstituidos() const { return m_substituidos; }
    // Portuguese text naming the file and the reason of the last failure; empty when none.
    const QString &errorString() const { return m_erro; }

private:
    QString caminhoMostrado() const;
    void falha(const QString &texto);

    QString m_caminho;
    Modo m_modo;
    std::unique_ptr<QSaveFile> m_ficheiro;
    qint64 m_linhas = 0;
    qsizetype m_substituidos = 0;
    QString m_erro;
};

} // namespace qrx
