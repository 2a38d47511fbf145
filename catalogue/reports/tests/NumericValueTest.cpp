#include "QtPrinting.h"
#include "NumericValue.h"

#include <QString>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace catalogue {
namespace {

struct Case {
    const char16_t* text;
    double expected;
};

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// clang-format off
const Case kCases[] = {
    // Not a number at all.
    {u"", 0}, {u"abc", 0}, {u"CD 2", 0}, {u"-", 0}, {u"+", 0}, {u".", 0}, {u".e5", 0},
    {u"\u22121", 0},        // a Unicode minus is no sign
    {u"\r1", 0},            // carriage return is not among the skipped characters
    {u"\u00a02", 0},        // nor is the no-break space
    // Plain numbers and where reading stops.
    {u"2", 2}, {u"00012", 12}, {u"3x", 3}, {u"2 CDs", 2}, {u"0x10", 0},
    {u"123456789012345678901234567890", 1.2345678901234568e29},
    // Blanks, tabs and line feeds are skipped anywhere.
    {u"  2", 2}, {u"1 2 3", 123}, {u"\t1\n5", 15}, {u"- 3", -3}, {u"1 . 5", 1.5}, {u"1 e 2", 100},
    // Sign.
    {u"-3", -3}, {u"+4", 4}, {u"--3", 0}, {u"-.5", -0.5},
    // Decimals: the period only.
    {u"1.5", 1.5}, {u"1,5", 1}, {u".5", 0.5}, {u"5.", 5}, {u"1.2.3", 1.2},
    // Exponent.
    {u"1e3", 1000}, {u"1E+3", 1000}, {u"2.5e-1", 0.25}, {u"1e", 1}, {u"1e+", 1}, {u"1E-", 1},
    {u"1D2", 1}, {u"4e2.5", 400},
    // Out of range.
    {u"1e999", kInfinity}, {u"-1e999", -kInfinity}, {u"1e-999", 0}, {u"1e5000000000000", kInfinity},
    {u"100000e-330", 0}, {u"0.001e310", 1e307}, {u"0.000e5000", 0},
    // Hexadecimal and octal.
    {u"&HFF", 255}, {u"&hff", 255}, {u"&H1F0", 496}, {u"&HFG", 15}, {u"&H", 0},
    {u"&O17", 15}, {u"&o 1 7", 15}, {u"&O8", 0}, {u"&O178", 15},
    {u"& H 10", 16}, {u"&X1", 0}, {u"&", 0}, {u"-&H10", 0},
};
// clang-format on

TEST(NumericValue, ReadsTheNumberATextBeginsWith)
{
    for (const Case& c : kCases) {
        const QString text = QString::fromUtf16(c.text);
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(numericValue(text), c.expected);
    }
}

} // namespace
} // namespace catalogue
