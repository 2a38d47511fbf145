// Checks the registry entries of Gesticon's registration: with "present" that
// each is there (class with its in-process server and threading model,
// programmatic identifier, type library, interface with its marshaller), with
// "absent" that none is left after regsvr32 /u.
// The 32-bit build's registration in the other registry view, as regsvr32 of
// a 32-bit process would leave it, is written with "other-view-add" and
// removed with "other-view-remove"; "other-view-kept" checks that the 64-bit
// build's regsvr32 /u removed its own entries and left the shared ones.
#include <windows.h>

#include <cstring>
#include <string>

#include "support/check.h"

using namespace wine_tests;

namespace {

const wchar_t kClass[] = L"CLSID\\{2E4ACAA1-1380-433D-8CF7-11790FEDE7F1}";
const wchar_t kProgId[] = L"Gesticon.asistente";
const wchar_t kTypeLib[] = L"TypeLib\\{94A69FCC-9297-43AC-A457-5FAAFF2008CE}";
const wchar_t kInterface[] = L"Interface\\{896479E5-91F0-4506-BF32-6E0EC19EA9B1}";

const wchar_t kWin32Build[] = L"C:\\windows\\syswow64\\Gesticon.dll";

bool keyExists(const std::wstring& path, REGSAM view = 0) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ | view, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

bool writeOtherView(const std::wstring& path, const wchar_t* name, const wchar_t* text) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE | KEY_WOW64_32KEY,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    const LONG status = RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                                       static_cast<DWORD>((std::wcslen(text) + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

bool removeOtherView(const std::wstring& path) {
    HKEY parent = nullptr;
    const size_t slash = path.rfind(L'\\');
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, path.substr(0, slash).c_str(), 0, KEY_ALL_ACCESS | KEY_WOW64_32KEY,
                      &parent) != ERROR_SUCCESS)
        return false;
    const LONG removed = RegDeleteTreeW(parent, path.substr(slash + 1).c_str());
    RegCloseKey(parent);
    return removed == ERROR_SUCCESS || removed == ERROR_FILE_NOT_FOUND;
}

std::wstring value(const std::wstring& path, const wchar_t* name) {
    wchar_t text[MAX_PATH * 2] = {};
    DWORD size = sizeof text;
    if (RegGetValueW(HKEY_CLASSES_ROOT, path.c_str(), name, RRF_RT_REG_SZ, nullptr, text, &size) !=
        ERROR_SUCCESS)
        return {};
    return text;
}

bool endsWithNoCase(const std::wstring& text, const wchar_t* suffix) {
    size_t n = std::wcslen(suffix);
    return text.size() >= n && lstrcmpiW(text.c_str() + text.size() - n, suffix) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    Checks check;
    const std::string mode = argc > 1 ? argv[1] : "";
    const std::wstring keys[] = {kClass, kProgId, kTypeLib, kInterface};
    const std::wstring win32TypeLib = std::wstring(kTypeLib) + L"\\1.0\\0\\win32";
    if (mode == "other-view-add") {
        check.that(writeOtherView(std::wstring(kClass) + L"\\InprocServer32", nullptr, kWin32Build) &&
                       writeOtherView(std::wstring(kClass) + L"\\InprocServer32", L"ThreadingModel", L"Apartment") &&
                       writeOtherView(win32TypeLib, nullptr, kWin32Build) &&
                       writeOtherView(std::wstring(kInterface) + L"\\ProxyStubClsid32", nullptr,
                                      L"{00020424-0000-0000-C000-000000000046}"),
                   "the 32-bit build's registration is written in the 32-bit view");
        return check.finish();
    }
    if (mode == "other-view-remove") {
        for (const std::wstring& key : {std::wstring(kClass), std::wstring(kInterface), win32TypeLib})
            check.that(removeOtherView(key), "HKCR\\" + std::string(key.begin(), key.end()) + " of the 32-bit view is removed");
        return check.finish();
    }
    if (mode == "other-view-kept") {
        for (const std::wstring& key : {std::wstring(kClass), std::wstring(kInterface), std::wstring(kTypeLib) + L"\\1.0\\0\\win64"})
            check.that(!keyExists(key, KEY_WOW64_64KEY), "HKCR\\" + std::string(key.begin(), key.end()) + " of the 64-bit build is gone");
        check.that(value(std::wstring(kProgId) + L"\\CLSID", nullptr) == L"{2E4ACAA1-1380-433D-8CF7-11790FEDE7F1}",
                   "the shared programmatic identifier stays while the 32-bit view has the class");
        check.that(keyExists(win32TypeLib), "the 32-bit build's entry of the shared type library key stays");
        check.that(keyExists(std::wstring(kClass) + L"\\InprocServer32", KEY_WOW64_32KEY) &&
                       keyExists(std::wstring(kInterface) + L"\\ProxyStubClsid32", KEY_WOW64_32KEY),
                   "the 32-bit view's class and interface stay");
        return check.finish();
    }
    const bool absent = mode == "absent";
    if (!absent && mode != "present") {
        std::printf("usage: registry_check present|absent|other-view-add|other-view-kept|other-view-remove\n");
        return 2;
    }
    if (absent) {
        for (const std::wstring& key : keys)
            check.that(!keyExists(key), "HKCR\\" + std::string(key.begin(), key.end()) + " is gone");
        return check.finish();
    }
    for (const std::wstring& key : keys)
        check.that(keyExists(key), "HKCR\\" + std::string(key.begin(), key.end()) + " exists");
    std::wstring server = value(std::wstring(kClass) + L"\\InprocServer32", nullptr);
    check.that(endsWithNoCase(server, L"\\Gesticon.dll"), "the class's in-process server is Gesticon.dll");
    check.that(value(std::wstring(kClass) + L"\\InprocServer32", L"ThreadingModel") == L"Apartment",
               "the threading model is Apartment");
    check.that(value(std::wstring(kProgId) + L"\\CLSID", nullptr) ==
                   L"{2E4ACAA1-1380-433D-8CF7-11790FEDE7F1}",
               "the programmatic identifier points to the class");
    check.that(keyExists(std::wstring(kTypeLib) + L"\\1.0\\0\\win64") ||
                   keyExists(std::wstring(kTypeLib) + L"\\1.0\\0\\win32"),
               "the type library is registered as version 1.0, locale 0");
    check.that(value(std::wstring(kInterface) + L"\\ProxyStubClsid32", nullptr) ==
                   L"{00020424-0000-0000-C000-000000000046}",
               "the interface is marshalled by the type-library marshaller");
    return check.finish();
}
