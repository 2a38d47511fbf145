#include "com_client.h"

#include <cstdio>

#include "asistente_interface.h"
#include "check.h"

namespace wine_tests {

std::string hex(long value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(value));
    return text;
}

std::string narrow(const std::wstring& text) {
    if (text.empty()) return {};
    int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                   0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                        nullptr, nullptr);
    return out;
}

Var Var::text(const std::wstring& value) {
    Var v;
    V_VT(v.get()) = VT_BSTR;
    V_BSTR(v.get()) = SysAllocStringLen(value.data(), static_cast<UINT>(value.size()));
    return v;
}
Var Var::int16(short value) {
    Var v;
    V_VT(v.get()) = VT_I2;
    V_I2(v.get()) = value;
    return v;
}
Var Var::int32(long value) {
    Var v;
    V_VT(v.get()) = VT_I4;
    V_I4(v.get()) = value;
    return v;
}
Var Var::boolean(bool value) {
    Var v;
    V_VT(v.get()) = VT_BOOL;
    V_BOOL(v.get()) = value ? VARIANT_TRUE : VARIANT_FALSE;
    return v;
}
Var Var::refInt16(short* target) {
    Var v;
    V_VT(v.get()) = VT_I2 | VT_BYREF;
    V_I2REF(v.get()) = target;
    return v;
}
Var Var::refInt32(long* target) {
    Var v;
    V_VT(v.get()) = VT_I4 | VT_BYREF;
    V_I4REF(v.get()) = target;
    return v;
}
Var Var::refVariant(VARIANT* target) {
    Var v;
    V_VT(v.get()) = VT_VARIANT | VT_BYREF;
    V_VARIANTREF(v.get()) = target;
    return v;
}

DISPID dispatchId(IDispatch* object, const wchar_t* name) {
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[1] = {const_cast<LPOLESTR>(name)};
    object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    return id;
}

CallResult invokeNamed(IDispatch* object, DISPID id, WORD flags, const std::vector<Var>& positional,
                       const std::vector<NamedArg>& named, ITypeInfo* platform) {
    CallResult result;
    // rgvarg holds the named arguments first, then the positional ones in reverse order.
    std::vector<VARIANT> args;
    std::vector<DISPID> names;
    for (const NamedArg& arg : named) {
        args.push_back(arg.value.ref());
        names.push_back(arg.id);
    }
    for (auto it = positional.rbegin(); it != positional.rend(); ++it) args.push_back(it->ref());
    DISPPARAMS params{args.empty() ? nullptr : args.data(), names.empty() ? nullptr : names.data(),
                      static_cast<UINT>(args.size()), static_cast<UINT>(names.size())};
    EXCEPINFO exception{};
    SetErrorInfo(0, nullptr);
    if (platform) {
        IUnknown* vtable = nullptr;
        object->QueryInterface(kIID_asistente, reinterpret_cast<void**>(&vtable));
        result.invokeResult = vtable ? platform->Invoke(vtable, id, flags, &params, result.value.get(),
                                                        &exception, &result.argError)
                                     : E_NOINTERFACE;
        if (vtable) vtable->Release();
    } else {
        result.invokeResult = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params,
                                             result.value.get(), &exception, &result.argError);
    }
    result.code = result.invokeResult;
    if (result.invokeResult == DISP_E_EXCEPTION) {
        if (exception.pfnDeferredFillIn != nullptr) exception.pfnDeferredFillIn(&exception);
        result.code = exception.scode != 0 ? exception.scode
                                           : HRESULT(0x800A0000 | exception.wCode);
        if (exception.bstrDescription) result.description = exception.bstrDescription;
        if (exception.bstrSource) result.source = exception.bstrSource;
    }
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrHelpFile);
    if (FAILED(result.code) && result.description.empty()) {
        IErrorInfo* info = nullptr;
        if (GetErrorInfo(0, &info) == S_OK && info != nullptr) {
            BSTR text = nullptr;
            if (SUCCEEDED(info->GetDescription(&text)) && text) result.description = text;
            SysFreeString(text);
            text = nullptr;
            if (SUCCEEDED(info->GetSource(&text)) && text) result.source = text;
            SysFreeString(text);
            info->Release();
        }
    }
    return result;
}

CallResult invokeRaw(IDispatch* object, DISPID id, WORD flags, std::vector<Var> args,
                     bool asPut) {
    if (!asPut) return invokeNamed(object, id, flags, args, {});
    // A put names its one value DISPID_PROPERTYPUT; any further value stays positional.
    std::vector<NamedArg> named;
    if (!args.empty()) {
        named.push_back({DISPID_PROPERTYPUT, args.back()});
        args.pop_back();
    }
    return invokeNamed(object, id, flags, args, named);
}

namespace {
CallResult unknownName(const wchar_t* name) {
    CallResult result;
    result.invokeResult = result.code = DISP_E_UNKNOWNNAME;
    result.description = std::wstring(L"no member named ") + name;
    return result;
}
}  // namespace

CallResult callMethod(IDispatch* object, const wchar_t* name, std::vector<Var> args) {
    DISPID id = dispatchId(object, name);
    if (id == DISPID_UNKNOWN) return unknownName(name);
    return invokeRaw(object, id, DISPATCH_METHOD, std::move(args), false);
}

CallResult getProperty(IDispatch* object, const wchar_t* name) {
    DISPID id = dispatchId(object, name);
    if (id == DISPID_UNKNOWN) return unknownName(name);
    return invokeRaw(object, id, DISPATCH_PROPERTYGET, {}, false);
}

CallResult putProperty(IDispatch* object, const wchar_t* name, Var value) {
    DISPID id = dispatchId(object, name);
    if (id == DISPID_UNKNOWN) return unknownName(name);
    return invokeRaw(object, id, DISPATCH_PROPERTYPUT, {std::move(value)}, true);
}

HRESULT createByProgId(const wchar_t* progId, IDispatch** out) {
    *out = nullptr;
    CLSID clsid;
    HRESULT hr = CLSIDFromProgID(progId, &clsid);
    if (FAILED(hr)) return hr;
    return CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                            reinterpret_cast<void**>(out));
}

}  // namespace wine_tests
