// The catalogue's collation on Linux: ICU's Spanish collation, called directly
// because its sort keys are plain bytes that the record set can keep in one
// buffer (Qt's QCollator hands out keys that can only be compared).
#include "TextCollation.h"

#include <unicode/ucol.h>
#include <unicode/ustring.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace catalogue {

namespace {

// Strength "secondary": letters, then accents; case is a third level and so
// never counts. Punctuation either is passed over ("shifted", for the order)
// or counts like a letter ("non-ignorable", for equality).
UCollator* openSpanish(UColAttributeValue punctuation)
{
    UErrorCode status = U_ZERO_ERROR;
    UCollator* collator = ucol_open("es_ES", &status);
    if (U_FAILURE(status))
        throw std::runtime_error(std::string("ICU Spanish collation unavailable: ") + u_errorName(status));
    ucol_setStrength(collator, UCOL_SECONDARY);
    ucol_setAttribute(collator, UCOL_ALTERNATE_HANDLING, punctuation, &status);
    // Without a normalization pass, as ICU sets Spanish up: text in "FCD" form
    // (any NFC text, and a decomposed ñ too) collates exactly as its
    // normalized form, and titles are typed in it; the pass would cost a tenth
    // of a re-query.
    ucol_setAttribute(collator, UCOL_NORMALIZATION_MODE, UCOL_OFF, &status);
    if (U_FAILURE(status))
        throw std::runtime_error(std::string("ICU Spanish collation unavailable: ") + u_errorName(status));
    return collator;
}

const UCollator* ordering()
{
    static UCollator* const collator = openSpanish(UCOL_SHIFTED);
    return collator;
}

const UCollator* matching()
{
    static UCollator* const collator = openSpanish(UCOL_NON_IGNORABLE);
    return collator;
}

// UTF-16 never needs more units than UTF-8 has bytes; a malformed byte reads as U+FFFD.
std::u16string_view toUtf16(std::string_view utf8)
{
    thread_local std::vector<UChar> buffer;
    if (buffer.size() < utf8.size())
        buffer.resize(utf8.size());
    int32_t length = 0;
    UErrorCode status = U_ZERO_ERROR;
    u_strFromUTF8WithSub(buffer.data(), int32_t(buffer.size()), &length, utf8.data(), int32_t(utf8.size()), 0xFFFD,
                         nullptr, &status);
    if (U_FAILURE(status))
        return {};
    return {buffer.data(), std::size_t(length)};
}

} // namespace

void appendCollationKey(std::string& key, std::string_view utf8)
{
    const std::u16string_view text = toUtf16(utf8);
    thread_local std::vector<std::uint8_t> scratch(256);
    for (;;) {
        // The length includes the key's closing 0, which is left out.
        const int32_t length =
            ucol_getSortKey(ordering(), text.data(), int32_t(text.size()), scratch.data(), int32_t(scratch.size()));
        if (length <= 0)
            return;
        if (std::size_t(length) <= scratch.size()) {
            key.append(reinterpret_cast<const char*>(scratch.data()), std::size_t(length) - 1);
            return;
        }
        scratch.resize(std::size_t(length));
    }
}

bool textEquals(std::string_view a, std::string_view b)
{
    if (a == b)
        return true;
    UErrorCode status = U_ZERO_ERROR;
    const UCollationResult result =
        ucol_strcollUTF8(matching(), a.data(), int32_t(a.size()), b.data(), int32_t(b.size()), &status);
    return U_SUCCESS(status) && result == UCOL_EQUAL;
}

} // namespace catalogue
