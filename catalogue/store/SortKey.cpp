#include "SortKey.h"
#include "TextCollation.h"

#include <bit>
#include <charconv>
#include <cstdint>

namespace catalogue {

namespace {

enum : char { emptyClass = 1, numberClass = 2, textClass = 3 };

void appendOrderedDouble(std::string& key, double value)
{
    auto bits = std::bit_cast<std::uint64_t>(value);
    bits = (bits & 0x8000000000000000ULL) ? ~bits : bits | 0x8000000000000000ULL;
    for (int shift = 56; shift >= 0; shift -= 8)
        key.push_back(char((bits >> shift) & 0xFF));
}

bool readNumber(std::string_view text, double& value)
{
    const auto* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return result.ec == std::errc() && result.ptr == end;
}

} // namespace

void appendSortKey(std::string& key, Field field, std::string_view utf8)
{
    if (utf8.empty()) {
        key.push_back(emptyClass);
        return;
    }
    double number = 0;
    if (isWholeNumber(field) && readNumber(utf8, number)) {
        key.push_back(numberClass);
        appendOrderedDouble(key, number);
        return;
    }
    key.push_back(textClass);
    appendCollationKey(key, utf8);
}

int compareRows(const RecordSourceOrder& order, const PackedRow& a, const PackedRow& b)
{
    std::string ka;
    std::string kb;
    for (const SortTerm& term : order.terms) {
        ka.clear();
        kb.clear();
        appendSortKey(ka, term.field, a.utf8(term.field));
        appendSortKey(kb, term.field, b.utf8(term.field));
        const int c = ka < kb ? -1 : (kb < ka ? 1 : 0);
        if (c != 0)
            return term.descending ? -c : c;
    }
    return 0;
}

} // namespace catalogue
