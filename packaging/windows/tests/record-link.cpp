// A stand-in for the browser: registered as the handler of web links, it
// appends the link it is given (its one argument) as a UTF-8 line to
// links.txt beside itself, so a test can see what the shell handed on.
#include <windows.h>

#include <shellapi.h>

#include <string>

int wmain()
{
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!arguments || count != 2)
        return 2;

    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring log(path, length);
    log.replace(log.find_last_of(L'\\') + 1, std::wstring::npos, L"links.txt");

    const int size = WideCharToMultiByte(CP_UTF8, 0, arguments[1], -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, arguments[1], -1, bytes.data(), size, nullptr, nullptr);
    bytes.back() = '\n';

    HANDLE file = CreateFileW(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    DWORD written = 0;
    const BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == bytes.size() ? 0 : 1;
}
