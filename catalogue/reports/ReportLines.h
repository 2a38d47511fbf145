#pragma once

#include "ReportBox.h"

#include <QString>
#include <QStringView>

#include <array>

namespace catalogue {

// The texts every report of the catalogue is made of, kept apart from the
// writing so that what a line says can be checked on its own.

inline constexpr QStringView kMessageTitle = u"^Brisvel^ Catálogo Divx";
inline constexpr QStringView kNoDataMessage = u"No Hay Datos...";
inline constexpr QStringView kFooterLine = u"^Brisvel^ Corp.";

// 80 hyphen-minus characters.
QString separatorLine();

// The 24-character label in front of a box's value in a film's entry.
QStringView fieldLabel(Box box);

// One line of a film's seven-line entry: the box's label, then its text.
QString fieldLine(Box box, QStringView boxText);

// The seven lines of a film's entry from the texts of boxes a to g.
std::array<QString, 7> entryLines(const std::array<QString, 7>& boxTexts);

// The one-line entry of the titles-only listing: "P12 -> Alien".
QString titleLine(QStringView number, QStringView title);

QString totalLine(QStringView totalLabel, qint64 count);

// "Trabajo Realizado... Hay 25 Películas...".
QString listingDoneMessage(qint64 count, QStringView messageTail);

} // namespace catalogue
