#include "QtPrinting.h"
#include "Windows1252.h"

#include <QString>

#include <gtest/gtest.h>

namespace catalogue {
namespace {

QByteArray encoded(const QString& text)
{
    QByteArray bytes;
    appendWindows1252(text, bytes);
    return bytes;
}

QByteArray encoded(const char16_t* text)
{
    return encoded(QString::fromUtf16(text));
}

TEST(Windows1252, KeepsAsciiAndLatin1AsSingleBytes)
{
    for (char16_t c = 0; c <= 0xFF; ++c) {
        if (c >= 0x80 && c < 0xA0)
            continue;
        EXPECT_EQ(encoded(QString(QChar(c))), QByteArray(1, char(c))) << int(c);
    }
    EXPECT_EQ(encoded(u"Año Película"), QByteArray("A\xF1o Pel\xED"
                                                   "cula"));
}

TEST(Windows1252, MapsTheSpecialCharactersOfBytes80To9F)
{
    EXPECT_EQ(encoded(u"€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ"),
              QByteArray("\x80\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8E"
                         "\x91\x92\x93\x94\x95\x96\x97\x98\x99\x9A\x9B\x9C\x9E\x9F"));
    // The unassigned bytes carry their C1 controls; the other C1 controls have no byte.
    EXPECT_EQ(encoded(u"\u0081\u008d\u008f\u0090\u009d"), QByteArray("\x81\x8D\x8F\x90\x9D"));
    EXPECT_EQ(encoded(u"\u0080\u0085\u009f"), QByteArray("???"));
}

TEST(Windows1252, WritesOneQuestionMarkForEachCharacterItCannotHold)
{
    EXPECT_EQ(encoded(u"Hero 英雄"), QByteArray("Hero ??"));
    EXPECT_EQ(encoded(u"Āčε"), QByteArray("???"));
    // A character beyond the Basic Multilingual Plane is two UTF-16 units but one character.
    EXPECT_EQ(encoded(u"🎬!"), QByteArray("?!"));
    // Broken surrogates are unrepresentable too, one mark each.
    EXPECT_EQ(encoded(QString(QChar(0xD83C)) + u'x' + QChar(0xDFAC)), QByteArray("?x?"));
}

} // namespace
} // namespace catalogue
