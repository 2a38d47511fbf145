#include "SortKey.h"
#include "TextCollation.h"

#include <bit>
#include <charconv>
#include <cstdint>

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

bool readNumber(std::string_view text, double& value)
{
    const auto* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return result.ec == std::errc() && result.ptr == end;
}

} // namespace

QByteArray sortKey(Field field, std::string_view utf8)
{
    QByteArray key;
    if (utf8.empty()) {
        key.append(emptyClass);
        return key;
    }
    double number = 0;
    if (isWholeNumber(field) && readNumber(utf8, number)) {
        key.append(numberClass);
        appendOrderedDouble(key, number);
        return key;
    }
    key.reserve(qsizetype(utf8.size()) * 4 + 2);
    key.append(textClass);
    appendCollationKey(key, utf8);
    return key;
}

int compareRows(const RecordSourceOrder& order, const PackedRow& a, const PackedRow& b)
{
    for (const SortTerm& term : order.terms) {
        const QByteArray ka = sortKey(term.field, a.utf8(term.field));
        const QByteArray kb = sortKey(term.field, b.utf8(term.field));
        const int c = ka < kb ? -1 : (kb < ka ? 1 : 0);
        if (c != 0)
            return term.descending ? -c : c;
    }
    return 0;
}

} // namespace catalogue
