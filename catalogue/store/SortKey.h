#pragma once
// Sort keys of the browse orders: numbers sort as numbers, text as the
// catalogue collates it, empty values first.

#include "Field.h"
#include "PackedRow.h"
#include "RecordSource.h"

#include <string>
#include <string_view>

namespace catalogue {

// Appends the key of one field's value to `key`; keys compare as plain bytes.
void appendSortKey(std::string& key, Field field, std::string_view utf8);

// Negative, zero or positive as row a sorts before, with or after row b.
int compareRows(const RecordSourceOrder& order, const PackedRow& a, const PackedRow& b);

} // namespace catalogue
