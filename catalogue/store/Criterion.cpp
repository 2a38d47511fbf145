#include "Criterion.h"
#include "TextCollation.h"

namespace catalogue {

Criterion Criterion::numberIs(const QString& numberText)
{
    // The stored number already reads as its plain decimal text.
    return Criterion(Field::Idzefo, numberText, numberText.toUtf8());
}

Criterion Criterion::directorIs(const QString& director)
{
    return Criterion(Field::Director, director, collationKey(director));
}

bool Criterion::matches(const PackedRow& row) const
{
    const std::string_view value = row.utf8(field_);
    if (field_ == Field::Idzefo)
        return value == std::string_view(compareForm_.constData(), std::size_t(compareForm_.size()));
    return collationKey(value) == compareForm_;
}

} // namespace catalogue
