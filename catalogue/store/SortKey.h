#pragma once
// Sort keys of the browse orders: numbers sort as numbers, text as the
// catalogue collates it, empty values first.

#include "Field.h"
#include "RecordSource.h"

#include <QByteArray>

namespace catalogue {

QByteArray sortKey(Field field, const QString& value);

// Negative, zero or positive as row a sorts before, with or after row b.
int compareRows(const RecordSourceOrder& order, const MovieRecord& a, const MovieRecord& b);

} // namespace catalogue
