// Lists the visible top-level windows, one a line, tab-separated: title,
// program file, minimized (1/0), client area's top-left corner on the screen,
// its width and height, and the window's handle in hexadecimal. A window inside Wine's virtual desktop is no X
// window of its own, so X tools cannot see it.
#include <windows.h>

#include "utf8.h"

#include <cstdio>
#include <string>

namespace {

std::wstring programOf(HWND window)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    wchar_t path[MAX_PATH] = L"?";
    if (HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid)) {
        DWORD size = MAX_PATH;
        if (!QueryFullProcessImageNameW(process, 0, path, &size))
            lstrcpyW(path, L"?");
        CloseHandle(process);
    }
    return path;
}

BOOL CALLBACK printWindow(HWND window, LPARAM)
{
    if (!IsWindowVisible(window))
        return TRUE;
    wchar_t title[512] = L"";
    GetWindowTextW(window, title, 512);
    RECT client{};
    GetClientRect(window, &client);
    POINT corner{0, 0};
    ClientToScreen(window, &corner);
    std::printf("%s\t%s\t%d\t%ld,%ld\t%ldx%ld\t%llX\n", utf8(title).c_str(), utf8(programOf(window).c_str()).c_str(),
                IsIconic(window) ? 1 : 0, corner.x, corner.y, client.right, client.bottom,
                static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window)));
    return TRUE;
}

} // namespace

int wmain()
{
    EnumWindows(printWindow, 0);
    return 0;
}
