// Late-bound calls on `asistente`. The members are dispatched here rather than
// through the type library's dispatcher so that script hosts can call every
// one of them. `Move` and `Action` take pointers: Wine 8's ITypeInfo::Invoke
// converts an argument passed by value for them but answers
// DISP_E_TYPEMISMATCH for a variable passed as VT_BYREF|VT_VARIANT, which is
// how VBScript and JScript pass variables, and dispatchers that match pointer
// parameters only against exact by-reference types refuse literals too.
// Arguments are converted to the declared types and never written back.
// Everything else follows the type library's dispatcher: named arguments in
// any order, mixed with positional ones, and a property put only with its
// value named DISPID_PROPERTYPUT and never by reference (the settings have no
// put-by-reference member).

#include "asistente_object.h"

#include "dispatch_arguments.h"
#include "gesticon_ids.h"

#include <wrl/client.h>

namespace gesticon::com {

using Microsoft::WRL::ComPtr;

namespace {

// After a failing member: the exception a type-library dispatcher reports,
// from the error information the member set (which stays set).
HRESULT memberFailed(HRESULT hr, EXCEPINFO* exception)
{
    if (exception) {
        *exception = EXCEPINFO{};
        exception->scode = hr;
        ComPtr<IErrorInfo> info;
        if (GetErrorInfo(0, &info) == S_OK && info) {
            info->GetDescription(&exception->bstrDescription);
            info->GetSource(&exception->bstrSource);
            SetErrorInfo(0, info.Get());
        }
    }
    return DISP_E_EXCEPTION;
}

bool isSetting(DISPID id)
{
    return id == ids::kDispidSound || id == ids::kDispidBalloon || id == ids::kDispidAutoHide ||
           id == ids::kDispidAutoSpace;
}

} // namespace

HRESULT AsistenteObject::Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                                EXCEPINFO* exception, UINT* argError)
{
    if (riid != IID_NULL)
        return DISP_E_UNKNOWNINTERFACE;
    if (!params)
        return E_POINTER;
    if ((params->cArgs != 0 && !params->rgvarg) || (params->cNamedArgs != 0 && !params->rgdispidNamedArgs))
        return E_POINTER;
    if (params->cNamedArgs > params->cArgs)
        return E_INVALIDARG;

    HRESULT hr = DISP_E_MEMBERNOTFOUND;
    bool called = false;
    if (isSetting(id)) {
        using Getter = HRESULT (STDMETHODCALLTYPE AsistenteObject::*)(VARIANT_BOOL*);
        using Setter = HRESULT (STDMETHODCALLTYPE AsistenteObject::*)(VARIANT_BOOL);
        Getter getter = &AsistenteObject::get_AutoSpace;
        Setter setter = &AsistenteObject::put_AutoSpace;
        if (id == ids::kDispidSound) {
            getter = &AsistenteObject::get_Sound;
            setter = &AsistenteObject::put_Sound;
        } else if (id == ids::kDispidBalloon) {
            getter = &AsistenteObject::get_Balloon;
            setter = &AsistenteObject::put_Balloon;
        } else if (id == ids::kDispidAutoHide) {
            getter = &AsistenteObject::get_AutoHide;
            setter = &AsistenteObject::put_AutoHide;
        }
        hr = invokeSetting(flags, *params, result, argError, getter, setter, lcid, called);
    } else if (flags & DISPATCH_METHOD) {
        hr = invokeMethod(id, *params, result, argError, lcid, called);
    }
    // Failures of the member itself, as opposed to failures to call it.
    if (FAILED(hr) && called)
        return memberFailed(hr, exception);
    return hr;
}

HRESULT AsistenteObject::invokeSetting(WORD flags, DISPPARAMS& params, VARIANT* result, UINT* argError,
                                       HRESULT (STDMETHODCALLTYPE AsistenteObject::*getter)(VARIANT_BOOL*),
                                       HRESULT (STDMETHODCALLTYPE AsistenteObject::*setter)(VARIANT_BOOL), LCID lcid,
                                       bool& called)
{
    DispatchArguments args(params, lcid, argError);
    if (flags & DISPATCH_PROPERTYPUT) {
        VARIANT_BOOL value = VARIANT_FALSE;
        HRESULT hr = args.bindPropertyPut();
        if (FAILED(hr) || FAILED(hr = args.valueAt<VT_BOOL>(0, value)))
            return hr;
        called = true;
        return (this->*setter)(value);
    }
    if (!(flags & (DISPATCH_PROPERTYGET | DISPATCH_METHOD)))
        return DISP_E_MEMBERNOTFOUND;
    if (HRESULT hr = args.bindMethod(0); FAILED(hr))
        return hr;
    VARIANT_BOOL value = VARIANT_FALSE;
    called = true;
    const HRESULT hr = (this->*getter)(&value);
    if (SUCCEEDED(hr) && result) {
        VariantInit(result);
        V_VT(result) = VT_BOOL;
        V_BOOL(result) = value;
    }
    return hr;
}

HRESULT AsistenteObject::invokeMethod(DISPID id, DISPPARAMS& params, VARIANT* result, UINT* argError, LCID lcid,
                                      bool& called)
{
    UINT expected = 0;
    switch (id) {
    case ids::kDispidUnload:
    case ids::kDispidStopAsistente: expected = 0; break;
    case ids::kDispidSpeak:
    case ids::kDispidThink:
    case ids::kDispidAction:
    case ids::kDispidAnimations: expected = 1; break;
    case ids::kDispidShow:
    case ids::kDispidMove: expected = 2; break;
    default: return DISP_E_MEMBERNOTFOUND;
    }
    DispatchArguments args(params, lcid, argError);
    HRESULT hr = args.bindMethod(expected);
    if (FAILED(hr))
        return hr;
    switch (id) {
    case ids::kDispidShow: {
        LONG language = 0;
        LONG character = 0;
        if (FAILED(hr = args.valueAt<VT_I4>(0, language)) || FAILED(hr = args.valueAt<VT_I4>(1, character)))
            return hr;
        called = true;
        return Show(language, character);
    }
    case ids::kDispidUnload: called = true; return Unload();
    case ids::kDispidSpeak:
    case ids::kDispidThink: {
        Variant holder;
        BSTR text = nullptr;
        if (FAILED(hr = args.stringAt(0, holder, text)))
            return hr;
        called = true;
        return id == ids::kDispidSpeak ? Speak(text) : Think(text);
    }
    case ids::kDispidMove: {
        SHORT x = 0;
        SHORT y = 0;
        if (FAILED(hr = args.valueAt<VT_I2>(0, x)) || FAILED(hr = args.valueAt<VT_I2>(1, y)))
            return hr;
        called = true;
        return Move(&x, &y);
    }
    case ids::kDispidAction: {
        LONG member = 0;
        if (FAILED(hr = args.valueAt<VT_I4>(0, member)))
            return hr;
        called = true;
        return Action(&member);
    }
    case ids::kDispidAnimations: {
        SHORT index = 0;
        if (FAILED(hr = args.valueAt<VT_I2>(0, index)))
            return hr;
        BSTR name = nullptr;
        called = true;
        if (FAILED(hr = Animations(index, &name)))
            return hr;
        if (result) {
            VariantInit(result);
            V_VT(result) = VT_BSTR;
            V_BSTR(result) = name;
        } else {
            SysFreeString(name);
        }
        return S_OK;
    }
    default: called = true; return Stop_Asistente();
    }
}

} // namespace gesticon::com
