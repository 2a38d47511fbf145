#pragma once
// The COM object `asistente`: the dual interface `_asistente` over the
// portable assistant, with error information on every failure.

#include "asistente.h"
#include "asistente_interface.h"

#include <windows.h>
#include <oaidl.h>

#include <atomic>
#include <memory>

namespace gesticon::com {

class AsistenteObject final : public _asistente, public ISupportErrorInfo {
public:
    // Builds an object (creating its agent control) and answers `riid` on it.
    static HRESULT create(REFIID riid, void** object);

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                                     EXCEPINFO* exception, UINT* argError) override;

    // _asistente
    HRESULT STDMETHODCALLTYPE get_Sound(VARIANT_BOOL* value) override;
    HRESULT STDMETHODCALLTYPE put_Sound(VARIANT_BOOL value) override;
    HRESULT STDMETHODCALLTYPE get_Balloon(VARIANT_BOOL* value) override;
    HRESULT STDMETHODCALLTYPE put_Balloon(VARIANT_BOOL value) override;
    HRESULT STDMETHODCALLTYPE get_AutoHide(VARIANT_BOOL* value) override;
    HRESULT STDMETHODCALLTYPE put_AutoHide(VARIANT_BOOL value) override;
    HRESULT STDMETHODCALLTYPE get_AutoSpace(VARIANT_BOOL* value) override;
    HRESULT STDMETHODCALLTYPE put_AutoSpace(VARIANT_BOOL value) override;
    HRESULT STDMETHODCALLTYPE Show(LONG LenguajeID, LONG GUIA) override;
    HRESULT STDMETHODCALLTYPE Unload() override;
    HRESULT STDMETHODCALLTYPE Speak(BSTR strOracion) override;
    HRESULT STDMETHODCALLTYPE Think(BSTR strOracion) override;
    HRESULT STDMETHODCALLTYPE Move(SHORT* x, SHORT* y) override;
    HRESULT STDMETHODCALLTYPE Action(LONG* accNombre) override;
    HRESULT STDMETHODCALLTYPE Animations(SHORT indice, BSTR* result) override;
    HRESULT STDMETHODCALLTYPE Stop_Asistente() override;

    // ISupportErrorInfo
    HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID riid) override;

private:
    explicit AsistenteObject(std::unique_ptr<asistente> core);
    ~AsistenteObject();

    HRESULT invokeSetting(WORD flags, DISPPARAMS& params, VARIANT* result, UINT* argError,
                          HRESULT (STDMETHODCALLTYPE AsistenteObject::*getter)(VARIANT_BOOL*),
                          HRESULT (STDMETHODCALLTYPE AsistenteObject::*setter)(VARIANT_BOOL), LCID lcid, bool& called);
    HRESULT invokeMethod(DISPID id, DISPPARAMS& params, VARIANT* result, UINT* argError, LCID lcid, bool& called);

    std::atomic<ULONG> references_{1};
    std::unique_ptr<asistente> core_;
};

} // namespace gesticon::com
