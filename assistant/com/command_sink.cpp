#include "command_sink.h"

#include "agent_ids.h"
#include "late_bound.h"

namespace gesticon::com {

namespace {

class UserInput final : public AgentUserInput {
public:
    explicit UserInput(IDispatch* input) : input_(input) {}
    Result<std::wstring> name() override { return input_.getString(L"Name"); }

private:
    LateBound input_;
};

} // namespace

HRESULT CommandSink::QueryInterface(REFIID riid, void** object)
{
    if (!object)
        return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == agent::kDiidAgentEvents) {
        *object = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG CommandSink::AddRef()
{
    return ++references_;
}

ULONG CommandSink::Release()
{
    const ULONG left = --references_;
    if (left == 0)
        delete this;
    return left;
}

HRESULT CommandSink::GetTypeInfoCount(UINT* count)
{
    if (!count)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT CommandSink::GetTypeInfo(UINT, LCID, ITypeInfo** info)
{
    if (info)
        *info = nullptr;
    return DISP_E_BADINDEX;
}

HRESULT CommandSink::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*)
{
    return DISP_E_UNKNOWNNAME;
}

HRESULT CommandSink::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*)
{
    if (id != agent::kDispidCommandEvent || !handler_)
        return S_OK;
    if (!params || params->cArgs != 1 || !params->rgvarg)
        return DISP_E_BADPARAMCOUNT;
    const VARIANT& arg = params->rgvarg[0];
    IDispatch* input = nullptr;
    if (V_VT(&arg) == VT_DISPATCH)
        input = V_DISPATCH(&arg);
    else if (V_VT(&arg) == (VT_DISPATCH | VT_BYREF) && V_DISPATCHREF(&arg))
        input = *V_DISPATCHREF(&arg);
    else if (V_VT(&arg) == (VT_VARIANT | VT_BYREF) && V_VARIANTREF(&arg) && V_VT(V_VARIANTREF(&arg)) == VT_DISPATCH)
        input = V_DISPATCH(V_VARIANTREF(&arg));
    if (!input)
        return DISP_E_TYPEMISMATCH;
    // The handler is copied: an event may end with the assistant gone.
    AddRef();
    auto handler = handler_;
    UserInput userInput(input);
    handler(userInput);
    Release();
    return S_OK;
}

} // namespace gesticon::com
