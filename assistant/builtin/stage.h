#pragma once
// What a built-in character is doing, free of any window: its queue of
// requests (Show, Hide, Speak, Think, MoveTo, Play) run one after the other,
// and the scene they make at each moment (pose, place, opacity, balloon).
// The window side calls advance() on a timer and draws the scene; the voice
// reports its progress through wordReached() and speechEnded().

#include "animation_catalogue.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gesticon::builtin {

// Balloon style bits, as the control has them.
inline constexpr std::int32_t kBalloonOn = 1;
inline constexpr std::int32_t kBalloonAutoHide = 4;
inline constexpr std::int32_t kBalloonAutoPace = 8;
inline constexpr std::int32_t kDefaultBalloonStyle = kBalloonOn | kBalloonAutoHide | kBalloonAutoPace;

// A word every 300 ms: a steady reading pace, used for a voiceless Speak and for Think.
inline constexpr std::uint32_t kReadingMsPerWord = 300;
inline constexpr std::uint32_t kShortestBalloonMs = 1500;
// How long a balloon stays after its speech when it hides by itself.
inline constexpr std::uint32_t kBalloonLingerMs = 1500;
// A glide crosses a 1024-pixel screen in about 2.6 seconds.
inline constexpr std::uint32_t kGlidePixelsPerSecond = 400;
// A voice that has not reported its first word by then is taken as mute, and
// the balloon paces the words itself; one that falls silent later for this
// long is taken as finished.
inline constexpr std::uint32_t kVoiceStartMs = 1500;
inline constexpr std::uint32_t kVoiceSilenceMs = 10000;

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

enum class BalloonKind { None, Speech, Thought };

struct Balloon {
    BalloonKind kind = BalloonKind::None;
    std::wstring text;
    std::size_t shown = 0; // characters of `text` on display
    bool operator==(const Balloon&) const = default;
};

struct Scene {
    bool visible = false;
    std::uint8_t opacity = 255;
    Pose pose = Pose::Rest;
    Point place;
    Balloon balloon;
    bool operator==(const Scene&) const = default;
};

// The speech synthesis a stage talks through.
class Voice {
public:
    virtual ~Voice() = default;
    // Starts speaking `text` without waiting; false when there is no voice to
    // speak it, and the stage paces the words itself.
    virtual bool speak(std::wstring_view text) = 0;
    // Silences the voice and forgets what it had still to say.
    virtual void stop() = 0;
};

class Stage {
public:
    // Milliseconds from any fixed start; wrapping around is allowed.
    using Clock = std::function<std::uint32_t()>;

    Stage(Voice& voice, Clock clock);

    // Requests: each is queued and starts when the one before it ends (at
    // once when the stage is idle).
    void show();
    void hide();
    void speak(std::wstring text);
    void think(std::wstring text);
    void moveTo(Point target);
    void play(const Animation& animation);
    // Ends the running request, empties the queue and silences the voice.
    void stop();

    // Left and Top: the character stands there at once.
    void place(Point where);
    std::int32_t balloonStyle() const { return balloonStyle_; }
    void setBalloonStyle(std::int32_t style) { balloonStyle_ = style; }

    // From the voice: the text up to `end` has been reached; the speech ended.
    void wordReached(std::size_t end);
    void speechEnded();

    // Brings the scene to the clock's present.
    void advance();
    // Whether anything is still to happen without a new request.
    bool busy() const;
    const Scene& scene() const { return scene_; }

private:
    enum class Kind { Show, Hide, Speak, Think, Move, Play };
    struct Request {
        Kind kind;
        std::wstring text;
        Point target;
        const Animation* animation = nullptr;
    };

    void enqueue(Request request);
    void start(Request request, std::uint32_t now);
    // Steps the running request; true when it has ended.
    bool step(std::uint32_t now);
    bool stepFrames(std::uint32_t now);
    bool stepSpeech(std::uint32_t now);
    bool stepGlide(std::uint32_t now);
    void finish(std::uint32_t now);
    void revealUpTo(std::size_t end);

    Voice& voice_;
    Clock clock_;
    Scene scene_;
    std::int32_t balloonStyle_ = kDefaultBalloonStyle;
    std::deque<Request> queue_;
    std::optional<Request> current_;
    std::uint32_t startedAt_ = 0;
    // Frames of the running animation.
    std::size_t frame_ = 0;
    std::uint32_t frameStartedAt_ = 0;
    std::uint32_t framesTotalMs_ = 0;
    Pose held_ = Pose::Rest;
    // Speech: by the voice, or paced at reading speed with the word ends below.
    bool voiced_ = false;
    bool heard_ = false;
    bool spoken_ = false;
    std::uint32_t lastHeardAt_ = 0;
    std::vector<std::size_t> wordEnds_;
    std::uint32_t speechMs_ = 0;
    // A glide from `from_` to the request's target.
    Point from_;
    std::uint32_t glideMs_ = 0;
    std::optional<std::uint32_t> balloonHidesAt_;
};

// Where each word of `text` ends, in order.
std::vector<std::size_t> wordEnds(std::wstring_view text);

} // namespace gesticon::builtin
