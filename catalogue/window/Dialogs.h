#pragma once
// Every message box and text prompt of the program goes through this seam, so
// that tests can answer them and read what was said.

#include <QString>

#include <optional>

namespace catalogue {

// The title of the main window and of every message box, and Label17's caption.
inline constexpr QStringView kProgramTitle = u"^Brisvel^ Catálogo Divx";

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A modal box with the program's title, the text and an OK button only, no icon.
    virtual void message(const QString& text) = 0;
    // A modal text prompt with an empty default; nothing when the user cancels.
    virtual std::optional<QString> prompt(const QString& text, const QString& title) = 0;
};

} // namespace catalogue
