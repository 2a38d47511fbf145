// Self-registration: the class, its programmatic identifier, the type
// library and the interface, marshalled through the type library.
// On 64-bit Windows both builds can be registered, one in each registry view
// (the class and interface keys are split between the views), while the
// programmatic identifier and the type library key are shared: unregistering
// one build leaves those to the other while the other view has the class.

#include "gesticon_ids.h"
#include "module.h"

#include <oleauto.h>
#include <shlwapi.h>
#include <windows.h>

#include <string>

namespace gesticon::com {

namespace {

// The type-library marshaller (PSOAInterface).
constexpr wchar_t kTypeLibMarshaller[] = L"{00020424-0000-0000-C000-000000000046}";

#ifdef _WIN64
constexpr SYSKIND kSyskind = SYS_WIN64;
#else
constexpr SYSKIND kSyskind = SYS_WIN32;
#endif

std::wstring guidText(const GUID& guid)
{
    wchar_t text[40] = {};
    StringFromGUID2(guid, text, 40);
    return text;
}

HRESULT setValue(const std::wstring& key, const wchar_t* name, const std::wstring& value)
{
    HKEY handle = nullptr;
    LONG status =
        RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle, nullptr);
    if (status == ERROR_SUCCESS) {
        status = RegSetValueExW(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(handle);
    }
    return HRESULT_FROM_WIN32(status);
}

HRESULT deleteTree(const std::wstring& key)
{
    const LONG status = SHDeleteKeyW(HKEY_CLASSES_ROOT, key.c_str());
    if (status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND)
        return S_OK;
    return HRESULT_FROM_WIN32(status);
}

const std::wstring& classKey()
{
    static const std::wstring key = L"CLSID\\" + guidText(ids::kClsidAsistente);
    return key;
}

const std::wstring& interfaceKey()
{
    static const std::wstring key = L"Interface\\" + guidText(ids::kIidAsistente);
    return key;
}

// This target's entry of the type library (version 1.0, locale 0).
const std::wstring& typeLibraryKey()
{
    static const std::wstring key =
        L"TypeLib\\" + guidText(ids::kLibId) + (kSyskind == SYS_WIN64 ? L"\\1.0\\0\\win64" : L"\\1.0\\0\\win32");
    return key;
}

bool keyExists(const std::wstring& key, REGSAM view)
{
    HKEY handle = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ | view, &handle) != ERROR_SUCCESS)
        return false;
    RegCloseKey(handle);
    return true;
}

// The registry view of the other build, or 0 on 32-bit Windows, which has one view.
REGSAM otherView()
{
#ifdef _WIN64
    return KEY_WOW64_32KEY;
#else
    // Bound at run time: Windows XP has it only from its second service pack.
    using IsWow64ProcessFunction = BOOL(WINAPI*)(HANDLE, PBOOL);
    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    auto isWow64Process = kernel ? reinterpret_cast<IsWow64ProcessFunction>(
                                       reinterpret_cast<void*>(GetProcAddress(kernel, "IsWow64Process")))
                                 : nullptr;
    BOOL wow64 = FALSE;
    return isWow64Process && isWow64Process(GetCurrentProcess(), &wow64) && wow64 ? KEY_WOW64_64KEY : 0;
#endif
}

bool otherBuildRegistered()
{
    const REGSAM view = otherView();
    return view != 0 && keyExists(classKey() + L"\\InprocServer32", view);
}

} // namespace

} // namespace gesticon::com

extern "C" HRESULT STDAPICALLTYPE DllRegisterServer()
{
    using namespace gesticon;
    using namespace gesticon::com;
    const std::wstring path = module::path();
    const std::wstring libId = guidText(ids::kLibId);

    ITypeLib* library = nullptr;
    HRESULT hr = module::loadOwnTypeLibrary(&library);
    if (FAILED(hr))
        return hr;
    hr = RegisterTypeLib(library, const_cast<LPOLESTR>(path.c_str()), nullptr);
    library->Release();
    if (FAILED(hr))
        return hr;

    const std::pair<std::wstring, std::pair<const wchar_t*, std::wstring>> values[] = {
        {classKey(), {nullptr, ids::kProgId}},
        {classKey() + L"\\InprocServer32", {nullptr, path}},
        {classKey() + L"\\InprocServer32", {L"ThreadingModel", L"Apartment"}},
        {classKey() + L"\\ProgID", {nullptr, ids::kProgId}},
        {classKey() + L"\\TypeLib", {nullptr, libId}},
        {std::wstring(ids::kProgId) + L"\\CLSID", {nullptr, guidText(ids::kClsidAsistente)}},
        {interfaceKey(), {nullptr, L"_asistente"}},
        {interfaceKey() + L"\\ProxyStubClsid", {nullptr, kTypeLibMarshaller}},
        {interfaceKey() + L"\\ProxyStubClsid32", {nullptr, kTypeLibMarshaller}},
        {interfaceKey() + L"\\TypeLib", {nullptr, libId}},
        {interfaceKey() + L"\\TypeLib", {L"Version", L"1.0"}},
    };
    for (const auto& [key, value] : values) {
        if (FAILED(hr = setValue(key, value.first, value.second)))
            return hr;
    }
    return S_OK;
}

extern "C" HRESULT STDAPICALLTYPE DllUnregisterServer()
{
    using namespace gesticon;
    using namespace gesticon::com;
    const bool otherRegistered = otherBuildRegistered();
    HRESULT hr = S_OK;
    // Not registered at all is not a failure of unregistration.
    if (keyExists(typeLibraryKey(), 0)) {
        // UnRegisterTypeLib also removes the interface from both views, which
        // the other build still needs: then only this target's entry goes.
        hr = otherRegistered ? deleteTree(typeLibraryKey())
                             : UnRegisterTypeLib(ids::kLibId, ids::kLibMajor, ids::kLibMinor, 0, kSyskind);
        if (FAILED(hr))
            return hr;
    }
    auto remove = [&hr](const std::wstring& key) {
        if (const HRESULT removed = deleteTree(key); FAILED(removed))
            hr = removed;
    };
    remove(interfaceKey());
    remove(classKey());
    if (!otherRegistered)
        remove(ids::kProgId);
    return hr;
}
