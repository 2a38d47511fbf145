// Checks the registry entries of Gesticon's registration: with "present" that
// each is there (class with its in-process server and threading model,
// programmatic identifier, type library, interface with its marshaller), with
// "absent" that none is left after regsvr32 /u.
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

bool keyExists(const std::wstring& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
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
    bool present = argc > 1 && std::strcmp(argv[1], "present") == 0;
    bool absent = argc > 1 && std::strcmp(argv[1], "absent") == 0;
    if (!present && !absent) {
        std::printf("usage: registry_check present|absent\n");
        return 2;
    }
    const std::wstring keys[] = {kClass, kProgId, kTypeLib, kInterface};
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
