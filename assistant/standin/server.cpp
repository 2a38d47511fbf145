// The in-process server entry points: class factory for the control's class
// identifier and self-registration, so regsvr32 can put the stand-in where the
// real control would be.
#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include <string>

#include "agent_ids.h"
#include "control.h"
#include "module_count.h"

namespace gesticon::standin {

namespace {

HMODULE thisModule = nullptr;
LONG liveObjects = 0;
LONG serverLocks = 0;

class ControlFactory final : public IClassFactory {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        if (out == nullptr)
            return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
            *out = static_cast<IClassFactory*>(this);
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    // The factory is a static object; its references do not keep the server loaded.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override
    {
        if (out == nullptr)
            return E_POINTER;
        *out = nullptr;
        if (outer != nullptr)
            return CLASS_E_NOAGGREGATION;
        return createControl(iid, out);
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override
    {
        lockServer(lock != FALSE);
        return S_OK;
    }
};

ControlFactory factory;

std::wstring classKeyPath()
{
    wchar_t text[64];
    StringFromGUID2(agent::kClsidAgent, text, 64);
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

void objectCreated()
{
    InterlockedIncrement(&liveObjects);
}
void objectDestroyed()
{
    InterlockedDecrement(&liveObjects);
}
void lockServer(bool lock)
{
    if (lock)
        InterlockedIncrement(&serverLocks);
    else
        InterlockedDecrement(&serverLocks);
}
bool serverInUse()
{
    return liveObjects != 0 || serverLocks != 0;
}

} // namespace gesticon::standin

using namespace gesticon;
using namespace gesticon::standin;

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        thisModule = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow()
{
    return serverInUse() ? S_FALSE : S_OK;
}

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, void** out)
{
    if (out == nullptr)
        return E_POINTER;
    *out = nullptr;
    if (!IsEqualCLSID(clsid, agent::kClsidAgent))
        return CLASS_E_CLASSNOTAVAILABLE;
    return factory.QueryInterface(iid, out);
}

extern "C" HRESULT STDAPICALLTYPE DllRegisterServer()
{
    wchar_t modulePath[MAX_PATH];
    DWORD length = GetModuleFileNameW(thisModule, modulePath, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return SELFREG_E_CLASS;
    std::wstring classKey = classKeyPath();
    if (setValue(HKEY_CLASSES_ROOT, classKey, nullptr, L"Animated agent control stand-in (test support)") !=
            ERROR_SUCCESS ||
        setValue(HKEY_CLASSES_ROOT, classKey + L"\\InprocServer32", nullptr, modulePath) != ERROR_SUCCESS ||
        setValue(HKEY_CLASSES_ROOT, classKey + L"\\InprocServer32", L"ThreadingModel", L"Apartment") != ERROR_SUCCESS)
        return SELFREG_E_CLASS;
    return S_OK;
}

extern "C" HRESULT STDAPICALLTYPE DllUnregisterServer()
{
    LONG status = RegDeleteTreeW(HKEY_CLASSES_ROOT, classKeyPath().c_str());
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND)
        return SELFREG_E_CLASS;
    return S_OK;
}
