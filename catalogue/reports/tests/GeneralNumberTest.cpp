#include "QtPrinting.h"
#include "GeneralNumber.h"

#include <gtest/gtest.h>

namespace catalogue {
namespace {

TEST(GeneralNumber, UsesTheLocaleSeparatorAndAtMostFifteenDigits)
{
    const QLocale spanish(QLocale::Spanish, QLocale::Spain);
    EXPECT_EQ(generalNumber(37, spanish), "37");
    EXPECT_EQ(generalNumber(37.0 / 25, spanish), "1,48");
    EXPECT_EQ(generalNumber(4.0 / 3, spanish), "1,33333333333333");
    EXPECT_EQ(generalNumber(2.0 / 3, spanish), "0,666666666666667");
    EXPECT_EQ(generalNumber(0, spanish), "0");
    EXPECT_EQ(generalNumber(-2.5, spanish), "-2,5");
    EXPECT_EQ(generalNumber(0.1 + 0.2, spanish), "0,3");
    // No thousands separator, even where the locale groups digits.
    EXPECT_EQ(generalNumber(1234567, spanish), "1234567");
    EXPECT_EQ(generalNumber(123456789012345.0, spanish), "123456789012345");
    EXPECT_EQ(generalNumber(1e15, spanish), "1E+15");

    EXPECT_EQ(generalNumber(37.0 / 25, QLocale::c()), "1.48");
    EXPECT_EQ(generalNumber(1234567.5, QLocale(QLocale::English, QLocale::UnitedStates)), "1234567.5");
}

TEST(GeneralNumber, TakesOnlyTheDecimalSeparatorFromTheLocale)
{
    // Swedish writes its minus as U+2212 and its exponent as "×10^".
    const QLocale swedish(QLocale::Swedish, QLocale::Sweden);
    EXPECT_EQ(generalNumber(-0.5, swedish), "-0,5");
    EXPECT_EQ(generalNumber(1e-5, swedish), "1E-05");
    EXPECT_EQ(generalNumber(-1e20, swedish), "-1E+20");
    EXPECT_EQ(generalNumber(1e-5, QLocale::c()), "1E-05");
}

} // namespace
} // namespace catalogue
