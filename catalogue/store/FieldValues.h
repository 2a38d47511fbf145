#pragma once
// The text forms of the field values, as the window checks them before a
// save and as the store keeps them: whole numbers as the user types them,
// and the text a stored value reads back as.

#include "Field.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace catalogue {

// Parses a whole number as the user types it; surrounding blanks are forgiven.
std::optional<std::int64_t> parseWholeNumber(const QString& text);
// Digits only (with an optional sign), but beyond what a whole number can keep.
bool isTooBigWholeNumber(const QString& text);
// The text a stored value reads back as: whole numbers in plain decimal form,
// texts with every control character (line breaks, tabs, NUL...) as a space.
QString storedForm(Field field, const QString& text);
// The text with every control character as a space: every report line stays
// one line, and other tools see the whole text.
QString withoutControls(QString text);

} // namespace catalogue
