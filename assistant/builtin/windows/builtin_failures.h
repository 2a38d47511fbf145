#pragma once
// The built-in control's own failures. They reach the assistant's caller as
// the real control's failures do: its code, a description and a source.

#include "failure.h"

#include <string_view>

namespace gesticon::builtin {

// In the interface facility, as a control's own errors are.
inline constexpr std::int32_t kErrorUnknownAnimation = static_cast<std::int32_t>(0x80040201u);
inline constexpr std::int32_t kErrorUnknownCharacter = static_cast<std::int32_t>(0x80040202u);
inline constexpr std::int32_t kErrorNotLoaded = static_cast<std::int32_t>(0x80040203u);
inline constexpr std::int32_t kErrorAlreadyLoaded = static_cast<std::int32_t>(0x80040204u);

Failure unknownAnimation(std::wstring_view name);
Failure unknownCharacter(std::wstring_view loadKey);
Failure notLoaded(std::wstring_view characterId);
Failure alreadyLoaded(std::wstring_view characterId);
// A failure of the platform while making the character's windows.
Failure platformFailure(std::int32_t code, std::wstring_view what);

} // namespace gesticon::builtin
