#pragma once

#include "Field.h"

#include <QString>
#include <QStringView>

namespace catalogue {

// The texts every report of the catalogue is made of, kept apart from the
// writing so that what a line says can be checked on its own.

inline constexpr QStringView kNoDataMessage = u"No Hay Datos...";
inline constexpr QStringView kFooterLine = u"^Brisvel^ Corp.";

// 80 hyphen-minus characters.
QString separatorLine();

// One line of a film's seven-line entry: the field's 24-character label,
// then the text its box shows.
QString fieldLine(Field field, QStringView boxText);

// The one-line entry of the titles-only listing: "P12 -> Alien".
QString titleLine(QStringView number, QStringView title);

QString totalLine(QStringView totalLabel, qint64 count);

// "Trabajo Realizado... Hay 25 Películas...".
QString listingDoneMessage(qint64 count, QStringView messageTail);

} // namespace catalogue
