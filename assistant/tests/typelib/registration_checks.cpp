#include "registration_checks.h"

#include "expected_surface.h"

#include <oleauto.h>

namespace gesticon::typelib_check {

namespace {

constexpr wchar_t kClassKey[] = L"CLSID\\{2E4ACAA1-1380-433D-8CF7-11790FEDE7F1}";
constexpr wchar_t kInterfaceKey[] = L"Interface\\{896479E5-91F0-4506-BF32-6E0EC19EA9B1}";
constexpr wchar_t kTypeLibKey[] = L"TypeLib\\{94A69FCC-9297-43AC-A457-5FAAFF2008CE}";
constexpr wchar_t kLibIdText[] = L"{94A69FCC-9297-43AC-A457-5FAAFF2008CE}";

// The value, or nullptr-like "<missing>" when the key or value is absent.
std::wstring value(const std::wstring& key, const wchar_t* name = nullptr)
{
    wchar_t buffer[1024] = {};
    DWORD size = sizeof buffer;
    if (RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), name, RRF_RT_REG_SZ, nullptr, buffer, &size) != ERROR_SUCCESS)
        return L"<missing>";
    return buffer;
}

bool keyExists(const std::wstring& key)
{
    HKEY handle = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return false;
    RegCloseKey(handle);
    return true;
}

bool samePath(const std::wstring& a, const std::wstring& b)
{
    return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

}  // namespace

void checkRegistered(Checks& checks, const std::wstring& dll)
{
    checks.section("registration");
    const std::wstring classKey = kClassKey;
    checks.that(value(classKey) != L"<missing>", "class key with a name");
    checks.that(samePath(value(classKey + L"\\InprocServer32"), dll), "InprocServer32 is the library file");
    checks.that(value(classKey + L"\\InprocServer32", L"ThreadingModel") == L"Apartment", "ThreadingModel Apartment");
    checks.that(value(classKey + L"\\ProgID") == L"Gesticon.asistente", "class ProgID Gesticon.asistente");
    checks.that(value(classKey + L"\\TypeLib") == kLibIdText, "class TypeLib");
    checks.that(value(L"Gesticon.asistente\\CLSID") == L"{2E4ACAA1-1380-433D-8CF7-11790FEDE7F1}",
                "Gesticon.asistente points to the class");
    CLSID fromProgId{};
    checks.that(SUCCEEDED(CLSIDFromProgID(L"Gesticon.asistente", &fromProgId)) && IsEqualGUID(fromProgId, kClsid),
                "CLSIDFromProgID(Gesticon.asistente)");

    const std::wstring interfaceKey = kInterfaceKey;
    checks.that(value(interfaceKey + L"\\ProxyStubClsid32") == L"{00020424-0000-0000-C000-000000000046}",
                "_asistente marshalled by the type-library marshaller");
    checks.that(value(interfaceKey + L"\\TypeLib") == kLibIdText, "_asistente TypeLib");

    const wchar_t* target = sizeof(void*) == 8 ? L"\\1.0\\0\\win64" : L"\\1.0\\0\\win32";
    checks.that(samePath(value(std::wstring(kTypeLibKey) + target), dll), "type library 1.0, locale 0, path of the file");
    BSTR path = nullptr;
    checks.that(SUCCEEDED(QueryPathOfRegTypeLib(kLibId, 1, 0, 0, &path)) && path && samePath(path, dll),
                "QueryPathOfRegTypeLib gives the library file");
    SysFreeString(path);
}

void checkUnregistered(Checks& checks)
{
    checks.section("unregistration");
    for (const wchar_t* key : {kClassKey, kInterfaceKey, kTypeLibKey, L"Gesticon.asistente"})
        checks.that(!keyExists(key), "removed: " + narrow(key));
    CLSID fromProgId{};
    checks.that(FAILED(CLSIDFromProgID(L"Gesticon.asistente", &fromProgId)), "ProgID no longer resolves");
}

}  // namespace gesticon::typelib_check
