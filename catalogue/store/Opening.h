#pragma once
// What opening a catalogue comes to, at every step of start-up: the store's
// file (CatalogueDatabase), the data control that reads it whole
// (DataControl), the conversion of an Access file (JetConversion.h), and the
// program's start, which reads it in one place.

#include <QString>
#include <QStringList>

#include <memory>

namespace catalogue {

enum class OpeningResult {
    // Open as it was found, or a new, empty catalogue for a missing file. For
    // the conversion alone: not an Access file, for the store to open as it is.
    Opened,
    // An Access file made into a catalogue of ours, the original kept beside it.
    Converted,
    // Not opened, and the files are as they were; `messages` says why.
    Refused,
    // Another window of the program has the catalogue, or is converting it.
    HeldElsewhere,
};

template <typename Catalogue>
struct Opening {
    OpeningResult result = OpeningResult::Refused;
    std::unique_ptr<Catalogue> catalogue = {}; // what the step opened or made; null when it opened nothing
    QStringList messages = {};                 // Spanish, to show before the window, in this order
    QStringList notices = {};                  // Spanish, to show once the window is up: what was found beside it
    QString problem = {}; // Refused: why, as the end of a sentence, for a caller with words of its own

    static Opening refused(const QString& message, const QString& problem = {})
    {
        return {OpeningResult::Refused, nullptr, {message}, {}, problem};
    }
    static Opening heldElsewhere(const QString& message) { return {OpeningResult::HeldElsewhere, nullptr, {message}}; }
    // The messages as one text, for a caller that shows one.
    QString message() const { return messages.join(QStringLiteral("\n\n")); }
};

} // namespace catalogue
