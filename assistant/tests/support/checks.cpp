#include "checks.h"

#include <cstdio>

namespace gesticon::tests {

void Checks::section(const char* name)
{
    std::printf("-- %s\n", name);
    std::fflush(stdout);
}

bool Checks::that(bool condition, const std::string& what)
{
    if (condition) {
        ++passed_;
    } else {
        ++failed_;
        std::printf("FAIL: %s\n", what.c_str());
        std::fflush(stdout);
    }
    return condition;
}

bool Checks::hr(HRESULT actual, HRESULT expected, const std::string& what)
{
    return that(actual == expected, what + " (got " + hex(actual) + ", want " + hex(expected) + ")");
}

int Checks::finish() const
{
    std::printf("checks: %d passed, %d failed\n", passed_, failed_);
    return failed_ > 100 ? 100 : failed_;
}

std::string hex(long value)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(value));
    return text;
}

std::string narrow(const std::wstring& text)
{
    if (text.empty())
        return {};
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size, nullptr, nullptr);
    return out;
}

} // namespace gesticon::tests
