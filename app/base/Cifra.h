#pragma once

#include <QString>

namespace qrx {

// Enciphers the passwords kept in a settings file (libsodium secretbox: XSalsa20-Poly1305
// with a random nonce). The text form is "qrx1:" + base64(nonce + ciphertext). The key is
// the 32-byte file "qrxEdi.chave" in the settings file's folder, created owner-only on the
// first encipher.
class Cifra {
public:
    static inline const QString prefixo = QStringLiteral("qrx1:");
    static inline const QString nomeFicheiroChave = QStringLiteral("qrxEdi.chave");

    explicit Cifra(QString ficheiroConfiguracao);

    const QString &ficheiroConfiguracao() const { return m_ficheiroConfiguracao; }
    QString ficheiroChave() const;

    // "" stays "".
    QString cifra(const QString &texto) const;

    // A text without the prefix (typed by hand, or kept from before) is returned as it is.
    // A prefixed text that cannot be deciphered raises QrxError naming the settings file.
    QString decifra(const QString &texto) const;

    // What to store for this text given the value stored now: that value when it already
    // deciphers to the text (so saving unchanged settings leaves the file alone), else a
    // fresh encipher.
    QString cifraParaGravar(const QString &texto, const QString &guardado) const;

    static bool estaCifrado(const QString &texto) { return texto.startsWith(prefixo); }

private:
    QString m_ficheiroConfiguracao;
};

} // namespace qrx
