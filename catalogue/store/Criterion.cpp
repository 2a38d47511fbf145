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
    return Criterion(Field::Director, director, director.toUtf8());
}

bool Criterion::matches(const PackedRow& row) const
{
    const std::string_view value = row.utf8(field_);
    const std::string_view sought(compareForm_.constData(), std::size_t(compareForm_.size()));
    return field_ == Field::Idzefo ? value == sought : textEquals(value, sought);
}

} // namespace catalogue
