#pragma once
// The arithmetic that puts the character at the bottom right of the screen:
// screen twips -> 32-bit integer (halves to even) -> pixels at a fixed 15
// twips per pixel -> minus the character's extent -> minus a 50-pixel margin,
// every step checked for 32-bit overflow and the result for the 16-bit range.

#include "failure.h"

#include <cstdint>

namespace gesticon {

inline constexpr std::int32_t kTwipsPerPixel = 15;
inline constexpr std::int32_t kScreenMarginPixels = 50;

// Conversion to a 32-bit integer with halves going to the even neighbour;
// error 6 when the value does not fit (or is not a number).
Result<std::int32_t> roundToInt32(double value);

// Whole pixels in `twips`, truncating toward zero.
std::int32_t twipsToPixels(std::int32_t twips);

// screenPixels - extent - margin, as a 16-bit position; error 6 out of range.
Result<std::int16_t> farEdgePosition(std::int32_t screenPixels, std::int16_t extent);

} // namespace gesticon
