#include "small_objects.h"

#include "agent_ids.h"

namespace gesticon::standin {

namespace {
LONG lastRequestId = 0;
}

Request::Request()
    : DispatchObject(
          L"Request",
          {{L"ID", agent::kDispidRequestId, Member::Get}, {L"Status", agent::kDispidRequestStatus, Member::Get}},
          {agent::kIidAgentCtlRequest}),
      id_(InterlockedIncrement(&lastRequestId))
{}

HRESULT Request::invokeMember(DISPID id, Access, const InvokeArgs& args, VARIANT* result)
{
    if (HRESULT hr = args.needCount(0, 0); FAILED(hr))
        return hr;
    // Status 0: the request is complete; the stand-in does everything at once.
    returnInt32(result, id == agent::kDispidRequestId ? id_ : 0);
    return S_OK;
}

Command::Command(std::wstring caption)
    : DispatchObject(L"Command", {{L"Caption", agent::kDispidCaption, Member::Get}},
                     {agent::kIidAgentCtlCommand, agent::kIidAgentCtlCommandEx}),
      caption_(std::move(caption))
{}

HRESULT Command::invokeMember(DISPID, Access, const InvokeArgs& args, VARIANT* result)
{
    if (HRESULT hr = args.needCount(0, 0); FAILED(hr))
        return hr;
    returnText(result, caption_);
    return S_OK;
}

UserInput::UserInput(std::wstring name)
    : DispatchObject(L"UserInput", {{L"Name", agent::kDispidUserInputName, Member::Get}},
                     {agent::kIidAgentCtlUserInput}),
      name_(std::move(name))
{}

HRESULT UserInput::invokeMember(DISPID, Access, const InvokeArgs& args, VARIANT* result)
{
    if (HRESULT hr = args.needCount(0, 0); FAILED(hr))
        return hr;
    returnText(result, name_);
    return S_OK;
}

PropertySheet::PropertySheet()
    : DispatchObject(L"PropertySheet", {{L"Visible", agent::kDispidVisible, Member::Get | Member::Put}},
                     {agent::kIidAgentCtlPropertySheet})
{}

HRESULT PropertySheet::invokeMember(DISPID, Access access, const InvokeArgs& args, VARIANT* result)
{
    return property(L"Visible", visible_, access, args, result);
}

} // namespace gesticon::standin
