#pragma once

#include <QList>
#include <QString>

namespace qrx {

// The settings file: sectioned key/value text in the style of the Windows profile functions,
// read and written one value at a time.
//
// The profile syntax is parsed here rather than through an INI library: the ones at hand cut
// values at ";" or "#", limit line length or drop comments when writing, and these files
// keep SQL conditions and passwords as values and are edited by hand.
//
// Sections and keys compare without regard to case; values are trimmed; a ";" or "#" inside
// a value is part of it; whole-line comments start with ";" or "#". A file that is valid
// UTF-8 (with or without BOM) stays UTF-8; any other file, and every new one, is
// Windows-1252, unless a value it cannot hold is written, which turns the file into UTF-8.
// Failures to read an existing file or to write raise QrxError naming the file.
class ConfiguracaoFicheiro {
public:
    struct Valor {
        QString seccao;
        QString chave;
        QString valor;
    };

    ConfiguracaoFicheiro() = default;
    explicit ConfiguracaoFicheiro(QString ficheiro);

    void setFicheiro(const QString &ficheiro);
    const QString &ficheiro() const { return m_ficheiro; }

    // The stored text, "" when the file, the section or the key is absent.
    QString le(const QString &seccao, const QString &chave) const;

    // Stores the value in the file at once. The file is replaced as a whole, so a crash
    // leaves either the old or the new file. Returns true; failures raise.
    bool grava(const QString &seccao, const QString &chave, const QString &valor);

    // Several values in one replacement of the file, in the order given.
    bool grava(const QList<Valor> &valores);

private:
    QString m_ficheiro;
};

} // namespace qrx
