#include "codepage.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <gtest/gtest.h>

TEST(Codepage, AgreesWithTheSystemConverter)
{
    QStringDecoder decoder("windows-1250");
    if (!decoder.isValid())
        GTEST_SKIP() << "this Qt has no Windows-1250 converter";
    for (int b = 1; b < 256; ++b) { // NUL is never written
        if (b == 0x81 || b == 0x83 || b == 0x88 || b == 0x90 || b == 0x98)
            continue; // undefined in the code page
        const QByteArray byte(1, char(b));
        const QString expected = decoder.decode(byte);
        EXPECT_EQ(fromWindows1250(byte), expected) << "byte " << b;
        EXPECT_EQ(toWindows1250(expected), byte) << "byte " << b;
    }
}

TEST(Codepage, EveryByteSurvivesARoundTrip)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    all.replace('\0', '\1'); // NUL is never written
    EXPECT_EQ(toWindows1250(fromWindows1250(all)), all);
}

TEST(Codepage, Utf8Detection)
{
    const struct
    {
        QByteArray bytes;
        bool utf8;
    } cases[] = {
        {"plain ASCII", false},
        {"Hr\xc3\xa1\xc4\x8d", true},
        {"Hr\xe1\xe8", false},            // Windows-1250
        {"\xc3", false},                  // cut short
        {"\xc0\xaf", false},              // overlong
        {"\xed\xa0\x80", false},          // surrogate
        {"\xf4\x90\x80\x80", false},      // past U+10FFFF
        {"\xf0\x9f\x98\x80", true},       // outside the basic plane
        {"\xe2\x82\xac and \x80", false}, // a stray continuation byte
    };
    for (const auto &c : cases)
        EXPECT_EQ(looksLikeUtf8(c.bytes), c.utf8) << c.bytes.toHex().constData();
}
