// What UI Automation tells a screen reader about a window's own element, read
// from another process as a screen reader reads it: control type, keyboard
// focusable (1/0) and name, tab-separated. Exits 2 when UI Automation does
// not answer for the window (Wine answers only for windows that hand it a
// provider of their own, as Qt's accessibility does).
//   uia-window.exe "WINDOW TITLE"
// MinGW's headers lack UI Automation's client functions; they are bound by
// name from uiautomationcore.dll with their documented signatures.
#include <windows.h>
#include <oleauto.h>

#include "utf8.h"

#include <cstdio>
#include <string>

namespace {

DECLARE_HANDLE(HUIANODE);
using NodeFromHandle = HRESULT(WINAPI*)(HWND, HUIANODE*);
using GetPropertyValue = HRESULT(WINAPI*)(HUIANODE, int, VARIANT*);
constexpr int kControlTypeProperty = 30003, kNameProperty = 30005, kKeyboardFocusableProperty = 30009;
constexpr int kWindowControlType = 50032;

template <typename F>
F bind(HMODULE dll, const char* name)
{
    return dll ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(dll, name))) : nullptr;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    HWND window = argc == 2 ? FindWindowW(nullptr, argv[1]) : nullptr;
    if (!window) {
        std::fprintf(stderr, "usage: uia-window.exe \"TITLE OF A VISIBLE WINDOW\"\n");
        return 1;
    }
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    HMODULE dll = LoadLibraryW(L"uiautomationcore.dll");
    const auto nodeFromHandle = bind<NodeFromHandle>(dll, "UiaNodeFromHandle");
    const auto getPropertyValue = bind<GetPropertyValue>(dll, "UiaGetPropertyValue");
    HUIANODE node = nullptr;
    const HRESULT result = nodeFromHandle && getPropertyValue ? nodeFromHandle(window, &node) : E_NOTIMPL;
    if (FAILED(result) || !node) {
        std::fprintf(stderr, "UI Automation has no element for the window: 0x%08lx\n",
                     static_cast<unsigned long>(result));
        return 2;
    }
    VARIANT type, focusable, name;
    VariantInit(&type);
    VariantInit(&focusable);
    VariantInit(&name);
    getPropertyValue(node, kControlTypeProperty, &type);
    getPropertyValue(node, kKeyboardFocusableProperty, &focusable);
    getPropertyValue(node, kNameProperty, &name);
    const int typeId = type.vt == VT_I4 ? type.lVal : 0;
    std::printf("%s\t%d\t%s\n", typeId == kWindowControlType ? "Window" : std::to_string(typeId).c_str(),
                focusable.vt == VT_BOOL && focusable.boolVal ? 1 : 0,
                name.vt == VT_BSTR && name.bstrVal ? utf8(name.bstrVal).c_str() : "");
    return 0;
}
