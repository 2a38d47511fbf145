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

} // namespace

HRESULT DispatchArguments::badArgument(UINT index, HRESULT hr)
{
    if (argError_)
        *argError_ = index;
    return hr;
}

HRESULT DispatchArguments::bindMethod(UINT declared)
{
    // rgvarg holds the named arguments first, in the order of
    // rgdispidNamedArgs, then the positional ones from last to first.
    if (declared > kMostParameters)
        return E_UNEXPECTED;
    const UINT named = params_.cNamedArgs;
    const UINT positional = params_.cArgs - named;
    for (UINT j = 0; j < named; ++j) {
        const DISPID id = params_.rgdispidNamedArgs[j];
        bool filled = id >= 0 && static_cast<UINT>(id) < positional;
        for (UINT k = 0; k < j && !filled; ++k)
            filled = params_.rgdispidNamedArgs[k] == id;
        if (id < 0 || static_cast<UINT>(id) >= declared || filled)
            return badArgument(j, DISP_E_PARAMNOTFOUND);
        bound_[id] = j;
    }
    if (params_.cArgs != declared)
        return DISP_E_BADPARAMCOUNT;
    for (UINT position = 0; position < positional; ++position)
        bound_[position] = params_.cArgs - 1 - position;
    return S_OK;
}

HRESULT DispatchArguments::bindPropertyPut()
{
    if (params_.cNamedArgs == 0 || params_.rgdispidNamedArgs[0] != DISPID_PROPERTYPUT)
        return DISP_E_PARAMNOTFOUND;
    if (params_.cNamedArgs > 1)
        return badArgument(1, DISP_E_PARAMNOTFOUND);
    if (params_.cArgs != 1)
        return DISP_E_BADPARAMCOUNT;
    bound_[0] = 0;
    return S_OK;
}

HRESULT DispatchArguments::convert(UINT position, VARTYPE type, Variant& converted)
{
    const UINT index = bound_[position];
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
    return FAILED(hr) ? badArgument(index, hr) : hr;
}

HRESULT DispatchArguments::stringAt(UINT position, Variant& holder, BSTR& value)
{
    const HRESULT hr = convert(position, VT_BSTR, holder);
    if (SUCCEEDED(hr))
        value = V_BSTR(holder.get());
    return hr;
}

} // namespace gesticon::com
