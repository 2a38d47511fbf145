#include "com_client.h"

#include "contract.h"
#include "variant.h"

#include <cwchar>

namespace gesticon::tests {

using com::variantOf;

GUID guid(const wchar_t* text)
{
    GUID value{};
    CLSIDFromString(const_cast<LPOLESTR>(text), &value);
    return value;
}

std::wstring view(BSTR text)
{
    return text ? std::wstring(text, SysStringLen(text)) : std::wstring();
}

std::wstring take(BSTR text)
{
    std::wstring out = view(text);
    SysFreeString(text);
    return out;
}

ErrorInfo threadErrorInfo()
{
    IErrorInfo* info = nullptr;
    if (GetErrorInfo(0, &info) != S_OK || info == nullptr)
        return {L"<none>", L"<none>"};
    BSTR description = nullptr, source = nullptr;
    info->GetDescription(&description);
    info->GetSource(&source);
    info->Release();
    return {take(description), take(source)};
}

DISPID dispidOf(const wchar_t* name)
{
    for (const ExpectedMember& member : expectedMembers())
        if (std::wcscmp(member.name, name) == 0)
            return member.id;
    return DISPID_UNKNOWN;
}

namespace {
template <class T>
Var byReference(VARTYPE type, T* target)
{
    Var v;
    V_VT(v.get()) = VT_BYREF | type;
    V_BYREF(v.get()) = target;
    return v;
}
} // namespace

Var Var::text(const std::wstring& value)
{
    VARIANT v;
    com::Variant::setString(v, value);
    return Var(v);
}
Var Var::int16(short value)
{
    return Var(variantOf<VT_I2>(value));
}
Var Var::int32(long value)
{
    return Var(variantOf<VT_I4>(value));
}
Var Var::boolean(bool value)
{
    return Var(variantOf<VT_BOOL>(value ? VARIANT_TRUE : VARIANT_FALSE));
}
Var Var::refInt16(short* target)
{
    return byReference(VT_I2, target);
}
Var Var::refInt32(long* target)
{
    return byReference(VT_I4, target);
}
Var Var::refVariant(VARIANT* target)
{
    return byReference(VT_VARIANT, target);
}

DISPID dispatchId(IDispatch* object, const wchar_t* name)
{
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[1] = {const_cast<LPOLESTR>(name)};
    object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    return id;
}

CallResult invokeNamed(IDispatch* object, DISPID id, WORD flags, const std::vector<Var>& positional,
                       const std::vector<NamedArg>& named, ITypeInfo* platform)
{
    CallResult result;
    // rgvarg holds the named arguments first, then the positional ones in reverse order.
    std::vector<VARIANT> args;
    std::vector<DISPID> names;
    for (const NamedArg& arg : named) {
        args.push_back(arg.value.ref());
        names.push_back(arg.id);
    }
    for (auto it = positional.rbegin(); it != positional.rend(); ++it)
        args.push_back(it->ref());
    DISPPARAMS params{args.empty() ? nullptr : args.data(), names.empty() ? nullptr : names.data(),
                      static_cast<UINT>(args.size()), static_cast<UINT>(names.size())};
    EXCEPINFO exception{};
    SetErrorInfo(0, nullptr);
    if (platform) {
        IUnknown* vtable = nullptr;
        object->QueryInterface(guid(kIidAsistente), reinterpret_cast<void**>(&vtable));
        result.invokeResult =
            vtable ? platform->Invoke(vtable, id, flags, &params, result.value.get(), &exception, &result.argError)
                   : E_NOINTERFACE;
        if (vtable)
            vtable->Release();
    } else {
        result.invokeResult = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result.value.get(),
                                             &exception, &result.argError);
    }
    result.code = result.invokeResult;
    if (result.invokeResult == DISP_E_EXCEPTION) {
        if (exception.pfnDeferredFillIn != nullptr)
            exception.pfnDeferredFillIn(&exception);
        result.code = exception.scode != 0 ? exception.scode : HRESULT(0x800A0000 | exception.wCode);
        result.description = take(exception.bstrDescription);
        result.source = take(exception.bstrSource);
        SysFreeString(exception.bstrHelpFile);
    } else if (FAILED(result.code)) {
        // Without an exception, what the thread's error information says.
        ErrorInfo info = threadErrorInfo();
        if (info.description != L"<none>") {
            result.description = info.description;
            result.source = info.source;
        }
    }
    return result;
}

CallResult invokeRaw(IDispatch* object, DISPID id, WORD flags, std::vector<Var> args, bool asPut)
{
    if (!asPut)
        return invokeNamed(object, id, flags, args, {});
    // A put names its one value DISPID_PROPERTYPUT; any further value stays positional.
    std::vector<NamedArg> named;
    if (!args.empty()) {
        named.push_back({DISPID_PROPERTYPUT, args.back()});
        args.pop_back();
    }
    return invokeNamed(object, id, flags, args, named);
}

namespace {
CallResult unknownName(const wchar_t* name)
{
    CallResult result;
    result.invokeResult = result.code = DISP_E_UNKNOWNNAME;
    result.description = std::wstring(L"no member named ") + name;
    return result;
}
} // namespace

CallResult callMethod(IDispatch* object, const wchar_t* name, std::vector<Var> args)
{
    DISPID id = dispatchId(object, name);
    if (id == DISPID_UNKNOWN)
        return unknownName(name);
    return invokeRaw(object, id, DISPATCH_METHOD, std::move(args), false);
}

CallResult getProperty(IDispatch* object, const wchar_t* name)
{
    DISPID id = dispatchId(object, name);
    if (id == DISPID_UNKNOWN)
        return unknownName(name);
    return invokeRaw(object, id, DISPATCH_PROPERTYGET, {}, false);
}

CallResult putProperty(IDispatch* object, const wchar_t* name, Var value)
{
    DISPID id = dispatchId(object, name);
    if (id == DISPID_UNKNOWN)
        return unknownName(name);
    return invokeRaw(object, id, DISPATCH_PROPERTYPUT, {std::move(value)}, true);
}

HRESULT createByProgId(const wchar_t* progId, IDispatch** out)
{
    *out = nullptr;
    CLSID clsid;
    HRESULT hr = CLSIDFromProgID(progId, &clsid);
    if (FAILED(hr))
        return hr;
    return CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, reinterpret_cast<void**>(out));
}

} // namespace gesticon::tests
