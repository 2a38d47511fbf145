#pragma once
// The built-in characters' animations: each of the 67 names is a sequence of
// poses with their durations, some looping from a frame until the next
// request. All four characters share the table; each draws the poses its way.

#include "character_poses.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace gesticon::builtin {

struct Frame {
    Pose pose;
    std::uint16_t ms;
    bool operator==(const Frame&) const = default;
};

struct Animation {
    std::wstring_view name;
    std::span<const Frame> frames;
    // The frame a looping animation goes back to after its last; -1 when it
    // ends (and holds its last pose).
    int loopFrom = -1;

    bool loops() const { return loopFrom >= 0; }
};

// The animation of that name, compared without regard to case as the
// control's own names are; nullptr when there is none.
const Animation* findAnimation(std::wstring_view name);

std::span<const Animation> allAnimations();

} // namespace gesticon::builtin
