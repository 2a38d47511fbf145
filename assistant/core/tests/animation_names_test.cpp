#include "animation_names.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace gesticon::tests {
namespace {

struct NameCase {
    std::int32_t position;
    std::wstring_view name;
};

class AnimationTable : public ::testing::TestWithParam<NameCase> {};

TEST_P(AnimationTable, HoldsTheNameAtItsPosition)
{
    auto name = animationAt(GetParam().position);
    ASSERT_TRUE(name.ok());
    EXPECT_EQ(*name, GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(
    EndsAndMiddle, AnimationTable,
    ::testing::Values(NameCase{1, L"Acknowledge"}, NameCase{20, L"Hearing_1"},
                      NameCase{42, L"MoveUp"}, NameCase{43, L"MoveRight"},
                      NameCase{51, L"RestPose"}, NameCase{53, L"Search"},
                      NameCase{54, L"Searching"}, NameCase{55, L"Show"},
                      NameCase{60, L"Think"}, NameCase{64, L"Write"}, NameCase{67, L"Writing"}));

TEST(AnimationTableRange, FailsWithErrorNineOutsideOneToSixtySeven)
{
    for (std::int32_t position : {0, 68, -1, -32768, 32767}) {
        auto name = animationAt(position);
        ASSERT_FALSE(name.ok()) << position;
        EXPECT_EQ(name.failure().code, static_cast<std::int32_t>(0x800A0009));
        EXPECT_EQ(name.failure().description, L"Subscript out of range");
    }
}

TEST(AnimationTableRange, NamesAreDistinct)
{
    std::set<std::wstring_view> distinct(NombresAnimacion.begin(), NombresAnimacion.end());
    EXPECT_EQ(distinct.size(), 67u);
}

struct ActionCase {
    std::int32_t member;
    std::wstring_view animation;
};

class ActionMapping : public ::testing::TestWithParam<ActionCase> {};

TEST_P(ActionMapping, PlaysTheMembersOwnAnimation)
{
    auto animation = animationForAction(GetParam().member);
    ASSERT_TRUE(animation.ok());
    EXPECT_EQ(*animation, GetParam().animation);
}

INSTANTIATE_TEST_SUITE_P(
    Members, ActionMapping,
    ::testing::Values(ActionCase{0, L"Acknowledge"}, ActionCase{41, L"MoveUp"},
                      ActionCase{42, L"MoveRight"}, ActionCase{51, L"Sad"},
                      // ShowA, Search, Searching: each its own name.
                      ActionCase{52, L"Show"}, ActionCase{53, L"Search"},
                      ActionCase{54, L"Searching"}, ActionCase{55, L"StartListening"},
                      // ThinkW and WriteA drop their final letter.
                      ActionCase{59, L"Think"}, ActionCase{63, L"Write"},
                      ActionCase{66, L"Writing"}));

TEST(ActionMappingRange, EveryMemberPlaysAKnownAnimationOnce)
{
    std::set<std::wstring_view> played;
    for (std::int32_t member = 0; member <= 66; ++member) {
        auto animation = animationForAction(member);
        ASSERT_TRUE(animation.ok()) << member;
        played.insert(*animation);
    }
    EXPECT_EQ(played, std::set<std::wstring_view>(NombresAnimacion.begin(), NombresAnimacion.end()));
}

TEST(ActionMappingRange, OutOfRangeIsErrorNineAndTheLargestValueErrorSix)
{
    for (std::int32_t member : {67, -1, 1000, -2147483647 - 1}) {
        auto animation = animationForAction(member);
        ASSERT_FALSE(animation.ok()) << member;
        EXPECT_EQ(animation.failure().code, static_cast<std::int32_t>(0x800A0009)) << member;
    }
    auto largest = animationForAction(2147483647);
    ASSERT_FALSE(largest.ok());
    EXPECT_EQ(largest.failure().code, static_cast<std::int32_t>(0x800A0006));
    EXPECT_EQ(largest.failure().description, L"Overflow");
    EXPECT_EQ(largest.failure().source, L"Gesticon");
}

}  // namespace
}  // namespace gesticon::tests
