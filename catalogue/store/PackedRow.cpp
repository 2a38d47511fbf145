#include "PackedRow.h"

namespace catalogue {

PackedRow::PackedRow(const MovieRecord& record)
{
    *this = fromUtf8([&](Field f) { return record[indexOf(f)].toStdString(); });
}

void PackedRow::set(Field f, const QString& text)
{
    MovieRecord record;
    for (Field each : allFields)
        record[indexOf(each)] = each == f ? text : this->text(each);
    *this = PackedRow(record);
}

} // namespace catalogue
