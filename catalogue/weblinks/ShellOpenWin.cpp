#include "ShellOpenWin.h"

#include <windows.h>

namespace catalogue {
namespace {

using ShellExecuteAFunction = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);

ShellExecuteAFunction shellExecuteA()
{
    static const ShellExecuteAFunction kShellExecuteA = [] {
        HMODULE shell32 = LoadLibraryA("shell32.dll");
        return shell32 ? reinterpret_cast<ShellExecuteAFunction>(
                             reinterpret_cast<void*>(GetProcAddress(shell32, "ShellExecuteA")))
                       : nullptr;
    }();
    return kShellExecuteA;
}

} // namespace

void shellOpen(void* ownerWindow, const char* ansiLink)
{
    if (const ShellExecuteAFunction execute = shellExecuteA())
        execute(static_cast<HWND>(ownerWindow), nullptr, ansiLink, nullptr, "C:\\", SW_SHOWNORMAL);
}

} // namespace catalogue
