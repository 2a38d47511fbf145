#include "assistant_fixture.h"
#include "placement.h"

#include <gtest/gtest.h>

#include <limits>

namespace gesticon::tests {
namespace {

struct RoundingCase {
    double value;
    std::int32_t expected;
};

class RoundToInt32 : public ::testing::TestWithParam<RoundingCase> {};

TEST_P(RoundToInt32, SendsHalvesToTheEvenNeighbour)
{
    auto rounded = roundToInt32(GetParam().value);
    ASSERT_TRUE(rounded.ok());
    EXPECT_EQ(*rounded, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, RoundToInt32,
                         ::testing::Values(RoundingCase{0.5, 0}, RoundingCase{1.5, 2}, RoundingCase{2.5, 2},
                                           RoundingCase{2.4999, 2}, RoundingCase{2.5001, 3}, RoundingCase{-0.5, 0},
                                           RoundingCase{-1.5, -2}, RoundingCase{-2.5, -2}, RoundingCase{15360.0, 15360},
                                           RoundingCase{2147483646.5, 2147483646},
                                           RoundingCase{2147483647.4, 2147483647},
                                           RoundingCase{-2147483648.5, std::numeric_limits<std::int32_t>::min()}));

TEST(RoundToInt32Overflow, FailsWithErrorSixOutsideThe32BitRange)
{
    for (double value : {2147483647.5, 2147483648.0, -2147483649.0, 1e300, std::numeric_limits<double>::infinity(),
                         std::numeric_limits<double>::quiet_NaN()}) {
        auto rounded = roundToInt32(value);
        ASSERT_FALSE(rounded.ok()) << value;
        EXPECT_EQ(rounded.failure(), runtimeError(RuntimeError::Overflow));
    }
}

TEST(TwipsToPixels, TruncatesTowardZero)
{
    EXPECT_EQ(twipsToPixels(15360), 1024);
    EXPECT_EQ(twipsToPixels(29), 1);
    EXPECT_EQ(twipsToPixels(-29), -1);
}

TEST(FarEdgePosition, KeepsTheMarginAndChecksThe16BitRange)
{
    EXPECT_EQ(*farEdgePosition(1024, 128), 846);
    EXPECT_EQ(*farEdgePosition(768, 128), 590);
    EXPECT_EQ(*farEdgePosition(32767 + 50 + 10, 10), 32767);
    EXPECT_EQ(*farEdgePosition(-32768 + 50, 0), -32768);
    EXPECT_FALSE(farEdgePosition(32767 + 50 + 11, 10).ok());
    EXPECT_FALSE(farEdgePosition(-32768 + 49, 0).ok());
    EXPECT_EQ(farEdgePosition(100000, 128).failure().code, static_cast<std::int32_t>(0x800A0006));
}

struct ScreenCase {
    ScreenTwips screen;
    std::string left;
    std::string top;
};

class ShowPlacement : public AssistantTest, public ::testing::WithParamInterface<ScreenCase> {};

TEST_P(ShowPlacement, PutsTheCharacterFiftyPixelsInFromTheBottomRight)
{
    auto assistant = makeAssistant(platformWith("C:\\WINDOWS", GetParam().screen));
    ASSERT_TRUE(assistant->Show(3082, 0).ok());
    const auto& lines = journal();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Character.Left=" + GetParam().left), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Character.Top=" + GetParam().top), lines.end());
}

INSTANTIATE_TEST_SUITE_P(Screens, ShowPlacement,
                         ::testing::Values(ScreenCase{{15360, 11520}, "846", "590"},
                                           // 29.5 twips rounds to 30 (2 pixels) and 44.5 to 44 (2 pixels):
                                           // halves go to even before the truncating division.
                                           ScreenCase{{29.5, 44.5}, "-176", "-176"},
                                           ScreenCase{{19200.4, 16200.6}, "1102", "902"}));

TEST_F(AssistantTest, PlacementOutOfRangeFailsWithErrorSixAndLeavesTheObjectNotShown)
{
    auto assistant = makeAssistant(platformWith("C:\\WINDOWS", {15360, 1e7}));
    auto shown = assistant->Show(3082, 0);
    ASSERT_FALSE(shown.ok());
    EXPECT_EQ(shown.failure(), runtimeError(RuntimeError::Overflow));
    EXPECT_EQ(journal().back(), "Character.Height?"); // Left was set, Top never
    // The character stays loaded in the control: the next Show unloads it
    // before it loads again.
    clearJournal();
    EXPECT_FALSE(assistant->Show(3082, 0).ok());
    EXPECT_EQ(journal().front(), "Characters.Unload(\"CharacterID\")");
    EXPECT_EQ(journal().at(1).rfind("Characters.Load(", 0), 0u);
}

TEST_F(AssistantTest, ScreenBeyond32BitsFailsBeforeTheWidthIsAsked)
{
    auto assistant = makeAssistant(platformWith("C:\\WINDOWS", {3e9, 11520}));
    auto shown = assistant->Show(3082, 0);
    ASSERT_FALSE(shown.ok());
    EXPECT_EQ(shown.failure().code, static_cast<std::int32_t>(0x800A0006));
    EXPECT_EQ(journal().back(), "Character.Show()");
}

} // namespace
} // namespace gesticon::tests
