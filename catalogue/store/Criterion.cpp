#include "Criterion.h"
#include "TextCollation.h"

namespace catalogue {

bool Criterion::matches(const MovieRecord& row) const
{
    const QString& value = row[indexOf(field_)];
    if (field_ == Field::Idzefo)
        return value == text_; // the stored number already reads as its plain decimal text
    return textEquals(value, text_);
}

} // namespace catalogue
