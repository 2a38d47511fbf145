#include "dispatch_object.h"

#include "module_count.h"

namespace gesticon::standin {

DispatchObject::DispatchObject(const wchar_t* objectName, std::vector<Member> members,
                               std::initializer_list<IID> interfaces)
    : objectName_(objectName), members_(std::move(members)), interfaces_(interfaces)
{
    objectCreated();
}

DispatchObject::~DispatchObject()
{
    objectDestroyed();
}

HRESULT DispatchObject::QueryInterface(REFIID iid, void** out)
{
    if (out == nullptr)
        return E_POINTER;
    bool known = IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch);
    for (const IID& own : interfaces_)
        known = known || IsEqualIID(iid, own);
    if (!known)
        return queryOther(iid, out);
    // The control's interfaces are dual; their clients here use only the
    // IDispatch part, so one implementation answers for all of them.
    *out = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
}

ULONG DispatchObject::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&references_));
}

ULONG DispatchObject::Release()
{
    LONG left = InterlockedDecrement(&references_);
    if (left == 0)
        delete this;
    return static_cast<ULONG>(left);
}

HRESULT DispatchObject::GetTypeInfoCount(UINT* count)
{
    if (count == nullptr)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT DispatchObject::GetTypeInfo(UINT, LCID, ITypeInfo** info)
{
    if (info != nullptr)
        *info = nullptr;
    return DISP_E_BADINDEX;
}

HRESULT DispatchObject::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID, DISPID* ids)
{
    if (!IsEqualIID(iid, IID_NULL))
        return DISP_E_UNKNOWNINTERFACE;
    if (count == 0)
        return S_OK;
    if (names == nullptr || ids == nullptr)
        return E_POINTER;
    HRESULT hr = S_OK;
    for (UINT i = 0; i < count; ++i)
        ids[i] = DISPID_UNKNOWN;
    for (const Member& member : members_) {
        if (names[0] != nullptr && lstrcmpiW(names[0], member.name) == 0)
            ids[0] = member.id;
    }
    if (ids[0] == DISPID_UNKNOWN)
        hr = DISP_E_UNKNOWNNAME;
    // Named parameters are not used by the control's clients here.
    if (count > 1)
        hr = DISP_E_UNKNOWNNAME;
    return hr;
}

HRESULT DispatchObject::Invoke(DISPID id, REFIID iid, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                               EXCEPINFO* exception, UINT* argError)
{
    if (!IsEqualIID(iid, IID_NULL))
        return DISP_E_UNKNOWNINTERFACE;
    const Member* found = nullptr;
    for (const Member& member : members_)
        if (member.id == id)
            found = &member;
    if (found == nullptr)
        return DISP_E_MEMBERNOTFOUND;

    Access access;
    if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
        if (!(found->kinds & Member::Put))
            return DISP_E_MEMBERNOTFOUND;
        access = Access::Put;
    } else if ((flags & DISPATCH_METHOD) && (found->kinds & Member::Method)) {
        access = Access::Method;
    } else if ((flags & DISPATCH_PROPERTYGET) && (found->kinds & Member::Get)) {
        access = Access::Get;
    } else {
        return DISP_E_MEMBERNOTFOUND;
    }

    InvokeArgs args(params, exception, argError, access == Access::Put);
    if (HRESULT shape = args.checkShape(); FAILED(shape))
        return shape;
    if (result != nullptr)
        VariantInit(result);
    return invokeMember(id, access, args, result);
}

HRESULT DispatchObject::injectedFailure(const InvokeArgs& args, const wchar_t* member) const
{
    // AGENT_STANDIN_FAIL lists members to fail, comma-separated, e.g.
    // "Character.Stop,Characters.Unload:hresult". Plain entries fail as
    // DISP_E_EXCEPTION, ":hresult" entries return the code from Invoke itself.
    wchar_t list[1024];
    DWORD length = GetEnvironmentVariableW(L"AGENT_STANDIN_FAIL", list, 1024);
    if (length == 0 || length >= 1024)
        return S_OK;
    std::wstring wanted = std::wstring(objectName_) + L"." + member;
    std::wstring all(list, length);
    size_t start = 0;
    while (start <= all.size()) {
        size_t end = all.find(L',', start);
        if (end == std::wstring::npos)
            end = all.size();
        std::wstring entry = all.substr(start, end - start);
        bool plain = entry == wanted;
        bool asHresult = entry == wanted + L":hresult";
        if (plain || asHresult) {
            constexpr HRESULT kInjected = HRESULT(0x80070001);
            if (asHresult)
                return kInjected;
            return args.raise(kInjected, L"Injected failure of " + wanted);
        }
        start = end + 1;
    }
    return S_OK;
}

HRESULT DispatchObject::recordCall(const InvokeArgs& args, const wchar_t* member,
                                   const std::vector<JournalValue>& values)
{
    journalMethod(objectName_, member, values);
    return injectedFailure(args, member);
}

HRESULT DispatchObject::recordPut(const InvokeArgs& args, const wchar_t* member, const JournalValue& value)
{
    journalPut(objectName_, member, value);
    return injectedFailure(args, member);
}

HRESULT DispatchObject::recordGet(const InvokeArgs& args, const wchar_t* member)
{
    journalGet(objectName_, member);
    return injectedFailure(args, member);
}

void returnDispatch(VARIANT* result, IDispatch* object)
{
    if (result == nullptr) {
        object->Release();
        return;
    }
    V_VT(result) = VT_DISPATCH;
    V_DISPATCH(result) = object;
}

void returnInt16(VARIANT* result, short value)
{
    if (result == nullptr)
        return;
    V_VT(result) = VT_I2;
    V_I2(result) = value;
}

void returnInt32(VARIANT* result, long value)
{
    if (result == nullptr)
        return;
    V_VT(result) = VT_I4;
    V_I4(result) = value;
}

void returnBoolean(VARIANT* result, bool value)
{
    if (result == nullptr)
        return;
    V_VT(result) = VT_BOOL;
    V_BOOL(result) = value ? VARIANT_TRUE : VARIANT_FALSE;
}

void returnText(VARIANT* result, const std::wstring& value)
{
    if (result == nullptr)
        return;
    V_VT(result) = VT_BSTR;
    V_BSTR(result) = SysAllocStringLen(value.data(), static_cast<UINT>(value.size()));
}

} // namespace gesticon::standin
