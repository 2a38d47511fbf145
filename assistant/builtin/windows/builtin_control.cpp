#include "builtin_control.h"

#include "builtin_failures.h"
#include "character_window.h"
#include "options_window.h"

#include <map>

namespace gesticon::builtin {

namespace {

Failure lastPlatformFailure(std::wstring_view what)
{
    const DWORD error = GetLastError();
    return platformFailure(error ? static_cast<std::int32_t>(HRESULT_FROM_WIN32(error)) : E_FAIL, what);
}

// A loaded character as the assistant holds it. After an Unload it answers
// every call with the control's "not loaded" failure.
class BuiltinCharacter final : public AgentCharacter {
public:
    BuiltinCharacter(std::weak_ptr<CharacterWindow> window, std::wstring id)
        : window_(std::move(window)), id_(std::move(id))
    {}

    Status addCommand(std::wstring_view name, std::wstring_view caption) override
    {
        return with([&](CharacterWindow& w) { w.addCommand(std::wstring(name), std::wstring(caption)); });
    }
    Status setLanguageId(std::int32_t languageId) override
    {
        return with([&](CharacterWindow& w) { w.setLanguageId(languageId); });
    }
    Status show() override
    {
        return request([](Stage& stage) { stage.show(); });
    }
    Result<std::int16_t> width() override { return size(); }
    Result<std::int16_t> height() override { return size(); }
    Status setLeft(std::int16_t left) override
    {
        return with([&](CharacterWindow& w) { w.place(left, std::nullopt); });
    }
    Status setTop(std::int16_t top) override
    {
        return with([&](CharacterWindow& w) { w.place(std::nullopt, top); });
    }
    Status setSoundEffectsOn(std::int16_t on) override
    {
        return with([&](CharacterWindow& w) { w.setSoundEffectsOn(on != 0); });
    }
    Result<std::int32_t> balloonStyle() override
    {
        auto window = window_.lock();
        if (!window)
            return notLoaded(id_);
        return window->stage().balloonStyle();
    }
    Status setBalloonStyle(std::int32_t style) override
    {
        return with([&](CharacterWindow& w) { w.stage().setBalloonStyle(style); });
    }
    Status speak(std::wstring_view text) override
    {
        return request([&](Stage& stage) { stage.speak(std::wstring(text)); });
    }
    Status think(std::wstring_view text) override
    {
        return request([&](Stage& stage) { stage.think(std::wstring(text)); });
    }
    Status moveTo(std::int16_t x, std::int16_t y) override
    {
        return request([&](Stage& stage) { stage.moveTo({x, y}); });
    }
    Status play(std::wstring_view name) override
    {
        const Animation* animation = findAnimation(name);
        if (!animation)
            return window_.expired() ? notLoaded(id_) : unknownAnimation(name);
        return request([&](Stage& stage) { stage.play(*animation); });
    }
    Status stop() override
    {
        return request([](Stage& stage) { stage.stop(); });
    }

private:
    template <class Change>
    Status with(Change change)
    {
        auto window = window_.lock();
        if (!window)
            return notLoaded(id_);
        change(*window);
        return {};
    }
    // A request to the stage, then the windows brought up to date.
    template <class Ask>
    Status request(Ask ask)
    {
        return with([&](CharacterWindow& w) {
            ask(w.stage());
            w.refresh();
        });
    }
    Result<std::int16_t> size()
    {
        if (window_.expired())
            return notLoaded(id_);
        return static_cast<std::int16_t>(kFrameSize);
    }

    std::weak_ptr<CharacterWindow> window_;
    std::wstring id_;
};

class NamedInput final : public AgentUserInput {
public:
    explicit NamedInput(std::wstring name) : name_(std::move(name)) {}
    Result<std::wstring> name() override { return name_; }

private:
    std::wstring name_;
};

class BuiltinControl final : public AgentControl {
public:
    Status loadCharacter(std::wstring_view characterId, std::wstring_view loadKey) override
    {
        const std::wstring id(characterId);
        if (characters_.count(id))
            return alreadyLoaded(characterId);
        const auto which = characterForLoadKey(loadKey);
        if (!which)
            return unknownCharacter(loadKey);
        auto window = CharacterWindow::create(*which, [this](const std::wstring& name) { raiseCommand(name); });
        if (!window)
            return lastPlatformFailure(L"crear la ventana del personaje");
        characters_.emplace(id, std::move(window));
        return {};
    }

    Result<std::unique_ptr<AgentCharacter>> character(std::wstring_view characterId) override
    {
        const std::wstring id(characterId);
        auto found = characters_.find(id);
        if (found == characters_.end())
            return notLoaded(characterId);
        return std::unique_ptr<AgentCharacter>(std::make_unique<BuiltinCharacter>(found->second, id));
    }

    Status unloadCharacter(std::wstring_view characterId) override
    {
        // The character's windows go, and its voice falls silent, with it.
        if (characters_.erase(std::wstring(characterId)) == 0)
            return notLoaded(characterId);
        return {};
    }

    Status showPropertySheet() override
    {
        if (!options_.open())
            return lastPlatformFailure(L"abrir las opciones del asistente");
        return {};
    }

    Status subscribeCommand(CommandHandler handler) override
    {
        handler_ = std::move(handler);
        return {};
    }

private:
    void raiseCommand(const std::wstring& name)
    {
        if (!handler_)
            return;
        NamedInput input(name);
        handler_(input);
    }

    OptionsWindow options_;
    std::map<std::wstring, std::shared_ptr<CharacterWindow>> characters_;
    CommandHandler handler_;
};

} // namespace

Result<std::unique_ptr<AgentControl>> createBuiltinControl()
{
    return std::unique_ptr<AgentControl>(std::make_unique<BuiltinControl>());
}

void unregisterWindowClasses()
{
    CharacterWindow::unregisterClasses();
    OptionsWindow::unregisterClass();
}

} // namespace gesticon::builtin
