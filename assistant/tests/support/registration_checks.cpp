#include "registration_checks.h"

#include "contract.h"

#include <oleauto.h>

namespace gesticon::tests {

const std::wstring kClassKey = std::wstring(L"CLSID\\") + kClsidAsistente;
const std::wstring kInterfaceKey = std::wstring(L"Interface\\") + kIidAsistente;
const std::wstring kTypeLibKey = std::wstring(L"TypeLib\\") + kLibId;

std::wstring registryValue(const std::wstring& key, const wchar_t* name)
{
    wchar_t buffer[1024] = {};
    DWORD size = sizeof buffer;
    if (RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), name, RRF_RT_REG_SZ, nullptr, buffer, &size) != ERROR_SUCCESS)
        return L"<missing>";
    return buffer;
}

bool keyExists(const std::wstring& key, REGSAM view)
{
    HKEY handle = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ | view, &handle) != ERROR_SUCCESS)
        return false;
    RegCloseKey(handle);
    return true;
}

namespace {

bool samePath(const std::wstring& a, const std::wstring& b)
{
    return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

} // namespace

void checkRegistered(Checks& checks, const std::wstring& dll)
{
    checks.section("registration");
    checks.that(registryValue(kClassKey) != L"<missing>", "class key with a name");
    checks.that(samePath(registryValue(kClassKey + L"\\InprocServer32"), dll), "InprocServer32 is the library file");
    checks.that(registryValue(kClassKey + L"\\InprocServer32", L"ThreadingModel") == L"Apartment",
                "ThreadingModel Apartment");
    checks.that(registryValue(kClassKey + L"\\ProgID") == kProgId, "class ProgID Gesticon.asistente");
    checks.that(registryValue(kClassKey + L"\\TypeLib") == kLibId, "class TypeLib");
    checks.that(registryValue(std::wstring(kProgId) + L"\\CLSID") == kClsidAsistente,
                "Gesticon.asistente points to the class");
    CLSID fromProgId{};
    checks.that(SUCCEEDED(CLSIDFromProgID(kProgId, &fromProgId)) && IsEqualGUID(fromProgId, guid(kClsidAsistente)),
                "CLSIDFromProgID(Gesticon.asistente)");

    checks.that(registryValue(kInterfaceKey + L"\\ProxyStubClsid32") == kTypeLibMarshaller,
                "_asistente marshalled by the type-library marshaller");
    checks.that(registryValue(kInterfaceKey + L"\\TypeLib") == kLibId, "_asistente TypeLib");

    const wchar_t* target = sizeof(void*) == 8 ? L"\\1.0\\0\\win64" : L"\\1.0\\0\\win32";
    checks.that(samePath(registryValue(kTypeLibKey + target), dll), "type library 1.0, locale 0, path of the file");
    BSTR path = nullptr;
    checks.that(SUCCEEDED(QueryPathOfRegTypeLib(guid(kLibId), 1, 0, 0, &path)) && path && samePath(path, dll),
                "QueryPathOfRegTypeLib gives the library file");
    SysFreeString(path);
}

void checkUnregistered(Checks& checks)
{
    checks.section("unregistration");
    for (const std::wstring& key : {kClassKey, kInterfaceKey, kTypeLibKey, std::wstring(kProgId)})
        checks.that(!keyExists(key), "removed: " + narrow(key));
    CLSID fromProgId{};
    checks.that(FAILED(CLSIDFromProgID(kProgId, &fromProgId)), "ProgID no longer resolves");
}

} // namespace gesticon::tests
