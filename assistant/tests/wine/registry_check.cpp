// Checks the registry entries of Gesticon's registration: with "present" all
// that DllRegisterServer writes for the 64-bit build, with "absent" that none
// is left after regsvr32 /u.
// The 32-bit build's registration in the other registry view, as regsvr32 of
// a 32-bit process would leave it, is written with "other-view-add" and
// removed with "other-view-remove"; "other-view-kept" checks that the 64-bit
// build's regsvr32 /u removed its own entries and left the shared ones.
#include <windows.h>

#include <cstring>
#include <string>

#include "checks.h"
#include "contract.h"
#include "registration_checks.h"

using namespace gesticon::tests;

namespace {

const wchar_t kWin64Build[] = L"C:\\windows\\system32\\Gesticon.dll";
const wchar_t kWin32Build[] = L"C:\\windows\\syswow64\\Gesticon.dll";

bool writeOtherView(const std::wstring& path, const wchar_t* name, const wchar_t* text)
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE | KEY_WOW64_32KEY, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return false;
    const LONG status = RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                                       static_cast<DWORD>((std::wcslen(text) + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

bool removeOtherView(const std::wstring& path)
{
    HKEY parent = nullptr;
    const size_t slash = path.rfind(L'\\');
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, path.substr(0, slash).c_str(), 0, KEY_ALL_ACCESS | KEY_WOW64_32KEY, &parent) !=
        ERROR_SUCCESS)
        return false;
    const LONG removed = RegDeleteTreeW(parent, path.substr(slash + 1).c_str());
    RegCloseKey(parent);
    return removed == ERROR_SUCCESS || removed == ERROR_FILE_NOT_FOUND;
}

} // namespace

int main(int argc, char** argv)
{
    CoInitialize(nullptr);
    Checks check;
    const std::string mode = argc > 1 ? argv[1] : "";
    const std::wstring win32TypeLib = kTypeLibKey + L"\\1.0\\0\\win32";
    if (mode == "present") {
        checkRegistered(check, kWin64Build);
    } else if (mode == "absent") {
        checkUnregistered(check);
    } else if (mode == "other-view-add") {
        check.that(writeOtherView(kClassKey + L"\\InprocServer32", nullptr, kWin32Build) &&
                       writeOtherView(kClassKey + L"\\InprocServer32", L"ThreadingModel", L"Apartment") &&
                       writeOtherView(win32TypeLib, nullptr, kWin32Build) &&
                       writeOtherView(kInterfaceKey + L"\\ProxyStubClsid32", nullptr, kTypeLibMarshaller),
                   "the 32-bit build's registration is written in the 32-bit view");
    } else if (mode == "other-view-remove") {
        for (const std::wstring& key : {kClassKey, kInterfaceKey, win32TypeLib})
            check.that(removeOtherView(key), "HKCR\\" + narrow(key) + " of the 32-bit view is removed");
    } else if (mode == "other-view-kept") {
        for (const std::wstring& key : {kClassKey, kInterfaceKey, kTypeLibKey + L"\\1.0\\0\\win64"})
            check.that(!keyExists(key, KEY_WOW64_64KEY), "HKCR\\" + narrow(key) + " of the 64-bit build is gone");
        check.that(registryValue(std::wstring(kProgId) + L"\\CLSID") == kClsidAsistente,
                   "the shared programmatic identifier stays while the 32-bit view has the class");
        check.that(keyExists(win32TypeLib), "the 32-bit build's entry of the shared type library key stays");
        check.that(keyExists(kClassKey + L"\\InprocServer32", KEY_WOW64_32KEY) &&
                       keyExists(kInterfaceKey + L"\\ProxyStubClsid32", KEY_WOW64_32KEY),
                   "the 32-bit view's class and interface stay");
    } else {
        std::printf("usage: registry_check present|absent|other-view-add|other-view-kept|other-view-remove\n");
        return 2;
    }
    const int failures = check.finish();
    CoUninitialize();
    return failures;
}
