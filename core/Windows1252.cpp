#include "Windows1252.h"

#include <array>

namespace qrx {

namespace {

// Bytes 0x80-0x9F; the rest of the code page is Latin-1. The undefined bytes keep their C1
// control character so that they survive a round trip.
constexpr std::array<char16_t, 32> Tabela80a9F = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};

// The byte for one code point, or -1.
int byteDe(char32_t codigo)
{
    if (codigo < 0x80 || (codigo >= 0xA0 && codigo <= 0xFF))
        return int(codigo);
    for (std::size_t i = 0; i < Tabela80a9F.size(); ++i)
        if (Tabela80a9F[i] == codigo)
            return int(0x80 + i);
    return -1;
}

} // namespace

QByteArray codificaWindows1252(const QString &texto, qsizetype *substituidos)
{
    const QString composto = texto.normalized(QString::NormalizationForm_C);
    QByteArray bytes;
    bytes.reserve(composto.size());
    qsizetype trocas = 0;
    for (qsizetype i = 0; i < composto.size(); ++i) {
        char32_t codigo = composto[i].unicode();
        if (QChar::isHighSurrogate(codigo) && i + 1 < composto.size()
            && composto[i + 1].isLowSurrogate()) {
            codigo = QChar::surrogateToUcs4(composto[i], composto[i + 1]);
            ++i;
        }
        const int byte = byteDe(codigo);
        if (byte < 0) {
            bytes += '?';
            ++trocas;
        } else {
            bytes += char(byte);
        }
    }
    if (substituidos)
        *substituidos = trocas;
    return bytes;
}

QString descodificaWindows1252(const QByteArray &bytes)
{
    QString texto;
    texto.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 && byte <= 0x9F)
            texto += QChar(Tabela80a9F[byte - 0x80]);
        else
            texto += QChar(char16_t(byte));
    }
    return texto;
}

bool eUtf8Valido(const QByteArray &bytes)
{
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        const auto b0 = static_cast<unsigned char>(bytes[i]);
        if (b0 < 0x80) {
            ++i;
            continue;
        }
        int seguintes = 0;
        char32_t codigo = 0;
        char32_t minimo = 0;
        if (b0 >= 0xC2 && b0 <= 0xDF) {
            seguintes = 1;
            codigo = b0 & 0x1F;
            minimo = 0x80;
        } else if (b0 >= 0xE0 && b0 <= 0xEF) {
            seguintes = 2;
            codigo = b0 & 0x0F;
            minimo = 0x800;
        } else if (b0 >= 0xF0 && b0 <= 0xF4) {
            seguintes = 3;
            codigo = b0 & 0x07;
            minimo = 0x10000;
        } else {
            return false; // continuation byte, C0/C1 overlong lead, or beyond F4
        }
        for (int k = 1; k <= seguintes; ++k) {
            if (i + k >= n)
                return false;
            const auto b = static_cast<unsigned char>(bytes[i + k]);
            if ((b & 0xC0) != 0x80)
                return false;
            codigo = (codigo << 6) | (b & 0x3F);
        }
        if (codigo < minimo || codigo > 0x10FFFF || (codigo >= 0xD800 && codigo <= 0xDFFF))
            return false;
        i += seguintes + 1;
    }
    return true;
}

} // namespace qrx
