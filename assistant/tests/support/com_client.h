#pragma once
// Late-bound calls from a test client, the way a script host makes them:
// GetIDsOfNames, then Invoke with the arguments in call order.
#include <windows.h>
#include <oaidl.h>

#include <string>
#include <vector>

namespace gesticon::tests {

// A VARIANT that frees what it holds.
class Var {
public:
    Var() { VariantInit(&v_); }
    // Takes over what `value` holds.
    explicit Var(const VARIANT& value) : v_(value) {}
    Var(const Var& other)
    {
        VariantInit(&v_);
        VariantCopy(&v_, const_cast<VARIANT*>(&other.v_));
    }
    Var& operator=(const Var& other)
    {
        if (this != &other) {
            VariantClear(&v_);
            VariantCopy(&v_, const_cast<VARIANT*>(&other.v_));
        }
        return *this;
    }
    ~Var() { VariantClear(&v_); }
    VARIANT* get() { return &v_; }
    const VARIANT& ref() const { return v_; }
    VARTYPE type() const { return V_VT(&v_); }

    static Var text(const std::wstring& value);
    static Var int16(short value);
    static Var int32(long value);
    static Var boolean(bool value);
    static Var refInt16(short* target);
    static Var refInt32(long* target);
    static Var refVariant(VARIANT* target);

private:
    VARIANT v_;
};

// What a failed call reported: the effective code (EXCEPINFO's scode for
// DISP_E_EXCEPTION) and the description and source from EXCEPINFO, or from
// the thread's error information when there was no exception.
struct CallResult {
    HRESULT invokeResult = S_OK;
    HRESULT code = S_OK;
    UINT argError = ~0u; // as Invoke left it
    std::wstring description;
    std::wstring source;
    Var value;
    bool ok() const { return SUCCEEDED(code); }
};

CallResult callMethod(IDispatch* object, const wchar_t* name, std::vector<Var> args = {});
CallResult getProperty(IDispatch* object, const wchar_t* name);
CallResult putProperty(IDispatch* object, const wchar_t* name, Var value);
// The same with a dispatch identifier and raw flags, for callers that want to
// pass something a script host would not.
CallResult invokeRaw(IDispatch* object, DISPID id, WORD flags, std::vector<Var> args, bool asPut);

// An argument passed by name: the parameter's identifier from GetIDsOfNames.
struct NamedArg {
    DISPID id;
    Var value;
};
// Invoke with positional arguments in call order and named ones in the
// order given. With `platform`, the call goes through the platform's own
// type-library dispatcher, ITypeInfo::Invoke of that vtable type information
// on the object's _asistente interface, instead of the object's Invoke.
CallResult invokeNamed(IDispatch* object, DISPID id, WORD flags, const std::vector<Var>& positional,
                       const std::vector<NamedArg>& named, ITypeInfo* platform = nullptr);

DISPID dispatchId(IDispatch* object, const wchar_t* name);

// Creates an object by programmatic identifier; returns the HRESULT.
HRESULT createByProgId(const wchar_t* progId, IDispatch** out);

// The text of a BSTR; take() also frees it.
std::wstring view(BSTR text);
std::wstring take(BSTR text);
// The description and source of the thread's error information, or "<none>".
struct ErrorInfo {
    std::wstring description;
    std::wstring source;
};
ErrorInfo threadErrorInfo();

// A function that `module` exports, as a pointer of type Function.
template <class Function>
Function exported(HMODULE module, const char* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}
using EntryPoint = HRESULT(STDAPICALLTYPE*)();

} // namespace gesticon::tests
