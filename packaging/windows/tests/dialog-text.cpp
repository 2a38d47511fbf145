// Prints the texts of the controls of the visible top-level window with the
// given title (trailing blanks aside), one a line, in UTF-8: a Windows
// message box's text and its buttons, or what an installer's page says,
// which a test reads this way (Wine's message boxes do not copy themselves
// to the clipboard).
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

void printUtf8(const wchar_t* text)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(size > 0 ? std::size_t(size) : 1, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes.data(), size, nullptr, nullptr);
    std::printf("%s\n", bytes.c_str());
}

BOOL CALLBACK printControl(HWND control, LPARAM)
{
    wchar_t text[2048] = L"";
    if (GetWindowTextW(control, text, 2048) > 0)
        printUtf8(text);
    return TRUE;
}

struct Search {
    std::wstring title;
    HWND found = nullptr;
};

BOOL CALLBACK matchTitle(HWND window, LPARAM data)
{
    auto& search = *reinterpret_cast<Search*>(data);
    wchar_t text[512] = L"";
    GetWindowTextW(window, text, 512);
    std::wstring title = text;
    title.erase(title.find_last_not_of(L' ') + 1);
    if (!IsWindowVisible(window) || title != search.title)
        return TRUE;
    search.found = window;
    return FALSE;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2)
        return 2;
    Search search{argv[1]};
    EnumWindows(matchTitle, reinterpret_cast<LPARAM>(&search));
    if (!search.found)
        return 1;
    EnumChildWindows(search.found, printControl, 0);
    return 0;
}
