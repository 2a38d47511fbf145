#pragma once
// The assistant's dual interface as a vtable, declared here from the library's
// published contract (slots 7 to 22 after IDispatch), so the tests can call it
// the way an early-bound client does and see HRESULTs and IErrorInfo directly.
#include <windows.h>
#include <oaidl.h>

namespace wine_tests {

// {896479E5-91F0-4506-BF32-6E0EC19EA9B1}
inline constexpr IID kIID_asistente =
    {0x896479E5, 0x91F0, 0x4506, {0xBF, 0x32, 0x6E, 0x0E, 0xC1, 0x9E, 0xA9, 0xB1}};
// {2E4ACAA1-1380-433D-8CF7-11790FEDE7F1}
inline constexpr CLSID kCLSID_asistente =
    {0x2E4ACAA1, 0x1380, 0x433D, {0x8C, 0xF7, 0x11, 0x79, 0x0F, 0xED, 0xE7, 0xF1}};
// {D45FD31B-5C6E-11D1-9EC1-00C04FD7081F}, the control the assistant drives.
inline constexpr CLSID kCLSID_AgentControl =
    {0xD45FD31B, 0x5C6E, 0x11D1, {0x9E, 0xC1, 0x00, 0xC0, 0x4F, 0xD7, 0x08, 0x1F}};

struct IAsistente : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE get_Sound(VARIANT_BOOL* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_Sound(VARIANT_BOOL value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Balloon(VARIANT_BOOL* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_Balloon(VARIANT_BOOL value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_AutoHide(VARIANT_BOOL* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_AutoHide(VARIANT_BOOL value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_AutoSpace(VARIANT_BOOL* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_AutoSpace(VARIANT_BOOL value) = 0;
    virtual HRESULT STDMETHODCALLTYPE Show(long LenguajeID, long GUIA) = 0;
    virtual HRESULT STDMETHODCALLTYPE Unload() = 0;
    virtual HRESULT STDMETHODCALLTYPE Speak(BSTR strOracion) = 0;
    virtual HRESULT STDMETHODCALLTYPE Think(BSTR strOracion) = 0;
    virtual HRESULT STDMETHODCALLTYPE Move(short* x, short* y) = 0;
    virtual HRESULT STDMETHODCALLTYPE Action(long* accNombre) = 0;
    virtual HRESULT STDMETHODCALLTYPE Animations(short indice, BSTR* name) = 0;
    virtual HRESULT STDMETHODCALLTYPE Stop_Asistente() = 0;
};

}  // namespace wine_tests
