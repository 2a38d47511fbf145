#pragma once
// Reading the arguments of one IDispatch::Invoke call the way the control's
// own dispatcher would: positional arguments in call order, optional ones
// either left out or passed as "missing", values coerced to the member's type.
#include <windows.h>
#include <oaidl.h>

#include <string>

namespace gesticon::standin {

class InvokeArgs {
public:
    InvokeArgs(DISPPARAMS* params, EXCEPINFO* exception, UINT* argError, bool isPut);

    // Rejects malformed parameter blocks before any member looks at them.
    HRESULT checkShape() const;

    // True when argument i (0 = first in call order) was passed and is not the
    // "missing" marker (VT_ERROR with DISP_E_PARAMNOTFOUND).
    bool has(unsigned i) const;
    HRESULT needCount(unsigned minimum, unsigned maximum) const;

    HRESULT text(unsigned i, std::wstring& out) const;
    HRESULT int16(unsigned i, short& out) const;
    HRESULT int32(unsigned i, long& out) const;
    HRESULT boolean(unsigned i, bool& out) const;

    // The value of a property put (the DISPID_PROPERTYPUT argument).
    HRESULT putInt16(short& out) const;
    HRESULT putInt32(long& out) const;
    HRESULT putBoolean(bool& out) const;

    // A failure the way the control reports one: DISP_E_EXCEPTION with the
    // code in EXCEPINFO, or the code itself when the caller gave no EXCEPINFO.
    HRESULT raise(HRESULT code, const std::wstring& description) const;

private:
    const VARIANT* positional(unsigned i) const;
    const VARIANT* putValue() const;
    HRESULT coerce(const VARIANT* value, VARTYPE type, VARIANT& out, UINT slot) const;

    DISPPARAMS* params_;
    EXCEPINFO* exception_;
    UINT* argError_;
    bool isPut_;
    unsigned positional_ = 0;
};

} // namespace gesticon::standin
