#pragma once
// The 67 animation names the assistant knows (positions 1 to 67) and the
// animation that each member of the `Accion` enumeration (0 to 66) plays.

#include "failure.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace gesticon {

inline constexpr int kAnimationCount = 67;

// Position p (1-based) of the table is element p - 1.
extern const std::array<std::wstring_view, kAnimationCount> NombresAnimacion;

// The name at `indice` (1 to 67); error 9 otherwise.
Result<std::wstring_view> animationAt(std::int32_t indice);

// The animation `Accion` member `accNombre` plays; error 9 outside 0 to 66,
// error 6 when the position after it does not fit 32 bits.
Result<std::wstring_view> animationForAction(std::int32_t accNombre);

}  // namespace gesticon
