// The built-in characters know every animation the assistant names, each
// with a sequence of its own, and loop exactly the continuing ones.
#include "animation_catalogue.h"
#include "animation_names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace gesticon::builtin {
namespace {

TEST(AnimationCatalogue, EveryNameOfTheAssistantPlaysASequenceOfItsOwn)
{
    std::vector<std::vector<Frame>> sequences;
    for (std::wstring_view name : NombresAnimacion) {
        const Animation* animation = findAnimation(name);
        ASSERT_NE(animation, nullptr) << std::string(name.begin(), name.end());
        ASSERT_FALSE(animation->frames.empty());
        for (const Frame& frame : animation->frames)
            EXPECT_GT(frame.ms, 0);
        std::vector<Frame> sequence(animation->frames.begin(), animation->frames.end());
        EXPECT_EQ(std::count(sequences.begin(), sequences.end(), sequence), 0)
            << std::string(name.begin(), name.end()) << " repeats another animation";
        sequences.push_back(sequence);
    }
    EXPECT_EQ(allAnimations().size(), NombresAnimacion.size());
}

TEST(AnimationCatalogue, NamesAreFoundWithoutRegardToCaseAndUnknownOnesAreNot)
{
    EXPECT_EQ(findAnimation(L"wave"), findAnimation(L"Wave"));
    EXPECT_EQ(findAnimation(L"Dance"), nullptr);
    EXPECT_EQ(findAnimation(L""), nullptr);
}

TEST(AnimationCatalogue, OnlyTheContinuingAnimationsLoop)
{
    std::set<std::wstring_view> looping;
    for (const Animation& animation : allAnimations()) {
        if (animation.loops()) {
            looping.insert(animation.name);
            EXPECT_LT(static_cast<std::size_t>(animation.loopFrom), animation.frames.size());
        }
    }
    const std::set<std::wstring_view> expected{L"GetAttentionContinued",
                                               L"Hearing_1",
                                               L"Hearing_2",
                                               L"Hearing_3",
                                               L"Processing",
                                               L"Reading",
                                               L"Searching",
                                               L"Thinking",
                                               L"Writing"};
    EXPECT_EQ(looping, expected);
}

} // namespace
} // namespace gesticon::builtin
