// Prints the clipboard's text in UTF-8. A Qt message box on Windows copies its
// title, text and buttons there on Ctrl+C; Qt's own widgets are no Windows
// controls, so this is how a test reads what the box says.
#include <windows.h>

#include <cstdio>
#include <string>

int wmain()
{
    if (!OpenClipboard(nullptr))
        return 1;
    int status = 1;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* text = static_cast<const wchar_t*>(GlobalLock(data))) {
            const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
            std::string bytes(size > 0 ? std::size_t(size) : 1, '\0');
            WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes.data(), size, nullptr, nullptr);
            std::fputs(bytes.c_str(), stdout);
            GlobalUnlock(data);
            status = 0;
        }
    }
    CloseClipboard();
    return status;
}
