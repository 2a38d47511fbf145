#pragma once

#include <QByteArray>
#include <QStringView>

namespace catalogue {

// Appends the Windows-1252 bytes of a text to `out`, as report files hold
// them, so a caller can reuse one buffer per line. Every character the code
// page can hold becomes its single byte (0x80 to 0x9F carry the euro sign,
// curly quotes, dashes, Š, œ, Ÿ and the like; the five positions the code
// page leaves unassigned pass the matching C1 controls through, as Windows
// itself does). Any other character, a character outside the Basic
// Multilingual Plane included, becomes one "?".
void appendWindows1252(QStringView text, QByteArray& out);

} // namespace catalogue
