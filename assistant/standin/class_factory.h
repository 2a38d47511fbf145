#pragma once
// The class object of a stand-in's class: a static object that makes a new
// object of the class for every request, through the function it is given.
#include <windows.h>
#include <unknwn.h>

#include "module_count.h"

namespace gesticon::standin {

using Create = HRESULT (*)(REFIID, void**);

// A new object of class T, handed out as the interface asked for: the caller's
// reference is then its only one, and a refused interface leaves no object behind.
template <typename T>
HRESULT createObject(REFIID iid, void** out)
{
    T* object = new T();
    const HRESULT hr = object->QueryInterface(iid, out);
    object->Release();
    return hr;
}

class StandInFactory final : public IClassFactory {
public:
    explicit StandInFactory(Create create) : create_(create) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        if (!out)
            return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
            *out = static_cast<IClassFactory*>(this);
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    // Static objects; their references do not keep the server loaded.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override
    {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        return outer ? CLASS_E_NOAGGREGATION : create_(iid, out);
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override
    {
        lockServer(lock != FALSE);
        return S_OK;
    }

private:
    Create create_;
};

} // namespace gesticon::standin
