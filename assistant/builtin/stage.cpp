#include "stage.h"

#include <algorithm>
#include <cmath>

namespace gesticon::builtin {

namespace {

// The mouth while the character speaks: a cycle over the talking poses.
constexpr Pose kTalk[] = {Pose::Speak1, Pose::Speak2, Pose::Speak1, Pose::Rest};
constexpr std::uint32_t kTalkFrameMs = 120;

// Hiding shrinks the character as it fades; the "Hide" animation played on
// its own comes back to Rest instead.
constexpr Frame kVanishFrames[] = {{Pose::Rest, 100}, {Pose::Small, 120}, {Pose::Tiny, 150}};
constexpr Animation kVanish{L"Hide", kVanishFrames};

// Whether the clock has reached `at`, across a wrap-around too.
bool reached(std::uint32_t now, std::uint32_t at)
{
    return static_cast<std::int32_t>(now - at) >= 0;
}

bool isSpace(wchar_t c)
{
    return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n';
}

Pose movePose(Point from, Point to)
{
    const int dx = to.x - from.x, dy = to.y - from.y;
    if (std::abs(dx) >= std::abs(dy))
        return dx < 0 ? Pose::MoveLeft : Pose::MoveRight;
    return dy < 0 ? Pose::MoveUp : Pose::MoveDown;
}

std::uint32_t totalMs(const Animation& animation)
{
    std::uint32_t total = 0;
    for (const Frame& frame : animation.frames)
        total += frame.ms;
    return total;
}

} // namespace

std::vector<std::size_t> wordEnds(std::wstring_view text)
{
    std::vector<std::size_t> ends;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!isSpace(text[i]) && (i + 1 == text.size() || isSpace(text[i + 1])))
            ends.push_back(i + 1);
    }
    return ends;
}

Stage::Stage(Voice& voice, Clock clock) : voice_(voice), clock_(std::move(clock)) {}

void Stage::show()
{
    enqueue({Kind::Show, {}, {}, findAnimation(L"Show")});
}

void Stage::hide()
{
    enqueue({Kind::Hide, {}, {}, &kVanish});
}

void Stage::speak(std::wstring text)
{
    enqueue({Kind::Speak, std::move(text), {}});
}

void Stage::think(std::wstring text)
{
    enqueue({Kind::Think, std::move(text), {}});
}

void Stage::moveTo(Point target)
{
    enqueue({Kind::Move, {}, target});
}

void Stage::play(const Animation& animation)
{
    enqueue({Kind::Play, {}, {}, &animation});
}

void Stage::enqueue(Request request)
{
    queue_.push_back(std::move(request));
    advance();
}

void Stage::place(Point where)
{
    scene_.place = where;
}

bool Stage::busy() const
{
    return current_.has_value() || !queue_.empty() || balloonHidesAt_.has_value();
}

void Stage::advance()
{
    const std::uint32_t now = clock_();
    if (balloonHidesAt_ && reached(now, *balloonHidesAt_)) {
        scene_.balloon = {};
        balloonHidesAt_.reset();
    }
    // Requests that end at once (a Show while shown, a Move while hidden)
    // let the next one start in the same pass.
    for (;;) {
        if (!current_) {
            if (queue_.empty())
                return;
            Request next = std::move(queue_.front());
            queue_.pop_front();
            start(std::move(next), now);
        }
        if (!step(now))
            return;
        finish(now);
    }
}

void Stage::start(Request request, std::uint32_t now)
{
    current_ = std::move(request);
    startedAt_ = now;
    Request& r = *current_;
    switch (r.kind) {
    case Kind::Show:
        if (scene_.visible)
            r.animation = nullptr;
        else {
            scene_.visible = true;
            scene_.opacity = 0;
        }
        break;
    case Kind::Hide:
        if (!scene_.visible)
            r.animation = nullptr;
        break;
    case Kind::Play: break;
    case Kind::Speak:
    case Kind::Think: {
        balloonHidesAt_.reset();
        wordEnds_ = wordEnds(r.text);
        const bool pace = r.kind == Kind::Speak && (balloonStyle_ & kBalloonAutoPace) != 0;
        scene_.balloon = {};
        if (!r.text.empty() && (balloonStyle_ & kBalloonOn) != 0)
            scene_.balloon = {r.kind == Kind::Speak ? BalloonKind::Speech : BalloonKind::Thought, r.text,
                              pace ? 0 : r.text.size()};
        speechMs_ = r.text.empty()
                        ? 0
                        : std::max<std::uint32_t>(kShortestBalloonMs,
                                                  static_cast<std::uint32_t>(wordEnds_.size()) * kReadingMsPerWord);
        spoken_ = false;
        heard_ = false;
        voiced_ = r.kind == Kind::Speak && !r.text.empty() && voice_.speak(r.text);
        lastHeardAt_ = now;
        break;
    }
    case Kind::Move:
        from_ = scene_.place;
        glideMs_ = static_cast<std::uint32_t>(std::hypot(r.target.x - from_.x, r.target.y - from_.y) * 1000.0 /
                                              kGlidePixelsPerSecond);
        if (scene_.visible && glideMs_ > 0)
            scene_.pose = movePose(from_, r.target);
        else
            glideMs_ = 0;
        break;
    }
    if (r.animation) {
        frame_ = 0;
        frameStartedAt_ = now;
        framesTotalMs_ = totalMs(*r.animation);
        scene_.pose = r.animation->frames.front().pose;
    }
}

