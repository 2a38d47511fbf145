#include "character_choice.h"

#include "ascii_names.h"

namespace gesticon::builtin {

namespace {

struct Known {
    std::wstring_view fileName;
    Character character;
};
constexpr Known kKnown[] = {
    {L"genie.acs", Character::Genie},
    {L"merlin.acs", Character::Wizard},
    {L"robby.acs", Character::Robot},
    {L"peedy.acs", Character::Parrot},
};

} // namespace

std::optional<Character> characterForLoadKey(std::wstring_view loadKey)
{
    const std::size_t slash = loadKey.find_last_of(L"\\/");
    const std::wstring_view fileName = slash == std::wstring_view::npos ? loadKey : loadKey.substr(slash + 1);
    for (const Known& known : kKnown) {
        if (sameAsciiName(fileName, known.fileName))
            return known.character;
    }
    return std::nullopt;
}

const wchar_t* resourceName(Character character)
{
    switch (character) {
    case Character::Genie: return L"GENIE";
    case Character::Wizard: return L"WIZARD";
    case Character::Robot: return L"ROBOT";
    case Character::Parrot: return L"PARROT";
    }
    return L"GENIE";
}

} // namespace gesticon::builtin
