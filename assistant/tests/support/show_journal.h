#pragma once
// What a complete Show asks of the control, in the journal's line format,
// which the core's recording fake and the control's stand-in share: load
// `quotedFile` (quoted as the journal writes strings) under "CharacterID",
// add the options command, set the language, show, and place a 128 x 128
// character on a 1024 x 768 screen.

#include <string>
#include <vector>

namespace gesticon::tests {

inline std::vector<std::string> showJournal(const std::string& quotedFile, long language)
{
    return {
        "Characters.Load(\"CharacterID\"," + quotedFile + ")",
        "Characters.Item(\"CharacterID\")",
        "Commands.Add(\"Opciones\",\"&Opciones Avanzadas\")",
        "Character.LanguageID=" + std::to_string(language),
        "Character.Show()",
        "Character.Width?",
        "Character.Left=846",
        "Character.Height?",
        "Character.Top=590",
    };
}

} // namespace gesticon::tests
