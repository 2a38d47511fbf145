#pragma once
// A character's frames: its PNG strip of poses decoded into 32-bit pixels,
// blue-green-red-alpha with the colour premultiplied by the alpha, which is
// how a layered window takes them.

#include "character_poses.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace gesticon::builtin {

class FrameSheet {
public:
    // Nothing when the bytes are not a PNG strip of kPoseCount square frames.
    static std::optional<FrameSheet> decode(std::span<const std::uint8_t> png);

    // Row `y` (0 at the top) of the frame of `pose`: kFrameSize pixels.
    std::span<const std::uint32_t> row(Pose pose, int y) const;

private:
    explicit FrameSheet(std::vector<std::uint32_t> pixels) : pixels_(std::move(pixels)) {}

    std::vector<std::uint32_t> pixels_; // the whole strip, row by row
};

} // namespace gesticon::builtin
