#include "class_registration.h"

#include <olectl.h>

#include <string>

namespace gesticon::standin {

namespace {

std::wstring classKeyPath(REFCLSID clsid)
{
    wchar_t text[64];
    StringFromGUID2(clsid, text, 64);
    return std::wstring(L"CLSID\\") + text;
}

LONG setValue(HKEY root, const std::wstring& path, const wchar_t* name, const std::wstring& value)
{
    HKEY key = nullptr;
    LONG status =
        RegCreateKeyExW(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, &key, nullptr);
    if (status != ERROR_SUCCESS)
        return status;
    status = RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                            static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    return status;
}

} // namespace

HRESULT registerInprocClass(HMODULE module, REFCLSID clsid, const wchar_t* description)
{
    wchar_t modulePath[MAX_PATH];
    DWORD length = GetModuleFileNameW(module, modulePath, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return SELFREG_E_CLASS;
    const std::wstring classKey = classKeyPath(clsid);
    if (setValue(HKEY_CLASSES_ROOT, classKey, nullptr, description) != ERROR_SUCCESS ||
        setValue(HKEY_CLASSES_ROOT, classKey + L"\\InprocServer32", nullptr, modulePath) != ERROR_SUCCESS ||
        setValue(HKEY_CLASSES_ROOT, classKey + L"\\InprocServer32", L"ThreadingModel", L"Apartment") != ERROR_SUCCESS)
        return SELFREG_E_CLASS;
    return S_OK;
}

HRESULT unregisterInprocClass(REFCLSID clsid)
{
    LONG status = RegDeleteTreeW(HKEY_CLASSES_ROOT, classKeyPath(clsid).c_str());
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND)
        return SELFREG_E_CLASS;
    return S_OK;
}

} // namespace gesticon::standin
