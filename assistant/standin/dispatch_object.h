#pragma once
// Base of every object of the stand-in: reference counting, QueryInterface over
// a fixed set of interface identifiers, and late binding by name from a member
// table (GetIDsOfNames is case-insensitive, as the platform's is). Each object
// journals its calls under its own object name and may be told to fail a member
// through AGENT_STANDIN_FAIL (see recordCall).
#include <windows.h>
#include <oaidl.h>

#include <initializer_list>
#include <string>
#include <type_traits>
#include <vector>

#include "invoke_args.h"
#include "journal.h"

namespace gesticon::standin {

enum class Access { Method, Get, Put };

struct Member {
    enum Kind : unsigned { Method = 1, Get = 2, Put = 4 };
    const wchar_t* name;
    DISPID id;
    unsigned kinds;
};

class DispatchObject : public IDispatch {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* exception, UINT* argError) override;

protected:
    DispatchObject(const wchar_t* objectName, std::vector<Member> members, std::initializer_list<IID> interfaces);
    virtual ~DispatchObject();

    virtual HRESULT invokeMember(DISPID id, Access access, const InvokeArgs& args, VARIANT* result) = 0;
    // For objects that expose more than their IDispatch (the control's
    // connection-point container).
    virtual HRESULT queryOther(REFIID, void** out)
    {
        *out = nullptr;
        return E_NOINTERFACE;
    }

    // S_OK while the object answers requests; a character refuses them after
    // its Unload.
    virtual HRESULT usable(const InvokeArgs&) const { return S_OK; }
    // A read/write property kept in `field` (16-bit, 32-bit or boolean): the
    // access is journaled, then refused when the object is not usable.
    template <typename T>
    HRESULT property(const wchar_t* name, T& field, Access access, const InvokeArgs& args, VARIANT* result);

    // Journal the call, then apply an injected failure if one is asked for.
    HRESULT recordCall(const InvokeArgs& args, const wchar_t* member, const std::vector<JournalValue>& values);
    HRESULT recordPut(const InvokeArgs& args, const wchar_t* member, const JournalValue& value);
    HRESULT recordGet(const InvokeArgs& args, const wchar_t* member);

    const wchar_t* objectName() const { return objectName_; }

private:
    HRESULT injectedFailure(const InvokeArgs& args, const wchar_t* member) const;

    LONG references_ = 1;
    const wchar_t* objectName_;
    std::vector<Member> members_;
    std::vector<IID> interfaces_;
};

// Helpers for results.
void returnDispatch(VARIANT* result, IDispatch* object); // takes over the reference
void returnInt16(VARIANT* result, short value);
void returnInt32(VARIANT* result, long value);
void returnBoolean(VARIANT* result, bool value);
void returnText(VARIANT* result, const std::wstring& value);

template <typename T>
HRESULT DispatchObject::property(const wchar_t* name, T& field, Access access, const InvokeArgs& args, VARIANT* result)
{
    HRESULT hr = args.needCount(0, 0);
    if (FAILED(hr))
        return hr;
    if (access == Access::Put) {
        T value{};
        if constexpr (std::is_same_v<T, short>)
            hr = args.putInt16(value);
        else if constexpr (std::is_same_v<T, long>)
            hr = args.putInt32(value);
        else
            hr = args.putBoolean(value);
        if (FAILED(hr))
            return hr;
        JournalValue journaled;
        if constexpr (std::is_same_v<T, bool>)
            journaled = value;
        else
            journaled = static_cast<long>(value);
        if (FAILED(hr = recordPut(args, name, journaled)) || FAILED(hr = usable(args)))
            return hr;
        field = value;
        return S_OK;
    }
    if (FAILED(hr = recordGet(args, name)) || FAILED(hr = usable(args)))
        return hr;
    if constexpr (std::is_same_v<T, short>)
        returnInt16(result, field);
    else if constexpr (std::is_same_v<T, long>)
        returnInt32(result, field);
    else
        returnBoolean(result, field);
    return S_OK;
}

} // namespace gesticon::standin
