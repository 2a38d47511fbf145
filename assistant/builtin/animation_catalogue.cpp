#include "animation_catalogue.h"

#include "ascii_names.h"

#include <array>

namespace gesticon::builtin {

namespace {

using P = Pose;

// Families share poses and differ in their order and timing, so each name
// plays a sequence of its own. Animations with a "Return" form end holding
// their pose; the rest come back to Rest.
constexpr Frame kAcknowledge[] = {
    {P::Rest, 100}, {P::Acknowledge, 300}, {P::Rest, 150}, {P::Acknowledge, 250}, {P::Rest, 100}};
constexpr Frame kAlert[] = {{P::Alert, 250}, {P::Surprised, 200}, {P::Alert, 400}, {P::Rest, 100}};
constexpr Frame kAnnounce[] = {{P::Announce, 250}, {P::Speak2, 150}, {P::Announce, 400}, {P::Rest, 100}};
constexpr Frame kBlink[] = {{P::Blink, 150}, {P::Rest, 100}};
constexpr Frame kConfused[] = {{P::Confused, 400}, {P::Uncertain, 300}, {P::Confused, 400}, {P::Rest, 100}};
constexpr Frame kCongratulate[] = {
    {P::Congratulate1, 250}, {P::Congratulate2, 250}, {P::Congratulate1, 250}, {P::Congratulate2, 300}, {P::Rest, 100}};
constexpr Frame kDecline[] = {
    {P::Decline1, 200}, {P::Decline2, 200}, {P::Decline1, 200}, {P::Decline2, 200}, {P::Rest, 100}};
constexpr Frame kDoMagic1[] = {{P::PointUp, 150}, {P::Magic1, 400}};
constexpr Frame kDoMagic2[] = {{P::Magic1, 150}, {P::Magic2, 500}, {P::Rest, 150}};
constexpr Frame kDontRecognize[] = {{P::Listen, 300}, {P::Confused, 400}, {P::Listen, 300}, {P::Rest, 100}};
constexpr Frame kExplain[] = {{P::Explain, 300}, {P::Speak1, 150}, {P::Explain, 300}, {P::Rest, 100}};
constexpr Frame kGestureDown[] = {{P::Rest, 50}, {P::PointDown, 700}, {P::Rest, 100}};
constexpr Frame kGestureLeft[] = {{P::Rest, 50}, {P::PointLeft, 700}, {P::Rest, 100}};
constexpr Frame kGestureRight[] = {{P::Rest, 50}, {P::PointRight, 700}, {P::Rest, 100}};
constexpr Frame kGestureUp[] = {{P::Rest, 50}, {P::PointUp, 700}, {P::Rest, 100}};
constexpr Frame kGetAttention[] = {
    {P::Attention1, 200}, {P::Attention2, 200}, {P::Attention1, 200}, {P::Attention2, 200}};
constexpr Frame kGetAttentionContinued[] = {{P::Attention1, 200}, {P::Attention2, 200}};
constexpr Frame kGetAttentionReturn[] = {{P::Attention1, 150}, {P::Rest, 100}};
constexpr Frame kGreet[] = {{P::Rest, 100}, {P::Bow, 700}, {P::Pleased, 300}, {P::Rest, 100}};
constexpr Frame kHearing1[] = {{P::Listen, 700}, {P::LookRight, 400}};
constexpr Frame kHearing2[] = {{P::Listen, 500}, {P::LookUp, 400}, {P::Listen, 500}, {P::Blink, 150}};
constexpr Frame kHearing3[] = {{P::Listen, 600}, {P::LookLeft, 300}, {P::Listen, 400}, {P::LookRight, 300}};
constexpr Frame kHide[] = {{P::Rest, 100}, {P::Small, 120}, {P::Tiny, 150}, {P::Small, 120}, {P::Rest, 100}};
constexpr Frame kIdle1_1[] = {{P::Blink, 150}, {P::Rest, 600}, {P::Blink, 150}, {P::Rest, 100}};
constexpr Frame kIdle1_2[] = {{P::LookLeft, 500}, {P::Rest, 200}, {P::LookRight, 500}, {P::Rest, 100}};
constexpr Frame kIdle1_3[] = {{P::LookUp, 600}, {P::Blink, 150}, {P::Rest, 100}};
constexpr Frame kIdle1_4[] = {{P::LookDown, 500}, {P::Blink, 150}, {P::LookDown, 400}, {P::Rest, 100}};
constexpr Frame kIdle2_1[] = {{P::Yawn, 700}, {P::Blink, 200}, {P::Rest, 100}};
constexpr Frame kIdle2_2[] = {{P::Stretch, 700}, {P::Pleased, 300}, {P::Rest, 100}};
constexpr Frame kIdle3_1[] = {{P::Yawn, 500}, {P::Blink, 500}, {P::Yawn, 500}, {P::Blink, 400}, {P::Rest, 100}};
constexpr Frame kIdle3_2[] = {{P::Think1, 600}, {P::Blink, 150}, {P::Think1, 400}, {P::Rest, 100}};
constexpr Frame kLookDown[] = {{P::LookDown, 300}};
constexpr Frame kLookDownReturn[] = {{P::LookDown, 100}, {P::Rest, 100}};
constexpr Frame kLookLeft[] = {{P::LookLeft, 300}};
constexpr Frame kLookLeftReturn[] = {{P::LookLeft, 100}, {P::Rest, 100}};
constexpr Frame kLookRight[] = {{P::LookRight, 300}};
constexpr Frame kLookRightReturn[] = {{P::LookRight, 100}, {P::Rest, 100}};
constexpr Frame kLookUp[] = {{P::LookUp, 300}};
constexpr Frame kLookUpReturn[] = {{P::LookUp, 100}, {P::Rest, 100}};
constexpr Frame kMoveDown[] = {{P::MoveDown, 500}, {P::Rest, 100}};
constexpr Frame kMoveLeft[] = {{P::MoveLeft, 500}, {P::Rest, 100}};
constexpr Frame kMoveUp[] = {{P::MoveUp, 500}, {P::Rest, 100}};
constexpr Frame kMoveRight[] = {{P::MoveRight, 500}, {P::Rest, 100}};
constexpr Frame kPleased[] = {{P::Pleased, 500}, {P::Acknowledge, 200}, {P::Pleased, 300}, {P::Rest, 100}};
constexpr Frame kProcess[] = {
    {P::Process1, 200}, {P::Process2, 200}, {P::Process1, 200}, {P::Process2, 200}, {P::Rest, 100}};
constexpr Frame kProcessing[] = {{P::Process1, 200}, {P::Process2, 200}};
constexpr Frame kRead[] = {{P::Read1, 400}, {P::Read2, 300}, {P::Read1, 300}};
constexpr Frame kReadContinued[] = {{P::Read2, 300}, {P::Read1, 500}, {P::Read2, 300}, {P::Read1, 300}};
constexpr Frame kReading[] = {{P::Read1, 600}, {P::Read2, 300}};
constexpr Frame kReadReturn[] = {{P::Read1, 150}, {P::Rest, 100}};
constexpr Frame kRestPose[] = {{P::Rest, 100}};
constexpr Frame kSad[] = {{P::Sad, 800}, {P::LookDown, 300}, {P::Sad, 500}, {P::Rest, 100}};
constexpr Frame kSearch[] = {{P::Search1, 400}, {P::Search2, 400}, {P::Search1, 300}, {P::Rest, 100}};
constexpr Frame kSearching[] = {{P::Search1, 450}, {P::Search2, 450}};
constexpr Frame kShow[] = {{P::Tiny, 100}, {P::Small, 120}, {P::Rest, 150}};
constexpr Frame kStartListening[] = {{P::Rest, 100}, {P::Listen, 500}};
constexpr Frame kStopListening[] = {{P::Listen, 150}, {P::Blink, 150}, {P::Rest, 100}};
constexpr Frame kSuggest[] = {{P::Suggest, 600}, {P::Explain, 300}, {P::Suggest, 300}, {P::Rest, 100}};
constexpr Frame kSurprised[] = {{P::Surprised, 700}, {P::Blink, 120}, {P::Surprised, 300}, {P::Rest, 100}};
constexpr Frame kThink[] = {{P::Think1, 500}, {P::Think2, 400}, {P::Think1, 300}, {P::Rest, 100}};
constexpr Frame kThinking[] = {{P::Think1, 600}, {P::Think2, 600}};
constexpr Frame kUncertain[] = {{P::Uncertain, 700}, {P::Blink, 120}, {P::Uncertain, 300}, {P::Rest, 100}};
constexpr Frame kWave[] = {{P::Wave1, 200}, {P::Wave2, 200}, {P::Wave1, 200},
                           {P::Wave2, 200}, {P::Wave1, 200}, {P::Rest, 100}};
constexpr Frame kWrite[] = {{P::Write1, 300}, {P::Write2, 300}, {P::Write1, 300}};
constexpr Frame kWriteContinued[] = {{P::Write2, 250}, {P::Write1, 250}, {P::Write2, 250}};
constexpr Frame kWriteReturn[] = {{P::Write1, 150}, {P::Rest, 100}};
constexpr Frame kWriting[] = {{P::Write1, 300}, {P::Write2, 300}};

constexpr int kLoops = 0;

constexpr std::array kAnimations = {
    Animation{L"Acknowledge", kAcknowledge},
    Animation{L"Alert", kAlert},
    Animation{L"Announce", kAnnounce},
    Animation{L"Blink", kBlink},
    Animation{L"Confused", kConfused},
    Animation{L"Congratulate", kCongratulate},
    Animation{L"Decline", kDecline},
    Animation{L"DoMagic1", kDoMagic1},
    Animation{L"DoMagic2", kDoMagic2},
    Animation{L"DontRecognize", kDontRecognize},
    Animation{L"Explain", kExplain},
    Animation{L"GestureDown", kGestureDown},
    Animation{L"GestureLeft", kGestureLeft},
    Animation{L"GestureRight", kGestureRight},
    Animation{L"GestureUp", kGestureUp},
    Animation{L"GetAttention", kGetAttention},
    Animation{L"GetAttentionContinued", kGetAttentionContinued, kLoops},
    Animation{L"GetAttentionReturn", kGetAttentionReturn},
    Animation{L"Greet", kGreet},
    Animation{L"Hearing_1", kHearing1, kLoops},
    Animation{L"Hearing_2", kHearing2, kLoops},
    Animation{L"Hearing_3", kHearing3, kLoops},
    Animation{L"Hide", kHide},
    Animation{L"Idle1_1", kIdle1_1},
    Animation{L"Idle1_2", kIdle1_2},
    Animation{L"Idle1_3", kIdle1_3},
    Animation{L"Idle1_4", kIdle1_4},
    Animation{L"Idle2_1", kIdle2_1},
    Animation{L"Idle2_2", kIdle2_2},
    Animation{L"Idle3_1", kIdle3_1},
    Animation{L"Idle3_2", kIdle3_2},
    Animation{L"LookDown", kLookDown},
    Animation{L"LookDownReturn", kLookDownReturn},
    Animation{L"LookLeft", kLookLeft},
    Animation{L"LookLeftReturn", kLookLeftReturn},
    Animation{L"LookRight", kLookRight},
    Animation{L"LookRightReturn", kLookRightReturn},
    Animation{L"LookUp", kLookUp},
    Animation{L"LookUpReturn", kLookUpReturn},
    Animation{L"MoveDown", kMoveDown},
    Animation{L"MoveLeft", kMoveLeft},
    Animation{L"MoveUp", kMoveUp},
    Animation{L"MoveRight", kMoveRight},
    Animation{L"Pleased", kPleased},
    Animation{L"Process", kProcess},
    Animation{L"Processing", kProcessing, kLoops},
    Animation{L"Read", kRead},
    Animation{L"ReadContinued", kReadContinued},
    Animation{L"Reading", kReading, kLoops},
    Animation{L"ReadReturn", kReadReturn},
    Animation{L"RestPose", kRestPose},
    Animation{L"Sad", kSad},
    Animation{L"Search", kSearch},
    Animation{L"Searching", kSearching, kLoops},
    Animation{L"Show", kShow},
    Animation{L"StartListening", kStartListening},
    Animation{L"StopListening", kStopListening},
    Animation{L"Suggest", kSuggest},
    Animation{L"Surprised", kSurprised},
    Animation{L"Think", kThink},
    Animation{L"Thinking", kThinking, kLoops},
    Animation{L"Uncertain", kUncertain},
    Animation{L"Wave", kWave},
    Animation{L"Write", kWrite},
    Animation{L"WriteContinued", kWriteContinued},
    Animation{L"WriteReturn", kWriteReturn},
    Animation{L"Writing", kWriting, kLoops},
};

} // namespace

const Animation* findAnimation(std::wstring_view name)
{
    for (const Animation& animation : kAnimations) {
        if (sameAsciiName(animation.name, name))
            return &animation;
    }
    return nullptr;
}

std::span<const Animation> allAnimations()
{
    return kAnimations;
}

} // namespace gesticon::builtin
