#pragma once
// Qt's own texts that reach the user (the buttons of the prompts and message
// boxes, the context menus of the text boxes) in Spanish, like the rest of the
// program.

namespace catalogue {

// Loads Qt's Spanish translation, qtbase_es.qm, into the running application.
// A copy shipped with the program wins: next to the program or in the
// "translations" folder beside it (how the Windows build carries it); then
// Qt's own translations folder (where Debian's qt6-translations-l10n puts it).
// False when none was found; Qt's texts then stay English.
bool installQtSpanishTranslation();

} // namespace catalogue
