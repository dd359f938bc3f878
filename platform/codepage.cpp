#include "codepage.h"

#include <QHash>

namespace {

// Bytes 0x80 to 0xFF. The undefined bytes (0x81, 0x83, 0x88, 0x90, 0x98) map to the C1 control
// of the same number, as the system's own converter does.
constexpr char16_t high[128] = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179, // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, // 98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7, // A0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, // A8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, // B0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, // B8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, // C0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, // C8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, // D0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, // D8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, // E0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, // E8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7, // F0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9, // F8
};

const QHash<char16_t, char> &encoderTable()
{
    static const QHash<char16_t, char> table = [] {
        QHash<char16_t, char> t;
        for (int i = 0; i < 128; ++i)
            t.insert(high[i], char(0x80 + i));
        return t;
    }();
    return table;
}

// The byte for one UTF-16 unit, or 0 when the code page lacks it.
char encodeUnit(char16_t c)
{
    if (c < 0x80)
        return char(c);
    return encoderTable().value(c, 0);
}

} // namespace

QString fromWindows1250(QByteArrayView bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *p = out.data();
    for (char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        *p++ = QChar(u < 0x80 ? char16_t(u) : high[u - 0x80]);
    }
    return out;
}

QByteArray toWindows1250(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i; // one character outside the basic plane: one '?'
            out.append('?');
            continue;
        }
        if (c.unicode() == 0) {
            out.append('?'); // a NUL would end the value for other readers
            continue;
        }
        if (char b = encodeUnit(c.unicode())) {
            out.append(b);
            continue;
        }
        const QString base = c.decomposition();
        const char folded = base.isEmpty() ? 0 : encodeUnit(base.at(0).unicode());
        out.append(folded && folded != ' ' ? folded : '?');
    }
    return out;
}

bool looksLikeUtf8(QByteArrayView bytes)
{
    bool nonAscii = false;
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            ++i;
            continue;
        }
        int follow;
        char32_t cp;
        if (b >= 0xC2 && b <= 0xDF) {
            follow = 1;
            cp = b & 0x1F;
        } else if (b >= 0xE0 && b <= 0xEF) {
            follow = 2;
            cp = b & 0x0F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            follow = 3;
            cp = b & 0x07;
        } else {
            return false;
        }
        if (i + follow >= n)
            return false;
        for (int k = 1; k <= follow; ++k) {
            const auto c = static_cast<unsigned char>(bytes[i + k]);
            if ((c & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (c & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
        if ((follow == 2 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) ||
            (follow == 3 && (cp < 0x10000 || cp > 0x10FFFF)))
            return false;
        nonAscii = true;
        i += follow + 1;
    }
    return nonAscii;
}
