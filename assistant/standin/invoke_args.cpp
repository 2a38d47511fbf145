#include "invoke_args.h"

namespace gesticon::standin {

InvokeArgs::InvokeArgs(DISPPARAMS* params, EXCEPINFO* exception, UINT* argError, bool isPut)
    : params_(params), exception_(exception), argError_(argError), isPut_(isPut)
{
    if (params_ != nullptr && params_->cArgs >= params_->cNamedArgs)
        positional_ = params_->cArgs - params_->cNamedArgs;
}

HRESULT InvokeArgs::checkShape() const
{
    if (params_ == nullptr)
        return E_INVALIDARG;
    if (params_->cArgs > 0 && params_->rgvarg == nullptr)
        return E_INVALIDARG;
    if (params_->cNamedArgs > params_->cArgs)
        return E_INVALIDARG;
    if (params_->cNamedArgs > 0 && params_->rgdispidNamedArgs == nullptr)
        return E_INVALIDARG;
    if (isPut_) {
        if (params_->cNamedArgs != 1 || params_->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT)
            return DISP_E_PARAMNOTFOUND;
    } else if (params_->cNamedArgs != 0) {
        return DISP_E_NONAMEDARGS;
    }
    return S_OK;
}

const VARIANT* InvokeArgs::positional(unsigned i) const
{
    if (i >= positional_)
        return nullptr;
    // rgvarg holds the named arguments first, then the positional ones in reverse.
    return &params_->rgvarg[params_->cArgs - 1 - i];
}

const VARIANT* InvokeArgs::putValue() const
{
    return &params_->rgvarg[0];
}

bool InvokeArgs::has(unsigned i) const
{
    const VARIANT* value = positional(i);
    if (value == nullptr)
        return false;
    return !(V_VT(value) == VT_ERROR && V_ERROR(value) == DISP_E_PARAMNOTFOUND);
}

HRESULT InvokeArgs::needCount(unsigned minimum, unsigned maximum) const
{
    if (positional_ > maximum)
        return DISP_E_BADPARAMCOUNT;
    for (unsigned i = 0; i < minimum; ++i)
        if (!has(i))
            return i < positional_ ? DISP_E_PARAMNOTOPTIONAL : DISP_E_BADPARAMCOUNT;
    return S_OK;
}

HRESULT InvokeArgs::coerce(const VARIANT* value, VARTYPE type, VARIANT& out, UINT slot) const
{
    VariantInit(&out);
    HRESULT hr = DISP_E_TYPEMISMATCH;
    bool nullReference = (V_VT(value) & VT_BYREF) != 0 && V_BYREF(value) == nullptr;
    if (!nullReference)
        hr = VariantChangeType(&out, const_cast<VARIANT*>(value), 0, type);
    if (FAILED(hr) && argError_ != nullptr)
        *argError_ = slot;
    return hr;
}

namespace {

template <typename Read>
HRESULT readAs(HRESULT coerced, VARIANT& holder, Read read)
{
    if (FAILED(coerced))
        return coerced;
    read(holder);
    VariantClear(&holder);
    return S_OK;
}

} // namespace

HRESULT InvokeArgs::text(unsigned i, std::wstring& out) const
{
    if (!has(i))
        return DISP_E_PARAMNOTOPTIONAL;
    VARIANT v;
    return readAs(coerce(positional(i), VT_BSTR, v, params_->cArgs - 1 - i), v,
                  [&](VARIANT& h) { out.assign(V_BSTR(&h), SysStringLen(V_BSTR(&h))); });
}

HRESULT InvokeArgs::int16(unsigned i, short& out) const
{
    if (!has(i))
        return DISP_E_PARAMNOTOPTIONAL;
    VARIANT v;
    return readAs(coerce(positional(i), VT_I2, v, params_->cArgs - 1 - i), v, [&](VARIANT& h) { out = V_I2(&h); });
}

HRESULT InvokeArgs::int32(unsigned i, long& out) const
{
    if (!has(i))
        return DISP_E_PARAMNOTOPTIONAL;
    VARIANT v;
    return readAs(coerce(positional(i), VT_I4, v, params_->cArgs - 1 - i), v, [&](VARIANT& h) { out = V_I4(&h); });
}

HRESULT InvokeArgs::boolean(unsigned i, bool& out) const
{
    if (!has(i))
        return DISP_E_PARAMNOTOPTIONAL;
    VARIANT v;
    return readAs(coerce(positional(i), VT_BOOL, v, params_->cArgs - 1 - i), v,
                  [&](VARIANT& h) { out = V_BOOL(&h) != VARIANT_FALSE; });
}

HRESULT InvokeArgs::putInt16(short& out) const
{
    VARIANT v;
    return readAs(coerce(putValue(), VT_I2, v, 0), v, [&](VARIANT& h) { out = V_I2(&h); });
}

HRESULT InvokeArgs::putInt32(long& out) const
{
    VARIANT v;
    return readAs(coerce(putValue(), VT_I4, v, 0), v, [&](VARIANT& h) { out = V_I4(&h); });
}

HRESULT InvokeArgs::putBoolean(bool& out) const
{
    VARIANT v;
    return readAs(coerce(putValue(), VT_BOOL, v, 0), v, [&](VARIANT& h) { out = V_BOOL(&h) != VARIANT_FALSE; });
}

HRESULT InvokeArgs::raise(HRESULT code, const std::wstring& description) const
{
    if (exception_ == nullptr)
        return code;
    *exception_ = EXCEPINFO{};
    exception_->scode = code;
    exception_->bstrSource = SysAllocString(L"AgentStandIn");
    exception_->bstrDescription = SysAllocString(description.c_str());
    return DISP_E_EXCEPTION;
}

} // namespace gesticon::standin
