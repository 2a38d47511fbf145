#pragma once
// A recording fake of the agent control: every call is written to a shared
// journal in the same line format as the stand-in control's journal, and any
// call can be made to fail by naming it. Like the stand-in control, it
// refuses to unload an identifier that is not loaded.

#include "agent_control.h"

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace gesticon::tests {

struct FakeAgentState {
    std::vector<std::string> journal;
    // Journal call name ("Characters.Load", "Character.Width?", ...) -> failure.
    std::map<std::string, Failure> failures;
    std::set<std::wstring> loaded;
    std::int16_t width = 128;
    std::int16_t height = 128;
    std::int32_t balloonStyle = 1 | 4 | 8;
    AgentControl::CommandHandler commandHandler;

    // Returns the failure configured for `call`, after journalling `line`.
    Status record(const std::string& call, const std::string& line);
};

std::string quoted(std::wstring_view text);

class FakeAgentCharacter : public AgentCharacter {
public:
    explicit FakeAgentCharacter(std::shared_ptr<FakeAgentState> state) : state_(std::move(state)) {}

    Status addCommand(std::wstring_view name, std::wstring_view caption) override;
    Status setLanguageId(std::int32_t languageId) override;
    Status show() override;
    Result<std::int16_t> width() override;
    Result<std::int16_t> height() override;
    Status setLeft(std::int16_t left) override;
    Status setTop(std::int16_t top) override;
    Status setSoundEffectsOn(std::int16_t on) override;
    Result<std::int32_t> balloonStyle() override;
    Status setBalloonStyle(std::int32_t style) override;
    Status speak(std::wstring_view text) override;
    Status think(std::wstring_view text) override;
    Status moveTo(std::int16_t x, std::int16_t y) override;
    Status play(std::wstring_view animation) override;
    Status stop() override;

private:
    std::shared_ptr<FakeAgentState> state_;
};

class FakeAgentControl : public AgentControl {
public:
    explicit FakeAgentControl(std::shared_ptr<FakeAgentState> state) : state_(std::move(state)) {}

    Status loadCharacter(std::wstring_view characterId, std::wstring_view loadKey) override;
    Result<std::unique_ptr<AgentCharacter>> character(std::wstring_view characterId) override;
    Status unloadCharacter(std::wstring_view characterId) override;
    Status showPropertySheet() override;
    Status subscribeCommand(CommandHandler handler) override;

private:
    std::shared_ptr<FakeAgentState> state_;
};

class FakeUserInput : public AgentUserInput {
public:
    explicit FakeUserInput(Result<std::wstring> name) : name_(std::move(name)) {}
    Result<std::wstring> name() override { return name_; }

private:
    Result<std::wstring> name_;
};

} // namespace gesticon::tests
