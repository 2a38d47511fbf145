#include "dispatch_agent_control.h"

#include "agent_ids.h"
#include "command_sink.h"
#include "failure_conversion.h"
#include "late_bound.h"

#include <windows.h>
#include <ocidl.h>
#include <wrl/client.h>

namespace gesticon::com {

using Microsoft::WRL::ComPtr;

namespace {

class DispatchAgentCharacter final : public AgentCharacter {
public:
    explicit DispatchAgentCharacter(LateBound character) : character_(std::move(character)) {}

    Status addCommand(std::wstring_view name, std::wstring_view caption) override
    {
        auto commands = character_.getObject(L"Commands");
        if (!commands)
            return commands.failure();
        return commands->call(L"Add", {bstrArg(name), bstrArg(caption)}).status();
    }
    Status setLanguageId(std::int32_t languageId) override
    {
        return character_.put(L"LanguageID", variantOf<VT_I4>(languageId));
    }
    Status show() override { return character_.call(L"Show", {}).status(); }
    Result<std::int16_t> width() override { return character_.getShort(L"Width"); }
    Result<std::int16_t> height() override { return character_.getShort(L"Height"); }
    Status setLeft(std::int16_t left) override { return character_.put(L"Left", variantOf<VT_I2>(left)); }
    Status setTop(std::int16_t top) override { return character_.put(L"Top", variantOf<VT_I2>(top)); }
    Status setSoundEffectsOn(std::int16_t on) override
    {
        return character_.put(L"SoundEffectsOn", variantOf<VT_BOOL>(on));
    }
    Result<std::int32_t> balloonStyle() override
    {
        auto balloon = character_.getObject(L"Balloon");
        if (!balloon)
            return balloon.failure();
        return balloon->getLong(L"Style");
    }
    Status setBalloonStyle(std::int32_t style) override
    {
        auto balloon = character_.getObject(L"Balloon");
        if (!balloon)
            return balloon.failure();
        return balloon->put(L"Style", variantOf<VT_I4>(style));
    }
    Status speak(std::wstring_view text) override { return character_.call(L"Speak", {bstrArg(text)}).status(); }
    Status think(std::wstring_view text) override { return character_.call(L"Think", {bstrArg(text)}).status(); }
    Status moveTo(std::int16_t x, std::int16_t y) override
    {
        return character_.call(L"MoveTo", {variantOf<VT_I2>(x), variantOf<VT_I2>(y)}).status();
    }
    Status play(std::wstring_view animation) override
    {
        return character_.call(L"Play", {bstrArg(animation)}).status();
    }
    Status stop() override { return character_.call(L"Stop", {}).status(); }

private:
    LateBound character_;
};

class DispatchAgentControl final : public AgentControl {
public:
    explicit DispatchAgentControl(ComPtr<IDispatch> control) : control_(std::move(control)) {}

    ~DispatchAgentControl() override
    {
        if (sink_) {
            if (point_)
                point_->Unadvise(cookie_);
            sink_->detach();
            sink_->Release();
        }
    }

    Status loadCharacter(std::wstring_view characterId, std::wstring_view loadKey) override
    {
        auto characters = control_.getObject(L"Characters");
        if (!characters)
            return characters.failure();
        return characters->call(L"Load", {bstrArg(characterId), bstrArg(loadKey)}).status();
    }

    Result<std::unique_ptr<AgentCharacter>> character(std::wstring_view characterId) override
    {
        auto characters = control_.getObject(L"Characters");
        if (!characters)
            return characters.failure();
        auto item = characters->item(L"Item", bstrArg(characterId));
        if (!item)
            return item.failure();
        auto character = asObject(**item);
        if (!character)
            return character.failure();
        return std::unique_ptr<AgentCharacter>(std::make_unique<DispatchAgentCharacter>(std::move(*character)));
    }

    Status unloadCharacter(std::wstring_view characterId) override
    {
        auto characters = control_.getObject(L"Characters");
        if (!characters)
            return characters.failure();
        return characters->call(L"Unload", {bstrArg(characterId)}).status();
    }

    Status showPropertySheet() override
    {
        auto sheet = control_.getObject(L"PropertySheet");
        if (!sheet)
            return sheet.failure();
        return sheet->put(L"Visible", variantOf<VT_BOOL>(VARIANT_TRUE));
    }

    Status subscribeCommand(CommandHandler handler) override
    {
        ComPtr<IConnectionPointContainer> container;
        HRESULT hr = control_.object()->QueryInterface(IID_IConnectionPointContainer, &container);
        if (SUCCEEDED(hr))
            hr = container->FindConnectionPoint(agent::kDiidAgentEvents, &point_);
        if (FAILED(hr))
            return failureFromHresult(hr);
        auto* sink = new CommandSink(std::move(handler));
        if (hr = point_->Advise(sink, &cookie_); FAILED(hr)) {
            sink->Release();
            point_.Reset();
            return failureFromHresult(hr);
        }
        sink_ = sink;
        return {};
    }

private:
    LateBound control_;
    ComPtr<IConnectionPoint> point_;
    CommandSink* sink_ = nullptr;
    DWORD cookie_ = 0;
};

} // namespace

Result<std::unique_ptr<AgentControl>> createDispatchAgentControl()
{
    SetErrorInfo(0, nullptr);
    // The extended control interface is dual: its first seven slots are IDispatch's.
    ComPtr<IDispatch> control;
    const HRESULT hr =
        CoCreateInstance(agent::kClsidAgent, nullptr, CLSCTX_INPROC_SERVER, agent::kIidAgentCtlEx, &control);
    if (FAILED(hr))
        return failureFromHresult(hr);
    if (!control)
        return failureFromHresult(E_NOINTERFACE);
    return std::unique_ptr<AgentControl>(std::make_unique<DispatchAgentControl>(std::move(control)));
}

} // namespace gesticon::com
