#include "SortKey.h"
#include "TextCollation.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace catalogue {

namespace {

enum : char { emptyClass = 1, numberClass = 2, textClass = 3 };

void appendOrderedDouble(QByteArray& key, double value)
{
    auto bits = std::bit_cast<std::uint64_t>(value);
    bits = (bits & 0x8000000000000000ULL) ? ~bits : bits | 0x8000000000000000ULL;
    for (int shift = 56; shift >= 0; shift -= 8)
        key.append(char((bits >> shift) & 0xFF));
}

} // namespace

QByteArray sortKey(Field field, const QString& value)
{
    QByteArray key;
    if (value.isEmpty()) {
        key.append(emptyClass);
        return key;
    }
    if (isWholeNumber(field)) {
        bool ok = false;
        const double number = value.toDouble(&ok);
        if (ok) {
            key.append(numberClass);
            appendOrderedDouble(key, number);
            return key;
        }
    }
    key.append(textClass);
    key.append(collationKey(value));
    return key;
}

int compareRows(const RecordSourceOrder& order, const MovieRecord& a, const MovieRecord& b)
{
    for (const SortTerm& term : order.terms) {
        const QByteArray ka = sortKey(term.field, a[indexOf(term.field)]);
        const QByteArray kb = sortKey(term.field, b[indexOf(term.field)]);
        const int c = ka < kb ? -1 : (kb < ka ? 1 : 0);
        if (c != 0)
            return term.descending ? -c : c;
    }
    return 0;
}

} // namespace catalogue
