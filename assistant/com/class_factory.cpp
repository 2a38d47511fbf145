// The class object of `asistente` and the entry points that hand it out and
// report whether the library may be unloaded.

#include "asistente_object.h"
#include "gesticon_ids.h"
#include "module.h"

#include <windows.h>
#include <unknwn.h>

namespace gesticon::com {

namespace {

// One static factory; its references do not keep the library loaded (locks do).
class AsistenteFactory final : public IClassFactory {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override
    {
        if (!object)
            return E_POINTER;
        if (riid == IID_IUnknown || riid == IID_IClassFactory) {
            *object = static_cast<IClassFactory*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** object) override
    {
        if (!object)
            return E_POINTER;
        *object = nullptr;
        if (outer)
            return CLASS_E_NOAGGREGATION;
        return AsistenteObject::create(riid, object);
    }

    HRESULT STDMETHODCALLTYPE LockServer(BOOL locking) override
    {
        module::lock(locking != FALSE);
        return S_OK;
    }
};

AsistenteFactory factory;

} // namespace

} // namespace gesticon::com

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID riid, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (clsid != gesticon::ids::kClsidAsistente)
        return CLASS_E_CLASSNOTAVAILABLE;
    return gesticon::com::factory.QueryInterface(riid, object);
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow()
{
    return gesticon::com::module::inUse() ? S_FALSE : S_OK;
}
