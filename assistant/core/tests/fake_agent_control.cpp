#include "fake_agent_control.h"

namespace gesticon::tests {

namespace {

// The fake's characters and texts are ASCII except in the tests that say so;
// other code points are written as \u{...} so a mismatch stays readable.
std::string narrow(std::wstring_view text)
{
    std::string out;
    for (wchar_t c : text) {
        if (c >= 0x20 && c < 0x7f)
            out += static_cast<char>(c);
        else
            out += "\\u{" + std::to_string(static_cast<unsigned long>(c)) + "}";
    }
    return out;
}

Failure notLoaded(std::wstring_view id)
{
    return Failure{static_cast<std::int32_t>(0x80040204), L"not loaded: " + std::wstring(id), L"FakeAgent"};
}

} // namespace

std::string quoted(std::wstring_view text)
{
    std::string out = "\"";
    for (char c : narrow(text)) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + "\"";
}

Status FakeAgentState::record(const std::string& call, const std::string& line)
{
    journal.push_back(line);
    if (auto found = failures.find(call); found != failures.end())
        return found->second;
    return {};
}

Status FakeAgentCharacter::addCommand(std::wstring_view name, std::wstring_view caption)
{
    return state_->record("Commands.Add", "Commands.Add(" + quoted(name) + "," + quoted(caption) + ")");
}

Status FakeAgentCharacter::setLanguageId(std::int32_t languageId)
{
    return state_->record("Character.LanguageID", "Character.LanguageID=" + std::to_string(languageId));
}

Status FakeAgentCharacter::show()
{
    return state_->record("Character.Show", "Character.Show()");
}

Result<std::int16_t> FakeAgentCharacter::width()
{
    if (auto s = state_->record("Character.Width", "Character.Width?"); !s)
        return s.failure();
    return state_->width;
}

Result<std::int16_t> FakeAgentCharacter::height()
{
    if (auto s = state_->record("Character.Height", "Character.Height?"); !s)
        return s.failure();
    return state_->height;
}

Status FakeAgentCharacter::setLeft(std::int16_t left)
{
    return state_->record("Character.Left", "Character.Left=" + std::to_string(left));
}

Status FakeAgentCharacter::setTop(std::int16_t top)
{
    return state_->record("Character.Top", "Character.Top=" + std::to_string(top));
}

Status FakeAgentCharacter::setSoundEffectsOn(std::int16_t on)
{
    return state_->record("Character.SoundEffectsOn", "Character.SoundEffectsOn=" + std::to_string(on));
}

Result<std::int32_t> FakeAgentCharacter::balloonStyle()
{
    if (auto s = state_->record("Balloon.Style?", "Balloon.Style?"); !s)
        return s.failure();
    return state_->balloonStyle;
}

Status FakeAgentCharacter::setBalloonStyle(std::int32_t style)
{
    auto s = state_->record("Balloon.Style=", "Balloon.Style=" + std::to_string(style));
    if (s)
        state_->balloonStyle = style;
    return s;
}

Status FakeAgentCharacter::speak(std::wstring_view text)
{
    return state_->record("Character.Speak", "Character.Speak(" + quoted(text) + ")");
}

Status FakeAgentCharacter::think(std::wstring_view text)
{
    return state_->record("Character.Think", "Character.Think(" + quoted(text) + ")");
}

Status FakeAgentCharacter::moveTo(std::int16_t x, std::int16_t y)
{
    return state_->record("Character.MoveTo", "Character.MoveTo(" + std::to_string(x) + "," + std::to_string(y) + ")");
}

Status FakeAgentCharacter::play(std::wstring_view animation)
{
    return state_->record("Character.Play", "Character.Play(" + quoted(animation) + ")");
}

Status FakeAgentCharacter::stop()
{
    return state_->record("Character.Stop", "Character.Stop()");
}

Status FakeAgentControl::loadCharacter(std::wstring_view characterId, std::wstring_view loadKey)
{
    auto s = state_->record("Characters.Load", "Characters.Load(" + quoted(characterId) + "," + quoted(loadKey) + ")");
    if (s)
        state_->loaded.emplace(characterId);
    return s;
}

Result<std::unique_ptr<AgentCharacter>> FakeAgentControl::character(std::wstring_view characterId)
{
    if (auto s = state_->record("Characters.Item", "Characters.Item(" + quoted(characterId) + ")"); !s)
        return s.failure();
    if (!state_->loaded.contains(std::wstring(characterId)))
        return notLoaded(characterId);
    return std::unique_ptr<AgentCharacter>(std::make_unique<FakeAgentCharacter>(state_));
}

Status FakeAgentControl::unloadCharacter(std::wstring_view characterId)
{
    auto s = state_->record("Characters.Unload", "Characters.Unload(" + quoted(characterId) + ")");
    if (!s)
        return s;
    if (state_->loaded.erase(std::wstring(characterId)) == 0)
        return notLoaded(characterId);
    return s;
}

Status FakeAgentControl::showPropertySheet()
{
    return state_->record("PropertySheet.Visible", "PropertySheet.Visible=true");
}

Status FakeAgentControl::subscribeCommand(CommandHandler handler)
{
    state_->commandHandler = std::move(handler);
    return state_->record("Control.Advise", "Control.Advise()");
}

} // namespace gesticon::tests
