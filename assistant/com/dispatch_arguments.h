#pragma once
// Reading IDispatch::Invoke arguments the way script hosts and compiled
// clients pass them: by position or by name (the parameter positions
// GetIDsOfNames gives for the parameter names), by value or by reference
// (VBScript and JScript hand variables over as VT_BYREF|VT_VARIANT), of any
// type that converts to the one a member needs. Arguments are only read,
// never written back.

#include "variant.h"

#include <windows.h>
#include <oaidl.h>

namespace gesticon::com {

class DispatchArguments {
public:
    // `params` must have been checked for null pointers and for no more named
    // arguments than arguments.
    DispatchArguments(const DISPPARAMS& params, LCID lcid, UINT* argError)
        : params_(params), lcid_(lcid), argError_(argError)
    {}

    // Matches the arguments to a method's `declared` parameters, as the type
    // library's dispatcher does: positional arguments fill the first
    // parameters in call order, each named one the parameter it names.
    // DISP_E_PARAMNOTFOUND for a name that is no parameter, a parameter named
    // twice or named after a positional argument filled it (*argError is the
    // argument's index); DISP_E_BADPARAMCOUNT when the count is not `declared`.
    HRESULT bindMethod(UINT declared);
    // The one value of a property put, which must be named DISPID_PROPERTYPUT.
    HRESULT bindPropertyPut();

    // The argument bound to the parameter at `position` (in declaration
    // order, the first is 0) converted to `type`; only after a successful bind.
    template <VARTYPE type>
    HRESULT valueAt(UINT position, typename VariantField<type>::Type& value)
    {
        Variant converted;
        const HRESULT hr = convert(position, type, converted);
        if (SUCCEEDED(hr))
            value = VariantField<type>::of(*converted.get());
        return hr;
    }
    // The same for a string, which stays owned by `holder`.
    HRESULT stringAt(UINT position, Variant& holder, BSTR& value);

private:
    static constexpr UINT kMostParameters = 2;

    HRESULT convert(UINT position, VARTYPE type, Variant& converted);
    HRESULT badArgument(UINT index, HRESULT hr);

    const DISPPARAMS& params_;
    LCID lcid_;
    UINT* argError_;
    // Index in rgvarg of the argument bound to each parameter.
    UINT bound_[kMostParameters] = {};
};

} // namespace gesticon::com