bool Stage::step(std::uint32_t now)
{
    switch (current_->kind) {
    case Kind::Show:
    case Kind::Hide:
    case Kind::Play: return stepFrames(now);
    case Kind::Speak:
    case Kind::Think: return stepSpeech(now);
    case Kind::Move: return stepGlide(now);
    }
    return true;
}

bool Stage::stepFrames(std::uint32_t now)
{
    const Animation* animation = current_->animation;
    if (!animation)
        return true;
    const auto& frames = animation->frames;
    bool ended = false;
    while (now - frameStartedAt_ >= frames[frame_].ms) {
        // A looping animation gives way, at its next frame, to a waiting request.
        if (animation->loops() && !queue_.empty()) {
            ended = true;
            break;
        }
        frameStartedAt_ += frames[frame_].ms;
        if (frame_ + 1 < frames.size())
            ++frame_;
        else if (animation->loops())
            frame_ = static_cast<std::size_t>(animation->loopFrom);
        else {
            ended = true;
            break;
        }
    }
    scene_.pose = frames[frame_].pose;
    if (current_->kind != Kind::Play) {
        const std::uint32_t elapsed = std::min(now - startedAt_, framesTotalMs_);
        const auto faded = static_cast<std::uint8_t>(255u * elapsed / std::max<std::uint32_t>(framesTotalMs_, 1));
        scene_.opacity = current_->kind == Kind::Show ? faded : static_cast<std::uint8_t>(255 - faded);
    }
    return ended;
}

bool Stage::stepSpeech(std::uint32_t now)
{
    const std::uint32_t elapsed = now - startedAt_;
    if (current_->kind == Kind::Think)
        return elapsed >= speechMs_;
    if (voiced_ && !heard_ && !spoken_ && elapsed >= kVoiceStartMs) {
        voice_.stop();
        voiced_ = false;
    }
    if (voiced_) {
        if (spoken_)
            return true;
        if (now - lastHeardAt_ >= kVoiceSilenceMs) {
            voice_.stop();
            return true;
        }
    } else {
        if (elapsed >= speechMs_)
            return true;
        const std::size_t words = std::min<std::size_t>(elapsed / kReadingMsPerWord + 1, wordEnds_.size());
        if (words > 0)
            revealUpTo(wordEnds_[words - 1]);
    }
    scene_.pose = kTalk[(elapsed / kTalkFrameMs) % std::size(kTalk)];
    return false;
}

bool Stage::stepGlide(std::uint32_t now)
{
    const Point to = current_->target;
    const std::uint32_t elapsed = now - startedAt_;
    if (elapsed >= glideMs_)
        return true;
    const double t = static_cast<double>(elapsed) / glideMs_;
    scene_.place = {from_.x + static_cast<int>(std::lround((to.x - from_.x) * t)),
                    from_.y + static_cast<int>(std::lround((to.y - from_.y) * t))};
    return false;
}

void Stage::finish(std::uint32_t now)
{
    switch (current_->kind) {
    case Kind::Show:
        if (current_->animation) {
            scene_.opacity = 255;
            held_ = Pose::Rest;
        }
        break;
    case Kind::Hide:
        if (current_->animation) {
            scene_.visible = false;
            scene_.opacity = 255;
            scene_.balloon = {};
            balloonHidesAt_.reset();
            held_ = Pose::Rest;
        }
        break;
    case Kind::Play: held_ = scene_.pose; break;
    case Kind::Speak:
    case Kind::Think:
        scene_.balloon.shown = scene_.balloon.text.size();
        if (scene_.balloon.kind != BalloonKind::None && (balloonStyle_ & kBalloonAutoHide) != 0)
            balloonHidesAt_ = now + kBalloonLingerMs;
        break;
    case Kind::Move:
        scene_.place = current_->target;
        held_ = Pose::Rest;
        break;
    }
    scene_.pose = held_;
    current_.reset();
}

void Stage::stop()
{
    if (current_) {
        switch (current_->kind) {
        case Kind::Show: scene_.opacity = 255; break;
        case Kind::Hide:
            if (current_->animation) {
                scene_.visible = false;
                scene_.opacity = 255;
            }
            break;
        case Kind::Speak:
            if (voiced_ && !spoken_)
                voice_.stop();
            break;
        case Kind::Play: held_ = scene_.pose; break;
        case Kind::Think:
        case Kind::Move: break;
        }
        current_.reset();
    }
    queue_.clear();
    scene_.balloon = {};
    balloonHidesAt_.reset();
    scene_.pose = held_;
}

void Stage::wordReached(std::size_t end)
{
    if (current_ && current_->kind == Kind::Speak && voiced_) {
        revealUpTo(end);
        heard_ = true;
        lastHeardAt_ = clock_();
    }
}

void Stage::speechEnded()
{
    if (current_ && current_->kind == Kind::Speak && voiced_)
        spoken_ = true;
}

void Stage::revealUpTo(std::size_t end)
{
    if (scene_.balloon.kind == BalloonKind::Speech)
        scene_.balloon.shown = std::max(scene_.balloon.shown, std::min(end, scene_.balloon.text.size()));
}

} // namespace gesticon::builtin
