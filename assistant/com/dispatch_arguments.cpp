#include "dispatch_arguments.h"

namespace gesticon::com {

namespace {

// A by-reference value whose pointer is null cannot be read; neither can an
// object argument without an object.
bool readable(const VARIANT& value)
{
    if ((V_VT(&value) & VT_BYREF) != 0)
        return V_BYREF(&value) != nullptr;
    if (V_VT(&value) == VT_DISPATCH || V_VT(&value) == VT_UNKNOWN)
        return V_UNKNOWN(&value) != nullptr;
    return true;
}

}  // namespace

HRESULT DispatchArguments::convert(UINT position, VARTYPE type, Variant& converted)
{
    const UINT index = params_.cArgs - 1 - position;  // Invoke passes them last to first
    const VARIANT* source = &params_.rgvarg[index];
    HRESULT hr = S_OK;
    if (V_VT(source) == (VT_BYREF | VT_VARIANT) && V_VARIANTREF(source))
        source = V_VARIANTREF(source);
    if (!readable(*source) || V_VT(source) == (VT_BYREF | VT_VARIANT))
        hr = DISP_E_TYPEMISMATCH;
    else
        hr = VariantChangeTypeEx(converted.get(), const_cast<VARIANT*>(source), lcid_, 0, type);
    if (SUCCEEDED(hr) && V_VT(converted.get()) != type)
        hr = DISP_E_TYPEMISMATCH;
    if (FAILED(hr) && argError_)
        *argError_ = index;
    return hr;
}

HRESULT DispatchArguments::shortAt(UINT position, SHORT& value)
{
    Variant converted;
    const HRESULT hr = convert(position, VT_I2, converted);
    if (SUCCEEDED(hr))
        value = V_I2(converted.get());
    return hr;
}

HRESULT DispatchArguments::longAt(UINT position, LONG& value)
{
    Variant converted;
    const HRESULT hr = convert(position, VT_I4, converted);
    if (SUCCEEDED(hr))
        value = V_I4(converted.get());
    return hr;
}

HRESULT DispatchArguments::boolAt(UINT position, VARIANT_BOOL& value)
{
    Variant converted;
    const HRESULT hr = convert(position, VT_BOOL, converted);
    if (SUCCEEDED(hr))
        value = V_BOOL(converted.get());
    return hr;
}

HRESULT DispatchArguments::stringAt(UINT position, Variant& holder, BSTR& value)
{
    const HRESULT hr = convert(position, VT_BSTR, holder);
    if (SUCCEEDED(hr))
        value = V_BSTR(holder.get());
    return hr;
}

}  // namespace gesticon::com
