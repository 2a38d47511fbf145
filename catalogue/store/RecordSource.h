#pragma once
// The record source of the data control: the bare table name, which gives the
// order of addition, or a query selecting every column of Pelis in the order
// of one or more columns, written the way the menus write them:
//   select * FROM [Pelis] ORDER BY [director],[titulo] ASC

#include "Field.h"

#include <QString>

#include <vector>

namespace catalogue {

struct SortTerm {
    Field field;
    bool descending = false;
    bool operator==(const SortTerm&) const = default;
};

struct RecordSourceOrder {
    std::vector<SortTerm> terms; // empty: order of addition
};

// Throws CatalogueError, naming the text, when the record source is not one the
// catalogue understands.
RecordSourceOrder parseRecordSource(const QString& source);

} // namespace catalogue
