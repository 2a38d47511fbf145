#pragma once
// The 67 animation names the assistant knows (positions 1 to 67), the
// members of the `Accion` enumeration (values 0 to 66) named after them, and
// the animation each member plays. The type library's generator takes the
// member names from here too.

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

// The name of `Accion` member `value` (0 to 66).
std::wstring_view accionMemberName(std::int32_t value);

} // namespace gesticon
