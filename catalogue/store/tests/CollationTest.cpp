#include "TextCollation.h"

#include <QString>

#include <gtest/gtest.h>

using namespace catalogue;

namespace {

std::string utf8(const char16_t* text)
{
    return QString::fromUtf16(text).toStdString();
}

int compareText(const QString& a, const QString& b)
{
    return catalogue::compareText(a.toStdString(), b.toStdString());
}

bool textEquals(const char16_t* a, const char16_t* b)
{
    return catalogue::textEquals(utf8(a), utf8(b));
}

} // namespace

struct OrderCase {
    const char16_t* before;
    const char16_t* after;
    friend void PrintTo(const OrderCase& c, std::ostream* os)
    {
        *os << QString::fromUtf16(c.before).toStdString() << " < " << QString::fromUtf16(c.after).toStdString();
    }
};

class SortsBefore : public ::testing::TestWithParam<OrderCase> {};

TEST_P(SortsBefore, FirstTextComesFirst)
{
    const QString a = QString::fromUtf16(GetParam().before);
    const QString b = QString::fromUtf16(GetParam().after);
    EXPECT_LT(compareText(a, b), 0) << a.toStdString() << " / " << b.toStdString();
    EXPECT_GT(compareText(b, a), 0);
}

INSTANTIATE_TEST_SUITE_P(SpanishOrder, SortsBefore,
                         ::testing::Values(OrderCase{u"nube", u"ñu"}, OrderCase{u"ñu", u"oso"},
                                           OrderCase{u"Nzz", u"ña"}, OrderCase{u"alvarez", u"ÁLVARO"},
                                           OrderCase{u"abeja", u"Ábside"}, OrderCase{u"Alvaro", u"Álvaro"},
                                           OrderCase{u"Alien", u"Aliens"}, OrderCase{u"", u"a"},
                                           OrderCase{u"zeta", u"Ωmega"}, OrderCase{u"Ben-Hur", u"Ben Hurt"},
                                           OrderCase{u"9", u"A"}, OrderCase{u"Straße", u"Strasse z"}));

TEST(TextEquality, IgnoresCaseButNotAccents)
{
    EXPECT_TRUE(textEquals(u"ÁLVARO", u"álvaro"));
    EXPECT_TRUE(textEquals(u"O'BRIEN", u"o'brien"));
    EXPECT_TRUE(textEquals(u"STEVEN SPIELBERG", u"steven spielberg"));
    EXPECT_TRUE(textEquals(u"ÑANDÚ", u"ñandú"));
    EXPECT_FALSE(textEquals(u"Almodóvar", u"Almodovar"));
    EXPECT_FALSE(textEquals(u"Spielberg", u"Steven Spielberg"));
    EXPECT_FALSE(textEquals(u"nu", u"ñu"));
    EXPECT_TRUE(textEquals(u"", u""));
    EXPECT_TRUE(textEquals(u"Nin\u0303o", u"niño")); // n and a combining tilde is ñ
    // The order passes over punctuation; equality does not.
    EXPECT_FALSE(textEquals(u"OBrien", u"O'Brien"));
    EXPECT_FALSE(textEquals(u"Steven Spielberg", u"StevenSpielberg"));
}

TEST(TextEquality, CharactersOutsideTheBasicPlaneAreCompared)
{
    EXPECT_TRUE(textEquals(u"a\U0001F3AC", u"A\U0001F3AC"));
    EXPECT_FALSE(textEquals(u"a\U0001F3AC", u"a\U0001F3AD"));
}
