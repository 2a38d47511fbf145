#pragma once
// The control object itself: its characters, its property sheet, the
// _AgentEvents connection point, and the RaiseCommand test hook, which stands
// for the user choosing a command from the character's pop-up menu. The hook
// fires the Command event to the sinks of every control alive in the process
// and returns how many it reached.
#include <ocidl.h>

#include <utility>
#include <vector>

#include "dispatch_object.h"

namespace gesticon::standin {

class Characters;
class PropertySheet;

class Control final : public DispatchObject {
public:
    Control();

private:
    ~Control() override;
    HRESULT invokeMember(DISPID id, Access access, const InvokeArgs& args, VARIANT* result) override;
    HRESULT queryOther(REFIID iid, void** out) override;
    HRESULT raiseCommand(const InvokeArgs& args, VARIANT* result);

    // Both live inside the control and share its reference count, so a client
    // holding only the connection point keeps the control alive.
    class Container final : public IConnectionPointContainer {
    public:
        explicit Container(Control& owner) : owner_(owner) {}
        HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
        ULONG STDMETHODCALLTYPE AddRef() override;
        ULONG STDMETHODCALLTYPE Release() override;
        HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** out) override;
        HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** out) override;

    private:
        Control& owner_;
    };

    class EventPoint final : public IConnectionPoint {
    public:
        explicit EventPoint(Control& owner) : owner_(owner) {}
        ~EventPoint();
        HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
        ULONG STDMETHODCALLTYPE AddRef() override;
        ULONG STDMETHODCALLTYPE Release() override;
        HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) override;
        HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer** out) override;
        HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override;
        HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override;
        HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** out) override;

        std::vector<IDispatch*> sinksSnapshot() const; // each AddRef'd

    private:
        Control& owner_;
        std::vector<std::pair<DWORD, IDispatch*>> sinks_;
        DWORD nextCookie_ = 1;
    };

    Container container_{*this};
    EventPoint eventPoint_{*this};
    Characters* characters_;
    PropertySheet* propertySheet_;
};

// Creates a control for the class factory.
HRESULT createControl(REFIID iid, void** out);

} // namespace gesticon::standin
