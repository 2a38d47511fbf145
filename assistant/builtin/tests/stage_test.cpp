// A built-in character's queue and scene over a hand-driven clock and a
// recording voice.
#include "stage.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace gesticon::builtin {
namespace {

class RecordingVoice : public Voice {
public:
    bool speak(std::wstring_view text) override
    {
        spoken.emplace_back(text);
        return available;
    }
    void stop() override { ++stops; }

    bool available = true;
    std::vector<std::wstring> spoken;
    int stops = 0;
};

class StageTest : public ::testing::Test {
protected:
    // Moves the clock on and lets the stage catch up.
    void after(std::uint32_t ms)
    {
        now += ms;
        stage.advance();
    }
    const Scene& scene() const { return stage.scene(); }
    void showAndSettle()
    {
        stage.show();
        after(1000);
    }

    std::uint32_t now = 4'294'960'000u; // close to the clock's wrap-around
    RecordingVoice voice;
    Stage stage{voice, [this] { return now; }};
};

TEST_F(StageTest, RequestsRunOneAfterTheOtherAndShowFadesIn)
{
    stage.show();
    stage.play(*findAnimation(L"Wave"));
    stage.speak(L"Hola");
    EXPECT_TRUE(scene().visible);
    EXPECT_EQ(scene().opacity, 0);
    EXPECT_EQ(scene().pose, Pose::Tiny);
    after(200);
    EXPECT_GT(scene().opacity, 0);
    EXPECT_LT(scene().opacity, 255);
    after(200);
    EXPECT_EQ(scene().opacity, 255);
    EXPECT_EQ(scene().pose, Pose::Wave1);
    EXPECT_TRUE(voice.spoken.empty()) << "the speech waits for the wave";
    after(1100);
    EXPECT_EQ(voice.spoken, std::vector<std::wstring>{L"Hola"});
}

TEST_F(StageTest, ALoopingAnimationLoopsUntilTheNextRequest)
{
    showAndSettle();
    stage.play(*findAnimation(L"Processing"));
    for (int i = 0; i < 50; ++i) {
        after(100);
        ASSERT_TRUE(scene().pose == Pose::Process1 || scene().pose == Pose::Process2);
    }
    EXPECT_TRUE(stage.busy());
    stage.play(*findAnimation(L"Wave"));
    after(200);
    EXPECT_EQ(scene().pose, Pose::Wave1);
}

TEST_F(StageTest, StopEndsTheRunningRequestEmptiesTheQueueAndSilencesTheVoice)
{
    showAndSettle();
    stage.speak(L"Una frase larga");
    stage.play(*findAnimation(L"Wave"));
    stage.stop();
    EXPECT_EQ(voice.stops, 1);
    EXPECT_EQ(scene().balloon.kind, BalloonKind::None);
    EXPECT_FALSE(stage.busy());
    after(5000);
    EXPECT_EQ(scene().pose, Pose::Rest);
}

TEST_F(StageTest, AVoicedSpeechShowsItsWordsAsTheVoiceReachesThemAndTheBalloonGoesAfterwards)
{
    showAndSettle();
    stage.speak(L"Hola mundo");
    EXPECT_EQ(scene().balloon.kind, BalloonKind::Speech);
    EXPECT_EQ(scene().balloon.text, L"Hola mundo");
    EXPECT_EQ(scene().balloon.shown, 0u);
    stage.wordReached(4);
    std::set<Pose> mouth;
    for (int i = 0; i < 12; ++i) {
        after(40);
        mouth.insert(scene().pose);
    }
    EXPECT_EQ(scene().balloon.shown, 4u);
    EXPECT_TRUE(mouth.count(Pose::Speak1) && mouth.count(Pose::Speak2)) << "the mouth moves";
    stage.speechEnded();
    after(10);
    EXPECT_EQ(scene().balloon.shown, 10u);
    EXPECT_EQ(scene().pose, Pose::Rest);
    after(kBalloonLingerMs - 20);
    EXPECT_EQ(scene().balloon.kind, BalloonKind::Speech);
    after(20);
    EXPECT_EQ(scene().balloon.kind, BalloonKind::None);
    EXPECT_FALSE(stage.busy());
}

TEST_F(StageTest, WithoutAVoiceTheWordsComeAtReadingSpeed)
{
    voice.available = false;
    showAndSettle();
    stage.speak(L"uno dos tres cuatro cinco seis");
    EXPECT_EQ(scene().balloon.shown, 3u);
    after(kReadingMsPerWord);
    EXPECT_EQ(scene().balloon.shown, 7u);
    after(4 * kReadingMsPerWord);
    EXPECT_EQ(scene().balloon.shown, 30u);
    after(kReadingMsPerWord);
    EXPECT_EQ(scene().pose, Pose::Rest) << "six words take 1.8 s";
}

TEST_F(StageTest, BalloonStyleBitsTurnTheBalloonItsPacingAndItsHidingOff)
{
    showAndSettle();
    stage.setBalloonStyle(kBalloonAutoHide | kBalloonAutoPace);
    stage.speak(L"Sin bocadillo");
    EXPECT_EQ(scene().balloon.kind, BalloonKind::None);
    stage.stop();
    stage.setBalloonStyle(kBalloonOn);
    stage.speak(L"Todo de una vez");
    EXPECT_EQ(scene().balloon.shown, 15u);
    stage.speechEnded();
    after(60'000);
    EXPECT_EQ(scene().balloon.kind, BalloonKind::Speech) << "without AutoHide the balloon stays";
}

TEST_F(StageTest, AMuteVoiceGivesWayToTheBalloonAndOneThatFallsSilentIsTakenAsFinished)
{
    showAndSettle();
    stage.speak(L"uno dos tres cuatro cinco seis siete");
    after(kVoiceStartMs - 1);
    EXPECT_EQ(scene().balloon.shown, 0u);
    after(1);
    EXPECT_EQ(voice.stops, 1);
    EXPECT_EQ(scene().balloon.shown, 30u) << "the six words due at reading speed";
    after(600);
    EXPECT_EQ(scene().pose, Pose::Rest);

    stage.speak(L"Hola mundo");
    stage.wordReached(4);
    after(kVoiceSilenceMs - 1);
    EXPECT_EQ(scene().balloon.shown, 4u);
    after(1);
    EXPECT_EQ(voice.stops, 2);
    EXPECT_EQ(scene().balloon.shown, 10u);
}

TEST_F(StageTest, ThinkShowsAThoughtBalloonSilently)
{
    showAndSettle();
    stage.think(L"Mmm");
    EXPECT_EQ(scene().balloon.kind, BalloonKind::Thought);
    EXPECT_EQ(scene().balloon.shown, 3u);
    EXPECT_TRUE(voice.spoken.empty());
}

TEST_F(StageTest, MoveToGlidesAtASteadySpeedPlayingTheMoveOfItsDirection)
{
    showAndSettle();
    stage.place({0, 600});
    stage.moveTo({1024, 600});
    EXPECT_EQ(scene().pose, Pose::MoveRight);
    after(1280);
    EXPECT_NEAR(scene().place.x, 512, 2);
    after(1280);
    EXPECT_EQ(scene().place, (Point{1024, 600}));
    EXPECT_EQ(scene().pose, Pose::Rest) << "a 1024-pixel glide ends within 3 s";
    stage.moveTo({1024, 100});
    EXPECT_EQ(scene().pose, Pose::MoveUp);
}

TEST_F(StageTest, HideFadesOutAndHidesAndAHiddenCharacterMovesAtOnce)
{
    showAndSettle();
    stage.speak(L"Adios");
    stage.hide();
    stage.speechEnded();
    after(10);
    EXPECT_EQ(scene().balloon.kind, BalloonKind::Speech);
    after(200);
    EXPECT_LT(scene().opacity, 255);
    after(500);
    EXPECT_FALSE(scene().visible);
    EXPECT_EQ(scene().balloon.kind, BalloonKind::None);
    stage.moveTo({10, 20});
    EXPECT_EQ(scene().place, (Point{10, 20}));
    EXPECT_FALSE(stage.busy());
}

} // namespace
} // namespace gesticon::builtin
