#pragma once

#include <QByteArray>
#include <QString>

// Pieces of a MIME message (RFC 2045, 2047, 2231): every function returns US-ASCII text
// with CR LF line ends, ready to be put into a header or a body.
namespace qrx::mime {

// A header value of free text (the subject): as it stands when it is plain printable
// ASCII, else UTF-8 encoded-words folded onto continuation lines. usado: the characters
// of the line before the value ("Subject: ").
QByteArray textoCabecalho(const QString &texto, qsizetype usado);

// A display name in an address: an atom, a quoted string, or encoded-words short enough to
// follow the longest field name ("Bcc: ").
QByteArray nomeEndereco(const QString &nome);

// A file-name parameter ("name" or "filename"): quoted when it is short plain ASCII, else
// in the RFC 2231 form, split into numbered sections when it is long.
QByteArray parametroNome(const QByteArray &parametro, const QString &nome);

// The "name" parameter of Content-Type, for readers that ignore RFC 2231: quoted plain
// ASCII, or encoded-words inside the quotes.
QByteArray parametroNomeAntigo(const QString &nome);

// UTF-8 encoded-words of at most comprimentoMaximo characters each (75 at most), one per
// line, so that the caller can keep every line within 76 characters.
QByteArray palavrasCodificadas(const QString &texto, qsizetype comprimentoMaximo = 75);

// Base64 in lines of 76 characters, each ended by CR LF.
QByteArray base64EmLinhas(const QByteArray &dados);

// The text in UTF-8 with every line end (CR LF, LF or CR alone) made CR LF.
QByteArray textoCanonico(const QString &texto);

// True when the bytes may travel as 7bit: ASCII without NUL or stray CR/LF, lines of at
// most 998 octets.
bool cabeEm7bit(const QByteArray &textoCrLf);

} // namespace qrx::mime
