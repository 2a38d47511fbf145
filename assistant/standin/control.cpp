#include "control.h"
#include "class_factory.h"

#include <olectl.h>

#include "agent_ids.h"
#include "characters.h"
#include "small_objects.h"

#include <algorithm>

namespace gesticon::standin {

namespace {
// Not a member of the real control: the test hook that raises the Command event.
constexpr DISPID kDispidRaiseCommand = 0x4000;
// Every live control of the process. A test has no way to reach the control
// that its client created inside itself, so RaiseCommand on any control
// (for instance one the test creates for the purpose) reaches the sinks of all.
std::vector<Control*> liveControls;
} // namespace

Control::Control()
    : DispatchObject(L"Control",
                     {{L"Characters", agent::kDispidCharacters, Member::Get},
                      {L"PropertySheet", agent::kDispidPropertySheet, Member::Get},
                      {L"RaiseCommand", kDispidRaiseCommand, Member::Method}},
                     {agent::kIidAgentCtlEx, agent::kIidAgentCtl}),
      characters_(new Characters()), propertySheet_(new PropertySheet())
{
    liveControls.push_back(this);
}

Control::~Control()
{
    std::erase(liveControls, this);
    characters_->Release();
    propertySheet_->Release();
}

HRESULT Control::queryOther(REFIID iid, void** out)
{
    if (IsEqualIID(iid, IID_IConnectionPointContainer)) {
        *out = static_cast<IConnectionPointContainer*>(&container_);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

HRESULT Control::invokeMember(DISPID id, Access, const InvokeArgs& args, VARIANT* result)
{
    HRESULT hr = S_OK;
    if (id == kDispidRaiseCommand)
        return raiseCommand(args, result);
    if (FAILED(hr = args.needCount(0, 0)))
        return hr;
    bool sheet = id == agent::kDispidPropertySheet;
    if (FAILED(hr = recordGet(args, sheet ? L"PropertySheet" : L"Characters")))
        return hr;
    IDispatch* part = sheet ? static_cast<IDispatch*>(propertySheet_) : characters_;
    part->AddRef();
    returnDispatch(result, part);
    return S_OK;
}

HRESULT Control::raiseCommand(const InvokeArgs& args, VARIANT* result)
{
    HRESULT hr = args.needCount(1, 1);
    if (FAILED(hr))
        return hr;
    std::wstring name;
    if (FAILED(hr = args.text(0, name)))
        return hr;
    // A snapshot, because a sink may unadvise from inside its handler.
    std::vector<IDispatch*> sinks;
    for (Control* control : liveControls) {
        std::vector<IDispatch*> own = control->eventPoint_.sinksSnapshot();
        sinks.insert(sinks.end(), own.begin(), own.end());
    }
    UserInput* input = new UserInput(name);
    for (IDispatch* sink : sinks) {
        VARIANT argument;
        V_VT(&argument) = VT_DISPATCH;
        V_DISPATCH(&argument) = input;
        DISPPARAMS params{&argument, nullptr, 1, 0};
        // An event source does not act on what its sinks answer.
        sink->Invoke(agent::kDispidCommandEvent, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr,
                     nullptr, nullptr);
        sink->Release();
    }
    input->Release();
    // How many sinks were reached, so a test can tell "not advised" from
    // "advised but the handler did nothing".
    returnInt32(result, static_cast<long>(sinks.size()));
    return S_OK;
}

HRESULT Control::Container::QueryInterface(REFIID iid, void** out)
{
    return owner_.QueryInterface(iid, out);
}
ULONG Control::Container::AddRef()
{
    return owner_.AddRef();
}
ULONG Control::Container::Release()
{
    return owner_.Release();
}

HRESULT Control::Container::EnumConnectionPoints(IEnumConnectionPoints** out)
{
    if (out != nullptr)
        *out = nullptr;
    return E_NOTIMPL;
}

HRESULT Control::Container::FindConnectionPoint(REFIID iid, IConnectionPoint** out)
{
    if (out == nullptr)
        return E_POINTER;
    *out = nullptr;
    if (!IsEqualIID(iid, agent::kDiidAgentEvents))
        return CONNECT_E_NOCONNECTION;
    *out = &owner_.eventPoint_;
    owner_.AddRef();
    return S_OK;
}

Control::EventPoint::~EventPoint()
{
    for (auto& [cookie, sink] : sinks_)
        sink->Release();
}

HRESULT Control::EventPoint::QueryInterface(REFIID iid, void** out)
{
    if (out == nullptr)
        return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IConnectionPoint)) {
        *out = static_cast<IConnectionPoint*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}
ULONG Control::EventPoint::AddRef()
{
    return owner_.AddRef();
}
ULONG Control::EventPoint::Release()
{
    return owner_.Release();
}

HRESULT Control::EventPoint::GetConnectionInterface(IID* iid)
{
    if (iid == nullptr)
        return E_POINTER;
    *iid = agent::kDiidAgentEvents;
    return S_OK;
}

HRESULT Control::EventPoint::GetConnectionPointContainer(IConnectionPointContainer** out)
{
    if (out == nullptr)
        return E_POINTER;
    *out = &owner_.container_;
    owner_.AddRef();
    return S_OK;
}

HRESULT Control::EventPoint::Advise(IUnknown* sink, DWORD* cookie)
{
    if (cookie == nullptr)
        return E_POINTER;
    *cookie = 0;
    if (sink == nullptr)
        return E_POINTER;
    // The sink must answer for the events' own dispinterface, as with the control.
    IDispatch* events = nullptr;
    if (FAILED(sink->QueryInterface(agent::kDiidAgentEvents, reinterpret_cast<void**>(&events))) || events == nullptr)
        return CONNECT_E_CANNOTCONNECT;
    *cookie = nextCookie_++;
    sinks_.emplace_back(*cookie, events);
    return S_OK;
}

HRESULT Control::EventPoint::Unadvise(DWORD cookie)
{
    for (auto it = sinks_.begin(); it != sinks_.end(); ++it) {
        if (it->first != cookie)
            continue;
        IDispatch* sink = it->second;
        sinks_.erase(it);
        sink->Release();
        return S_OK;
    }
    return CONNECT_E_NOCONNECTION;
}

HRESULT Control::EventPoint::EnumConnections(IEnumConnections** out)
{
    if (out != nullptr)
        *out = nullptr;
    return E_NOTIMPL;
}

std::vector<IDispatch*> Control::EventPoint::sinksSnapshot() const
{
    std::vector<IDispatch*> copy;
    for (const auto& [cookie, sink] : sinks_) {
        sink->AddRef();
        copy.push_back(sink);
    }
    return copy;
}

HRESULT createControl(REFIID iid, void** out)
{
    return createObject<Control>(iid, out);
}

} // namespace gesticon::standin
