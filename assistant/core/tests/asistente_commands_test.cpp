#include "assistant_fixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

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
    const std::pair<std::int32_t, const char*> members[] = {{0, "Acknowledge"},
                                                            {41, "MoveUp"},
                                                            {42, "MoveRight"},
                                                            {51, "Sad"},
                                                            // ShowA, Search, Searching: each its own name.
                                                            {52, "Show"},
                                                            {53, "Search"},
                                                            {54, "Searching"},
                                                            {55, "StartListening"},
                                                            // ThinkW and WriteA drop their final letter.
                                                            {59, "Think"},
                                                            {63, "Write"},
                                                            {66, "Writing"}};
    for (const auto& [member, animation] : members) {
        clearJournal();
        ASSERT_TRUE(assistant->Action(member).ok()) << member;
        EXPECT_EQ(journal(), Lines{"Character.Play(\"" + std::string(animation) + "\")"}) << member;
    }
}

TEST_F(ShownAssistant, EveryMemberPlaysADifferentOneOfTheSixtySevenAnimations)
{
    std::set<std::string> listed;
    for (std::int16_t indice = 1; indice <= 67; ++indice)
        listed.insert("Character.Play(" + tests::quoted(*assistant->Animations(indice)) + ")");
    for (std::int32_t member = 0; member <= 66; ++member)
        ASSERT_TRUE(assistant->Action(member).ok()) << member;
    const std::set<std::string> played(journal().begin(), journal().end());
    EXPECT_EQ(played.size(), 67u);
    EXPECT_EQ(played, listed);
}

TEST_F(ShownAssistant, ActionOutOfRangeSendsNothing)
{
    for (std::int32_t member : {67, -1, 1000, -2147483647 - 1})
        EXPECT_EQ(assistant->Action(member).failure(), runtimeError(RuntimeError::SubscriptOutOfRange)) << member;
    // The position after the largest value does not fit 32 bits.
    const Failure overflow = assistant->Action(2147483647).failure();
    EXPECT_EQ(overflow, runtimeError(RuntimeError::Overflow));
    EXPECT_EQ(overflow.code, static_cast<std::int32_t>(0x800A0006));
    EXPECT_EQ(overflow.description, L"Overflow");
    EXPECT_EQ(overflow.source, L"Gesticon");
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
    for (const char* call : {"Character.Speak", "Character.Think", "Character.MoveTo", "Character.Play"})
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

TEST_F(AssistantTest, AnimationsNamesEachPositionBeforeAnyShowWithoutTheCharacter)
{
    auto assistant = makeAssistant();
    clearJournal();
    const std::pair<std::int16_t, const wchar_t*> positions[] = {
        {1, L"Acknowledge"}, {20, L"Hearing_1"}, {42, L"MoveUp"},    {43, L"MoveRight"},
        {51, L"RestPose"},   {53, L"Search"},    {54, L"Searching"}, {55, L"Show"},
        {60, L"Think"},      {64, L"Write"},     {67, L"Writing"}};
    for (const auto& [indice, name] : positions) {
        auto listed = assistant->Animations(indice);
        ASSERT_TRUE(listed.ok()) << indice;
        EXPECT_EQ(*listed, name) << indice;
    }
    for (std::int16_t indice : {0, 68, -1, -32768, 32767}) {
        auto refused = assistant->Animations(indice);
        ASSERT_FALSE(refused.ok()) << indice;
        EXPECT_EQ(refused.failure().code, static_cast<std::int32_t>(0x800A0009)) << indice;
        EXPECT_EQ(refused.failure().description, L"Subscript out of range") << indice;
    }
    EXPECT_TRUE(journal().empty());
}

} // namespace
} // namespace gesticon::tests
