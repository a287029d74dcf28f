#pragma once

#include <QByteArray>
#include <QString>

namespace qrx {

// Partner files are written in the Windows ANSI code page of Western Europe. The text is
// brought to its composed form first (e + combining acute becomes é); a character the code
// page cannot hold becomes "?" (one "?" per character, also outside the BMP). When
// `substituidos` is given it receives the number of such characters.
QByteArray codificaWindows1252(const QString &texto, qsizetype *substituidos = nullptr);

// Every byte has a character: the five bytes the code page leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) become U+0081 etc., so decoding and encoding give the same bytes back.
QString descodificaWindows1252(const QByteArray &bytes);

// True for well-formed UTF-8: no overlong forms, no surrogates, nothing beyond U+10FFFF.
bool eUtf8Valido(const QByteArray &bytes);

} // namespace qrx
