#pragma once
// Names of animations and character files are ASCII and compared without
// regard to case, as the control compares them; no locale is involved.

#include <string_view>

namespace gesticon::builtin {

inline bool sameAsciiName(std::wstring_view a, std::wstring_view b)
{
    auto fold = [](wchar_t c) { return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c; };
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (fold(a[i]) != fold(b[i]))
            return false;
    }
    return true;
}

} // namespace gesticon::builtin
