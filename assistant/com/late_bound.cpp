#include "late_bound.h"

#include "failure_conversion.h"

#include <algorithm>
#include <vector>

namespace gesticon::com {

namespace {

void clearAll(std::initializer_list<VARIANT> args)
{
    for (const VARIANT& arg : args)
        VariantClear(const_cast<VARIANT*>(&arg));
}

template <class T>
Result<T> coerced(Result<std::unique_ptr<Variant>> result, VARTYPE type, T (*extract)(const VARIANT&))
{
    if (!result)
        return result.failure();
    Variant converted;
    if (HRESULT hr = VariantChangeType(converted.get(), (*result)->get(), 0, type); FAILED(hr))
        return failureFromHresult(hr);
    return extract(*converted);
}

} // namespace

VARIANT bstrArg(std::wstring_view text)
{
    VARIANT v;
    Variant::setString(v, text);
    return v;
}

Result<std::unique_ptr<Variant>> LateBound::invoke(const wchar_t* name, WORD flags, std::initializer_list<VARIANT> args)
{
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    if (HRESULT hr = object_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id); FAILED(hr)) {
        clearAll(args);
        return failureFromHresult(hr);
    }

    // Invoke takes the arguments last to first.
    std::vector<VARIANT> reversed(args.begin(), args.end());
    std::reverse(reversed.begin(), reversed.end());
    DISPID putId = DISPID_PROPERTYPUT;
    DISPPARAMS params{};
    params.rgvarg = reversed.empty() ? nullptr : reversed.data();
    params.cArgs = static_cast<UINT>(reversed.size());
    if (flags & DISPATCH_PROPERTYPUT) {
        params.rgdispidNamedArgs = &putId;
        params.cNamedArgs = 1;
    }

    auto result = std::make_unique<Variant>();
    EXCEPINFO info{};
    UINT argError = 0;
    // Failures are read from the thread's error information only when this
    // call set it.
    SetErrorInfo(0, nullptr);
    const HRESULT hr = object_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params,
                                       (flags & DISPATCH_PROPERTYPUT) ? nullptr : result->get(), &info, &argError);
    clearAll(args);
    if (FAILED(hr))
        return failureFromInvoke(hr, info);
    return result;
}

Result<std::unique_ptr<Variant>> LateBound::call(const wchar_t* name, std::initializer_list<VARIANT> args)
{
    return invoke(name, DISPATCH_METHOD, args);
}

Result<std::unique_ptr<Variant>> LateBound::get(const wchar_t* name)
{
    return invoke(name, DISPATCH_PROPERTYGET, {});
}

Result<std::unique_ptr<Variant>> LateBound::item(const wchar_t* name, VARIANT index)
{
    return invoke(name, DISPATCH_PROPERTYGET | DISPATCH_METHOD, {index});
}

Status LateBound::put(const wchar_t* name, VARIANT value)
{
    return invoke(name, DISPATCH_PROPERTYPUT, {value}).status();
}

Result<LateBound> asObject(Variant& result)
{
    Variant converted;
    if (HRESULT hr = VariantChangeType(converted.get(), result.get(), 0, VT_DISPATCH); FAILED(hr))
        return failureFromHresult(hr);
    if (!V_DISPATCH(converted.get()))
        return runtimeError(RuntimeError::ObjectNotSet);
    return LateBound(V_DISPATCH(converted.get()));
}

Result<LateBound> LateBound::getObject(const wchar_t* name)
{
    auto result = get(name);
    if (!result)
        return result.failure();
    return asObject(**result);
}

Result<std::int16_t> LateBound::getShort(const wchar_t* name)
{
    return coerced<std::int16_t>(get(name), VT_I2, [](const VARIANT& v) -> std::int16_t { return V_I2(&v); });
}

Result<std::int32_t> LateBound::getLong(const wchar_t* name)
{
    return coerced<std::int32_t>(get(name), VT_I4, [](const VARIANT& v) -> std::int32_t { return V_I4(&v); });
}

Result<std::wstring> LateBound::getString(const wchar_t* name)
{
    return coerced<std::wstring>(get(name), VT_BSTR, [](const VARIANT& v) { return toWide(V_BSTR(&v)); });
}

} // namespace gesticon::com
