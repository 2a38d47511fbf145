#pragma once
// Reading IDispatch::Invoke arguments the way script hosts pass them: by
// value or by reference (VBScript and JScript hand variables over as
// VT_BYREF|VT_VARIANT), of any type that converts to the one a member needs.
// Arguments are only read, never written back.

#include "variant.h"

#include <windows.h>
#include <oaidl.h>

namespace gesticon::com {

class DispatchArguments {
public:
    // `params` must have been checked for null pointers.
    DispatchArguments(const DISPPARAMS& params, LCID lcid, UINT* argError)
        : params_(params), lcid_(lcid), argError_(argError)
    {
    }

    UINT count() const { return params_.cArgs; }

    // `position` counts in declaration order (the first parameter is 0).
    HRESULT shortAt(UINT position, SHORT& value);
    HRESULT longAt(UINT position, LONG& value);
    HRESULT boolAt(UINT position, VARIANT_BOOL& value);
    // The string stays owned by `holder`.
    HRESULT stringAt(UINT position, Variant& holder, BSTR& value);

private:
    HRESULT convert(UINT position, VARTYPE type, Variant& converted);

    const DISPPARAMS& params_;
    LCID lcid_;
    UINT* argError_;
};

}  // namespace gesticon::com
