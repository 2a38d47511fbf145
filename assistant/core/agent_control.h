#pragma once
// What the assistant needs from the animated-agent control, and nothing more.
// The COM shell implements these over the real control, reached late-bound;
// the unit tests implement them with a recording fake. Every call may fail,
// and a failure of the control is passed to the assistant's caller unchanged.

#include "failure.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace gesticon {

class AgentCharacter {
public:
    virtual ~AgentCharacter() = default;

    virtual Status addCommand(std::wstring_view name, std::wstring_view caption) = 0;
    virtual Status setLanguageId(std::int32_t languageId) = 0;
    virtual Status show() = 0;
    virtual Result<std::int16_t> width() = 0;
    virtual Result<std::int16_t> height() = 0;
    virtual Status setLeft(std::int16_t left) = 0;
    virtual Status setTop(std::int16_t top) = 0;
    // A 16-bit boolean, passed as the caller gave it.
    virtual Status setSoundEffectsOn(std::int16_t on) = 0;
    virtual Result<std::int32_t> balloonStyle() = 0;
    virtual Status setBalloonStyle(std::int32_t style) = 0;
    virtual Status speak(std::wstring_view text) = 0;
    virtual Status think(std::wstring_view text) = 0;
    virtual Status moveTo(std::int16_t x, std::int16_t y) = 0;
    virtual Status play(std::wstring_view animation) = 0;
    virtual Status stop() = 0;
};

// The user-input object of the control's Command event.
class AgentUserInput {
public:
    virtual ~AgentUserInput() = default;
    virtual Result<std::wstring> name() = 0;
};

class AgentControl {
public:
    using CommandHandler = std::function<void(AgentUserInput&)>;

    virtual ~AgentControl() = default;

    virtual Status loadCharacter(std::wstring_view characterId, std::wstring_view loadKey) = 0;
    virtual Result<std::unique_ptr<AgentCharacter>> character(std::wstring_view characterId) = 0;
    virtual Status unloadCharacter(std::wstring_view characterId) = 0;
    virtual Status showPropertySheet() = 0;
    // The handler is called for every Command event until the control is destroyed.
    virtual Status subscribeCommand(CommandHandler handler) = 0;
};

} // namespace gesticon
