#pragma once
// The window classes of the built-in assistant: the character and its
// balloon. Test clients find the windows by them.

namespace gesticon::builtin {

inline constexpr wchar_t kCharacterWindowClass[] = L"Gesticon.Character";
inline constexpr wchar_t kBalloonWindowClass[] = L"Gesticon.Balloon";
inline constexpr wchar_t kOptionsWindowClass[] = L"Gesticon.Options";

} // namespace gesticon::builtin
