#pragma once
// Which built-in character a load key asks for. Clients name the character
// files of the classic control (…\msagent\chars\merlin.acs); the built-in
// assistant has a character of its own for each of those names.

#include <optional>
#include <string_view>

namespace gesticon::builtin {

enum class Character { Genie, Wizard, Robot, Parrot };

// By the file's base name, without regard to case; nothing for another name.
std::optional<Character> characterForLoadKey(std::wstring_view loadKey);

// The name of the character's frames among the library's resources.
const wchar_t* resourceName(Character character);

} // namespace gesticon::builtin
