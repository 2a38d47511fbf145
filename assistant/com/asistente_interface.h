#pragma once
// The dual interface `_asistente` as its vtable is laid out in the type
// library: IDispatch's seven slots, then slots 7 to 22 in this order.

#include <windows.h>
#include <oaidl.h>

namespace gesticon::com {

struct _asistente : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE get_Sound(VARIANT_BOOL* value) = 0;         // 7
    virtual HRESULT STDMETHODCALLTYPE put_Sound(VARIANT_BOOL value) = 0;          // 8
    virtual HRESULT STDMETHODCALLTYPE get_Balloon(VARIANT_BOOL* value) = 0;       // 9
    virtual HRESULT STDMETHODCALLTYPE put_Balloon(VARIANT_BOOL value) = 0;        // 10
    virtual HRESULT STDMETHODCALLTYPE get_AutoHide(VARIANT_BOOL* value) = 0;      // 11
    virtual HRESULT STDMETHODCALLTYPE put_AutoHide(VARIANT_BOOL value) = 0;       // 12
    virtual HRESULT STDMETHODCALLTYPE get_AutoSpace(VARIANT_BOOL* value) = 0;     // 13
    virtual HRESULT STDMETHODCALLTYPE put_AutoSpace(VARIANT_BOOL value) = 0;      // 14
    virtual HRESULT STDMETHODCALLTYPE Show(LONG LenguajeID, LONG GUIA) = 0;       // 15
    virtual HRESULT STDMETHODCALLTYPE Unload() = 0;                               // 16
    virtual HRESULT STDMETHODCALLTYPE Speak(BSTR strOracion) = 0;                 // 17
    virtual HRESULT STDMETHODCALLTYPE Think(BSTR strOracion) = 0;                 // 18
    virtual HRESULT STDMETHODCALLTYPE Move(SHORT* x, SHORT* y) = 0;               // 19
    virtual HRESULT STDMETHODCALLTYPE Action(LONG* accNombre) = 0;                // 20
    virtual HRESULT STDMETHODCALLTYPE Animations(SHORT indice, BSTR* result) = 0; // 21
    virtual HRESULT STDMETHODCALLTYPE Stop_Asistente() = 0;                       // 22
};

} // namespace gesticon::com
