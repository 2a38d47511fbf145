#include "windows_platform.h"

#include <windows.h>

#include <string>

namespace gesticon::com {

namespace {

using GetWindowsDirectoryAFunction = UINT(WINAPI*)(LPSTR, UINT);

// Bound by name at run time, as the classic lookup did.
std::uint32_t windowsDirectoryA(char* buffer, std::uint32_t size)
{
    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    auto function = kernel ? reinterpret_cast<GetWindowsDirectoryAFunction>(
                                 reinterpret_cast<void*>(GetProcAddress(kernel, "GetWindowsDirectoryA")))
                           : nullptr;
    return function ? function(buffer, size) : 0;
}

std::wstring ansiToWide(std::string_view ansi)
{
    if (ansi.empty())
        return {};
    const int length = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(), length);
    return wide;
}

// The screen in twips: pixels times the twips per pixel of the screen's
// logical resolution (1440 twips to the inch).
ScreenTwips screenSizeInTwips()
{
    HDC screen = GetDC(nullptr);
    int dpiX = screen ? GetDeviceCaps(screen, LOGPIXELSX) : 0;
    int dpiY = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen)
        ReleaseDC(nullptr, screen);
    if (dpiX <= 0)
        dpiX = 96;
    if (dpiY <= 0)
        dpiY = 96;
    return ScreenTwips{GetSystemMetrics(SM_CXSCREEN) * (1440.0 / dpiX),
                       GetSystemMetrics(SM_CYSCREEN) * (1440.0 / dpiY)};
}

} // namespace

Platform windowsPlatform()
{
    return Platform{windowsDirectoryA, ansiToWide, screenSizeInTwips};
}

} // namespace gesticon::com
