#include "assistant_fixture.h"

#include <gtest/gtest.h>

namespace gesticon::tests {
namespace {

using Lines = std::vector<std::string>;

const std::string kGenie = "\"C:\\\\WINDOWS\\\\msagent\\\\chars\\\\genie.acs\"";
const std::string kMerlin = "\"C:\\\\WINDOWS\\\\msagent\\\\chars\\\\merlin.acs\"";

// A Show that first unloads the character loaded before.
Lines unloadThenShow(const std::string& file, std::int32_t language)
{
    Lines lines{"Characters.Unload(\"CharacterID\")"};
    for (const auto& line : showJournal(file, language))
        lines.push_back(line);
    return lines;
}

TEST_F(AssistantTest, ConstructionSubscribesAndSendsNoSettingToAnyone)
{
    auto assistant = makeAssistant();
    EXPECT_EQ(journal(), Lines{"Control.Advise()"});
    EXPECT_EQ(assistant->Sound(), 0);
    EXPECT_EQ(assistant->Balloon(), -1);
    EXPECT_EQ(assistant->AutoHide(), -1);
    EXPECT_EQ(assistant->AutoSpace(), -1);
}

TEST_F(AssistantTest, CreationFailsWithTheControlsOwnError)
{
    auto created = asistente::create([]() -> Result<std::unique_ptr<AgentControl>> { return kControlFailure; },
                                     platformWith("C:\\WINDOWS"));
    ASSERT_FALSE(created.ok());
    EXPECT_EQ(created.failure(), kControlFailure);
}

struct CharacterCase {
    std::int32_t guia;
    std::string file;
};

class ShowCharacter : public AssistantTest, public ::testing::WithParamInterface<CharacterCase> {};

TEST_P(ShowCharacter, LoadsShowsAndPlacesTheChosenCharacter)
{
    auto assistant = makeAssistant();
    clearJournal();
    ASSERT_TRUE(assistant->Show(1033, GetParam().guia).ok());
    EXPECT_EQ(journal(), showJournal("\"C:\\\\WINDOWS\\\\msagent\\\\chars\\\\" + GetParam().file + ".acs\"", 1033));
}

INSTANTIATE_TEST_SUITE_P(Characters, ShowCharacter,
                         ::testing::Values(CharacterCase{0, "genie"}, CharacterCase{1, "merlin"},
                                           CharacterCase{2, "robby"}, CharacterCase{3, "peedy"}));

TEST_F(AssistantTest, LanguageIsPassedUnvalidated)
{
    auto assistant = makeAssistant();
    ASSERT_TRUE(assistant->Show(-7, 0).ok());
    EXPECT_NE(std::find(journal().begin(), journal().end(), "Character.LanguageID=-7"), journal().end());
}

TEST_F(AssistantTest, OutOfRangeCharacterFirstLoadsAnEmptyBaseNameAndStaysNotShown)
{
    auto assistant = makeAssistant();
    clearJournal();
    failNext("Characters.Load", kControlFailure);
    auto shown = assistant->Show(3082, 4);
    ASSERT_FALSE(shown.ok());
    EXPECT_EQ(shown.failure(), kControlFailure);
    EXPECT_EQ(journal(), Lines{"Characters.Load(\"CharacterID\",\"C:\\\\WINDOWS\\\\msagent\\\\chars\\\\.acs\")"});
    // Still not shown: the settings need a character.
    EXPECT_EQ(assistant->Speak(L"hola").failure(), runtimeError(RuntimeError::ObjectNotSet));
}

TEST_F(AssistantTest, OutOfRangeCharacterKeepsThePreviousName)
{
    auto assistant = makeAssistant();
    ASSERT_TRUE(assistant->Show(3082, 1).ok());
    for (std::int32_t guia : {-1, 4, 2147483647}) {
        clearJournal();
        ASSERT_TRUE(assistant->Show(3082, guia).ok());
        EXPECT_EQ(journal().at(1), "Characters.Load(\"CharacterID\"," + kMerlin + ")") << guia;
    }
}

TEST_F(AssistantTest, SecondShowUnloadsTheFirstCharacterUnderTheSameIdentifier)
{
    auto assistant = makeAssistant();
    ASSERT_TRUE(assistant->Show(3082, 0).ok());
    clearJournal();
    ASSERT_TRUE(assistant->Show(3082, 1).ok());
    EXPECT_EQ(journal(), unloadThenShow(kMerlin, 3082));
    // The character in use is the second one.
    clearJournal();
    ASSERT_TRUE(assistant->Speak(L"x").ok());
    EXPECT_EQ(journal(), Lines{"Character.Speak(\"x\")"});
}

TEST_F(AssistantTest, ShowAfterUnloadLoadsWithoutASecondUnload)
{
    // The fake refuses to unload an identifier that is not loaded.
    auto assistant = makeAssistant();
    ASSERT_TRUE(assistant->Show(3082, 0).ok());
    clearJournal();
    ASSERT_TRUE(assistant->Unload().ok());
    EXPECT_EQ(journal(), Lines{"Characters.Unload(\"CharacterID\")"});

    clearJournal();
    ASSERT_TRUE(assistant->Show(3082, 1).ok());
    EXPECT_EQ(journal(), showJournal(kMerlin, 3082));
    clearJournal();
    ASSERT_TRUE(assistant->Speak(L"otra vez").ok());
    EXPECT_EQ(journal(), Lines{"Character.Speak(\"otra vez\")"});

    // Loaded again, so the next Show unloads first.
    clearJournal();
    ASSERT_TRUE(assistant->Show(3082, 0).ok());
    EXPECT_EQ(journal().front(), "Characters.Unload(\"CharacterID\")");
}

TEST_F(AssistantTest, FailedUnloadIsPassedOnAndTheCharacterStillCountsAsLoaded)
{
    auto assistant = makeAssistant();
    ASSERT_TRUE(assistant->Show(3082, 0).ok());
    failNext("Characters.Unload", kControlFailure);
    EXPECT_EQ(assistant->Unload().failure(), kControlFailure);
    clearJournal();
    EXPECT_EQ(assistant->Show(3082, 1).failure(), kControlFailure);
    EXPECT_EQ(journal(), Lines{"Characters.Unload(\"CharacterID\")"});
}

TEST_F(AssistantTest, UnloadBeforeShowGoesToTheControl)
{
    auto assistant = makeAssistant();
    clearJournal();
    auto unloaded = assistant->Unload();
    ASSERT_FALSE(unloaded.ok());
    EXPECT_EQ(unloaded.failure().code, static_cast<std::int32_t>(0x80040204));
    EXPECT_EQ(journal(), Lines{"Characters.Unload(\"CharacterID\")"});
}

TEST_F(AssistantTest, ShowFailingPartWayLeavesEarlierStepsDone)
{
    // The first Show of a new object fails after its load.
    auto assistant = makeAssistant();
    clearJournal();
    failNext("Character.Show", kControlFailure);
    auto shown = assistant->Show(3082, 1);
    ASSERT_FALSE(shown.ok());
    EXPECT_EQ(shown.failure(), kControlFailure);
    EXPECT_EQ(journal().back(), "Character.Show()");
    // It had loaded its character: the next Show unloads it first, and the
    // name chosen by the failed one stays.
    state->failures.clear();
    clearJournal();
    ASSERT_TRUE(assistant->Show(3082, 99).ok());
    EXPECT_EQ(journal(), unloadThenShow(kMerlin, 3082));
}

TEST_F(AssistantTest, FailedItemKeepsThePreviousCharacter)
{
    auto assistant = makeAssistant();
    ASSERT_TRUE(assistant->Show(3082, 0).ok());
    failNext("Characters.Item", kControlFailure);
    EXPECT_EQ(assistant->Show(3082, 1).failure(), kControlFailure);
    state->failures.clear();
    clearJournal();
    ASSERT_TRUE(assistant->Think(L"sigo aqui").ok());
    EXPECT_EQ(journal(), Lines{"Character.Think(\"sigo aqui\")"});
}

// The four settings ---------------------------------------------------------

TEST_F(AssistantTest, SettingsBeforeShowAreStoredThenFailWithErrorNinetyOne)
{
    auto assistant = makeAssistant();
    clearJournal();
    const Failure notSet = runtimeError(RuntimeError::ObjectNotSet);
    EXPECT_EQ(assistant->Sound(-1).failure(), notSet);
    EXPECT_EQ(assistant->Balloon(0).failure(), notSet);
    EXPECT_EQ(assistant->AutoHide(0).failure(), notSet);
    EXPECT_EQ(assistant->AutoSpace(5).failure(), notSet);
    EXPECT_EQ(assistant->Sound(), -1);
    EXPECT_EQ(assistant->Balloon(), 0);
    EXPECT_EQ(assistant->AutoHide(), 0);
    EXPECT_EQ(assistant->AutoSpace(), 5);
    EXPECT_TRUE(journal().empty());
    EXPECT_EQ(notSet.code, static_cast<std::int32_t>(0x800A005B));
    EXPECT_EQ(notSet.description, L"Object variable or With block variable not set");
}

TEST_F(AssistantTest, SoundIsSentAsGivenAndReadBackFromTheObject)
{
    auto assistant = makeAssistant();
    ASSERT_TRUE(assistant->Show(3082, 0).ok());
    clearJournal();
    ASSERT_TRUE(assistant->Sound(-1).ok());
    ASSERT_TRUE(assistant->Sound(0).ok());
    EXPECT_EQ(journal(), (Lines{"Character.SoundEffectsOn=-1", "Character.SoundEffectsOn=0"}));
    EXPECT_EQ(assistant->Sound(), 0);
}

struct StyleCase {
    const char* setting;
    std::int32_t startStyle;
    std::int16_t value;
    std::int32_t expectedStyle;
};

class BalloonStyleBits : public AssistantTest, public ::testing::WithParamInterface<StyleCase> {
protected:
    Status apply(asistente& assistant, const std::string& setting, std::int16_t value)
    {
        if (setting == "Balloon")
            return assistant.Balloon(value);
        if (setting == "AutoHide")
            return assistant.AutoHide(value);
        return assistant.AutoSpace(value);
    }
    std::int16_t read(const asistente& assistant, const std::string& setting)
    {
        if (setting == "Balloon")
            return assistant.Balloon();
        if (setting == "AutoHide")
            return assistant.AutoHide();
        return assistant.AutoSpace();
    }
};

TEST_P(BalloonStyleBits, ReadsTheStyleThenChangesOnlyItsOwnBit)
{
    auto assistant = makeAssistant();
    ASSERT_TRUE(assistant->Show(3082, 0).ok());
    state->balloonStyle = GetParam().startStyle;
    clearJournal();
    ASSERT_TRUE(apply(*assistant, GetParam().setting, GetParam().value).ok());
    EXPECT_EQ(journal(), (Lines{"Balloon.Style?", "Balloon.Style=" + std::to_string(GetParam().expectedStyle)}));
    EXPECT_EQ(read(*assistant, GetParam().setting), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Settings, BalloonStyleBits,
                         ::testing::Values(StyleCase{"Balloon", 13, 0, 12}, StyleCase{"Balloon", 12, -1, 13},
                                           StyleCase{"Balloon", 0x7FFFFFF0, 1, 0x7FFFFFF1},
                                           StyleCase{"AutoHide", 13, 0, 9}, StyleCase{"AutoHide", 0x102, -1, 0x106},
                                           StyleCase{"AutoSpace", 13, 0, 5}, StyleCase{"AutoSpace", -1, 0, -9},
                                           // Any nonzero 16-bit value is "on", and is stored unchanged.
                                           StyleCase{"AutoSpace", 0, 2, 8}));

TEST_F(AssistantTest, BalloonOffThenOnKeepsTheOtherBits)
{
    auto assistant = makeAssistant();
    ASSERT_TRUE(assistant->Show(3082, 0).ok());
    state->balloonStyle = 1 | 8 | 0x40;
    ASSERT_TRUE(assistant->Balloon(0).ok());
    EXPECT_EQ(state->balloonStyle, 8 | 0x40);
    ASSERT_TRUE(assistant->Balloon(-1).ok());
    EXPECT_EQ(state->balloonStyle, 1 | 8 | 0x40);
}

TEST_F(AssistantTest, FailedStyleReadStoresTheValueButWritesNothing)
{
    auto assistant = makeAssistant();
    ASSERT_TRUE(assistant->Show(3082, 0).ok());
    failNext("Balloon.Style?", kControlFailure);
    clearJournal();
    EXPECT_EQ(assistant->AutoHide(0).failure(), kControlFailure);
    EXPECT_EQ(journal(), Lines{"Balloon.Style?"});
    EXPECT_EQ(assistant->AutoHide(), 0);
}

TEST_F(AssistantTest, SettingsSurviveShowAndAreNotReapplied)
{
    auto assistant = makeAssistant();
    ASSERT_TRUE(assistant->Show(3082, 0).ok());
    ASSERT_TRUE(assistant->Sound(-1).ok());
    ASSERT_TRUE(assistant->Balloon(0).ok());
    clearJournal();
    ASSERT_TRUE(assistant->Show(3082, 1).ok());
    for (const auto& line : journal()) {
        EXPECT_EQ(line.find("SoundEffectsOn"), std::string::npos);
        EXPECT_EQ(line.find("Balloon.Style"), std::string::npos);
    }
    EXPECT_EQ(assistant->Sound(), -1);
    EXPECT_EQ(assistant->Balloon(), 0);
}

// The Command event ---------------------------------------------------------

TEST_F(AssistantTest, OptionsCommandOpensThePropertySheetThroughTheSubscription)
{
    auto assistant = makeAssistant();
    clearJournal();
    ASSERT_TRUE(state->commandHandler);
    FakeUserInput options(std::wstring(L"Opciones"));
    state->commandHandler(options);
    EXPECT_EQ(journal(), Lines{"PropertySheet.Visible=true"});
}

TEST_F(AssistantTest, OtherCommandsAreIgnored)
{
    auto assistant = makeAssistant();
    clearJournal();
    for (const wchar_t* name : {L"opciones", L"OPCIONES", L"Opciones ", L"", L"Salir"}) {
        FakeUserInput input{std::wstring(name)};
        EXPECT_TRUE(assistant->agnAsistente_Command(input).ok());
    }
    FakeUserInput unreadable{Result<std::wstring>(kControlFailure)};
    EXPECT_EQ(assistant->agnAsistente_Command(unreadable).failure(), kControlFailure);
    EXPECT_TRUE(journal().empty());
}

} // namespace
} // namespace gesticon::tests
