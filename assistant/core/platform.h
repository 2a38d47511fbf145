#pragma once
// The few platform queries the assistant makes, as callables so that the
// core stays free of the Windows headers and the tests can answer them.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace gesticon {

struct ScreenTwips {
    double width = 0;
    double height = 0;
};

struct Platform {
    // Behaves like kernel32 GetWindowsDirectoryA: fills `buffer` (of `size`
    // bytes) and returns its result.
    std::function<std::uint32_t(char* buffer, std::uint32_t size)> getWindowsDirectoryA;
    // Converts text in the system's ANSI code page to a wide string.
    std::function<std::wstring(std::string_view ansi)> ansiToWide;
    // The screen size as the platform reports it in twips.
    std::function<ScreenTwips()> screenSizeInTwips;
};

} // namespace gesticon
