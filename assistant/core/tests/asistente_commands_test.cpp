#include "assistant_fixture.h"

#include <gtest/gtest.h>

#include <functional>

namespace gesticon::tests {
namespace {

using Lines = std::vector<std::string>;

class ShownAssistant : public AssistantTest {
protected:
    void SetUp() override
    {
        assistant = makeAssistant();
        ASSERT_TRUE(assistant->Show(3082, 0).ok());
        clearJournal();
    }
    std::unique_ptr<asistente> assistant;
};

TEST_F(ShownAssistant, SpeakAndThinkPassTheTextUnchanged)
{
    ASSERT_TRUE(assistant->Speak(L"Hola, \"amigo\"").ok());
    ASSERT_TRUE(assistant->Speak(L"").ok());
    ASSERT_TRUE(assistant->Think(L"Pienso").ok());
    EXPECT_EQ(journal(), (Lines{"Character.Speak(\"Hola, \\\"amigo\\\"\")", "Character.Speak(\"\")",
                                "Character.Think(\"Pienso\")"}));
}

TEST_F(ShownAssistant, MovePassesBothCoordinates)
{
    ASSERT_TRUE(assistant->Move(-32768, 32767).ok());
    ASSERT_TRUE(assistant->Move(10, 20).ok());
    EXPECT_EQ(journal(), (Lines{"Character.MoveTo(-32768,32767)", "Character.MoveTo(10,20)"}));
}

TEST_F(ShownAssistant, ActionPlaysTheMembersAnimation)
{
    for (std::int32_t member : {0, 52, 59, 63, 66})
        ASSERT_TRUE(assistant->Action(member).ok()) << member;
    EXPECT_EQ(journal(), (Lines{"Character.Play(\"Acknowledge\")", "Character.Play(\"Show\")",
                                "Character.Play(\"Think\")", "Character.Play(\"Write\")",
                                "Character.Play(\"Writing\")"}));
}

TEST_F(ShownAssistant, ActionOutOfRangeSendsNothing)
{
    EXPECT_EQ(assistant->Action(67).failure(), runtimeError(RuntimeError::SubscriptOutOfRange));
    EXPECT_EQ(assistant->Action(-1).failure(), runtimeError(RuntimeError::SubscriptOutOfRange));
    EXPECT_EQ(assistant->Action(2147483647).failure(), runtimeError(RuntimeError::Overflow));
    EXPECT_TRUE(journal().empty());
}

TEST_F(ShownAssistant, StopThenRestPose)
{
    ASSERT_TRUE(assistant->Stop_Asistente().ok());
    EXPECT_EQ(journal(), (Lines{"Character.Stop()", "Character.Play(\"RestPose\")"}));
}

TEST_F(ShownAssistant, RestPoseIsNotPlayedWhenStopFails)
{
    failNext("Character.Stop", kControlFailure);
    EXPECT_EQ(assistant->Stop_Asistente().failure(), kControlFailure);
    EXPECT_EQ(journal(), Lines{"Character.Stop()"});
}

TEST_F(ShownAssistant, CharacterFailuresArePassedOnUnchanged)
{
    for (const char* call : {"Character.Speak", "Character.Think", "Character.MoveTo",
                             "Character.Play"})
        failNext(call, kControlFailure);
    EXPECT_EQ(assistant->Speak(L"a").failure(), kControlFailure);
    EXPECT_EQ(assistant->Think(L"a").failure(), kControlFailure);
    EXPECT_EQ(assistant->Move(1, 2).failure(), kControlFailure);
    EXPECT_EQ(assistant->Action(1).failure(), kControlFailure);
    state->failures.clear();
    failNext("Character.Play", kControlFailure);
    EXPECT_EQ(assistant->Stop_Asistente().failure(), kControlFailure);
}

TEST_F(AssistantTest, CommandsBeforeShowFailWithErrorNinetyOne)
{
    auto assistant = makeAssistant();
    clearJournal();
    const Failure notSet = runtimeError(RuntimeError::ObjectNotSet);
    const std::vector<std::pair<const char*, std::function<Status()>>> commands = {
        {"Speak", [&] { return assistant->Speak(L"hola"); }},
        {"Think", [&] { return assistant->Think(L"hola"); }},
        {"Move", [&] { return assistant->Move(1, 1); }},
        {"Action", [&] { return assistant->Action(0); }},
        {"Stop_Asistente", [&] { return assistant->Stop_Asistente(); }},
    };
    for (const auto& [name, command] : commands) {
        auto status = command();
        ASSERT_FALSE(status.ok()) << name;
        EXPECT_EQ(status.failure(), notSet) << name;
    }
    EXPECT_TRUE(journal().empty());
}

TEST_F(AssistantTest, ActionChecksTheMemberBeforeTheCharacter)
{
    auto assistant = makeAssistant();
    EXPECT_EQ(assistant->Action(67).failure().code, static_cast<std::int32_t>(0x800A0009));
    EXPECT_EQ(assistant->Action(2147483647).failure().code, static_cast<std::int32_t>(0x800A0006));
}

TEST_F(AssistantTest, AnimationsAnswersBeforeAnyShowWithoutTheCharacter)
{
    auto assistant = makeAssistant();
    clearJournal();
    EXPECT_EQ(*assistant->Animations(1), L"Acknowledge");
    EXPECT_EQ(*assistant->Animations(53), L"Search");
    EXPECT_EQ(*assistant->Animations(55), L"Show");
    EXPECT_EQ(*assistant->Animations(67), L"Writing");
    EXPECT_EQ(assistant->Animations(0).failure(), runtimeError(RuntimeError::SubscriptOutOfRange));
    EXPECT_EQ(assistant->Animations(68).failure(), runtimeError(RuntimeError::SubscriptOutOfRange));
    EXPECT_EQ(assistant->Animations(-32768).failure().code, static_cast<std::int32_t>(0x800A0009));
    EXPECT_TRUE(journal().empty());
}

}  // namespace
}  // namespace gesticon::tests
