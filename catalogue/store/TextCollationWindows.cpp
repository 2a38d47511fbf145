// The catalogue's collation on Windows: the system's own Spanish sort
// (LCMapStringEx sort keys, CompareStringEx for equality), so the Windows
// build carries no ICU. Same rules as the ICU file: case ignored, accents
// after letters, "ñ" its own letter; symbols passed over for the order,
// counted for equality.
#include "TextCollation.h"

#include <windows.h>

#include <string>

namespace catalogue {

namespace {

constexpr const wchar_t* kSpanish = L"es-ES";
constexpr DWORD kCaseIgnored = NORM_IGNORECASE | NORM_IGNOREKANATYPE | NORM_IGNOREWIDTH;

std::wstring toUtf16(std::string_view utf8)
{
    std::wstring text;
    if (utf8.empty())
        return text;
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    if (length <= 0)
        return text;
    text.resize(std::size_t(length));
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), text.data(), length);
    return text;
}

} // namespace

void appendCollationKey(std::string& key, std::string_view utf8)
{
    const std::wstring text = toUtf16(utf8);
    if (text.empty())
        return;
    constexpr DWORD flags = LCMAP_SORTKEY | kCaseIgnored | NORM_IGNORESYMBOLS;
    // With LCMAP_SORTKEY the output is bytes and its size is counted in bytes.
    const int bytes = LCMapStringEx(kSpanish, flags, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr, 0);
    if (bytes <= 0)
        return;
    const std::size_t start = key.size();
    key.resize(start + std::size_t(bytes));
    const int written = LCMapStringEx(kSpanish, flags, text.data(), int(text.size()),
                                      reinterpret_cast<LPWSTR>(key.data() + start), bytes, nullptr, nullptr, 0);
    // The key ends in a 0 byte, which is left out.
    key.resize(written > 0 ? start + std::size_t(written) - 1 : start);
}

bool textEquals(std::string_view a, std::string_view b)
{
    if (a == b)
        return true;
    const std::wstring wa = toUtf16(a);
    const std::wstring wb = toUtf16(b);
    return CompareStringEx(kSpanish, kCaseIgnored, wa.data(), int(wa.size()), wb.data(), int(wb.size()), nullptr,
                           nullptr, 0) == CSTR_EQUAL;
}

} // namespace catalogue
