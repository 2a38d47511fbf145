#pragma once
// The object that receives the agent control's events through its connection
// point. Only Command is handled; it reaches the assistant through a handler
// that the owner clears before letting go of the control.

#include "agent_control.h"

#include <windows.h>
#include <oaidl.h>

#include <atomic>

namespace gesticon::com {

class CommandSink final : public IDispatch {
public:
    explicit CommandSink(AgentControl::CommandHandler handler) : handler_(std::move(handler)) {}

    void detach() { handler_ = nullptr; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                                     UINT*) override;

private:
    ~CommandSink() = default;

    std::atomic<ULONG> references_{1};
    AgentControl::CommandHandler handler_;
};

} // namespace gesticon::com
