#include "character.h"

#include <cwchar>

#include "agent_ids.h"
#include "small_objects.h"

namespace gesticon::standin {

namespace {

constexpr short kCharacterSize = 128;
constexpr long kDefaultBalloonStyle = 1 | 4 | 8;
constexpr HRESULT kNotLoaded = HRESULT(0x80070490);     // HRESULT_FROM_WIN32(ERROR_NOT_FOUND)
constexpr HRESULT kAlreadyExists = HRESULT(0x800700B7); // HRESULT_FROM_WIN32(ERROR_ALREADY_EXISTS)

long initialBalloonStyle()
{
    wchar_t text[32];
    DWORD length = GetEnvironmentVariableW(L"AGENT_STANDIN_BALLOON_STYLE", text, 32);
    if (length == 0 || length >= 32)
        return kDefaultBalloonStyle;
    wchar_t* end = nullptr;
    long value = std::wcstol(text, &end, 10);
    return end != text ? value : kDefaultBalloonStyle;
}

} // namespace

Balloon::Balloon(long style)
    : DispatchObject(L"Balloon", {{L"Style", agent::kDispidStyle, Member::Get | Member::Put}},
                     {agent::kIidAgentCtlBalloon, agent::kIidAgentCtlBalloonEx}),
      style_(style)
{}

HRESULT Balloon::invokeMember(DISPID, Access access, const InvokeArgs& args, VARIANT* result)
{
    return property(L"Style", style_, access, args, result);
}

Commands::Commands()
    : DispatchObject(L"Commands", {{L"Add", agent::kDispidAdd, Member::Method}},
                     {agent::kIidAgentCtlCommands, agent::kIidAgentCtlCommandsEx})
{}

HRESULT Commands::invokeMember(DISPID, Access, const InvokeArgs& args, VARIANT* result)
{
    // Add(Name, [Caption], [Voice], [Enabled], [Visible])
    if (HRESULT hr = args.needCount(1, 5); FAILED(hr))
        return hr;
    std::wstring name, caption, voice;
    if (HRESULT hr = args.text(0, name); FAILED(hr))
        return hr;
    std::vector<JournalValue> values{name};
    if (args.has(1)) {
        if (HRESULT hr = args.text(1, caption); FAILED(hr))
            return hr;
        values.push_back(caption);
    }
    if (args.has(2)) {
        if (HRESULT hr = args.text(2, voice); FAILED(hr))
            return hr;
        values.push_back(voice);
    }
    for (unsigned i = 3; i < 5; ++i) {
        if (!args.has(i))
            continue;
        bool flag = false;
        if (HRESULT hr = args.boolean(i, flag); FAILED(hr))
            return hr;
        values.push_back(flag);
    }
    if (HRESULT hr = recordCall(args, L"Add", values); FAILED(hr))
        return hr;
    for (const std::wstring& existing : names_)
        if (existing == name)
            return args.raise(kAlreadyExists, L"A command named \"" + name + L"\" already exists");
    names_.push_back(name);
    returnDispatch(result, new Command(caption));
    return S_OK;
}

Character::Character(std::wstring characterId)
    : DispatchObject(L"Character",
                     {{L"Balloon", agent::kDispidBalloon, Member::Get},
                      {L"Commands", agent::kDispidCommands, Member::Get},
                      {L"Left", agent::kDispidLeft, Member::Get | Member::Put},
                      {L"Top", agent::kDispidTop, Member::Get | Member::Put},
                      {L"Height", agent::kDispidHeight, Member::Get},
                      {L"Width", agent::kDispidWidth, Member::Get},
                      {L"Play", agent::kDispidPlay, Member::Method},
                      {L"Stop", agent::kDispidStop, Member::Method},
                      {L"Speak", agent::kDispidSpeak, Member::Method},
                      {L"MoveTo", agent::kDispidMoveTo, Member::Method},
                      {L"Show", agent::kDispidShow, Member::Method},
                      {L"SoundEffectsOn", agent::kDispidSoundEffectsOn, Member::Get | Member::Put},
                      {L"LanguageID", agent::kDispidLanguageId, Member::Get | Member::Put},
                      {L"Think", agent::kDispidThink, Member::Method}},
                     {agent::kIidAgentCtlCharacter, agent::kIidAgentCtlCharacterEx}),
      characterId_(std::move(characterId)), balloon_(new Balloon(initialBalloonStyle())), commands_(new Commands())
{}

Character::~Character()
{
    balloon_->Release();
    commands_->Release();
}

HRESULT Character::request(VARIANT* result)
{
    returnDispatch(result, new Request());
    return S_OK;
}

HRESULT Character::usable(const InvokeArgs& args) const
{
    if (loaded_)
        return S_OK;
    return args.raise(kNotLoaded, L"The character \"" + characterId_ + L"\" is not loaded");
}

HRESULT Character::invokeMember(DISPID id, Access access, const InvokeArgs& args, VARIANT* result)
{
    HRESULT hr = S_OK;
    // Journal first, whatever happens next, so a test sees what was asked.
    switch (id) {
    case agent::kDispidBalloon:
    case agent::kDispidCommands: {
        if (FAILED(hr = args.needCount(0, 0)))
            return hr;
        bool balloon = id == agent::kDispidBalloon;
        if (FAILED(hr = recordGet(args, balloon ? L"Balloon" : L"Commands")))
            return hr;
        if (FAILED(hr = usable(args)))
            return hr;
        IDispatch* part = balloon ? static_cast<IDispatch*>(balloon_) : commands_;
        part->AddRef();
        returnDispatch(result, part);
        return S_OK;
    }
    case agent::kDispidLeft: return property(L"Left", left_, access, args, result);
    case agent::kDispidTop: return property(L"Top", top_, access, args, result);
    case agent::kDispidHeight:
    case agent::kDispidWidth:
        if (FAILED(hr = args.needCount(0, 0)))
            return hr;
        if (FAILED(hr = recordGet(args, id == agent::kDispidWidth ? L"Width" : L"Height")))
            return hr;
        if (FAILED(hr = usable(args)))
            return hr;
        returnInt16(result, kCharacterSize);
        return S_OK;
    case agent::kDispidSoundEffectsOn: return property(L"SoundEffectsOn", soundEffects_, access, args, result);
    case agent::kDispidLanguageId: return property(L"LanguageID", languageId_, access, args, result);
    case agent::kDispidPlay:
    case agent::kDispidThink: {
        if (FAILED(hr = args.needCount(1, 1)))
            return hr;
        std::wstring text;
        if (FAILED(hr = args.text(0, text)))
            return hr;
        if (FAILED(hr = recordCall(args, id == agent::kDispidPlay ? L"Play" : L"Think", {text})))
            return hr;
        if (FAILED(hr = usable(args)))
            return hr;
        return request(result);
    }
    case agent::kDispidSpeak: {
        // Speak([Text], [Url])
        if (FAILED(hr = args.needCount(0, 2)))
            return hr;
        std::vector<JournalValue> values;
        for (unsigned i = 0; i < 2; ++i) {
            if (!args.has(i))
                continue;
            std::wstring text;
            if (FAILED(hr = args.text(i, text)))
                return hr;
            values.push_back(text);
        }
        if (FAILED(hr = recordCall(args, L"Speak", values)))
            return hr;
        if (FAILED(hr = usable(args)))
            return hr;
        return request(result);
    }
    case agent::kDispidMoveTo: {
        // MoveTo(x, y, [Speed])
        if (FAILED(hr = args.needCount(2, 3)))
            return hr;
        short x = 0, y = 0;
        if (FAILED(hr = args.int16(0, x)) || FAILED(hr = args.int16(1, y)))
            return hr;
        std::vector<JournalValue> values{static_cast<long>(x), static_cast<long>(y)};
        if (args.has(2)) {
            long speed = 0;
            if (FAILED(hr = args.int32(2, speed)))
                return hr;
            values.push_back(speed);
        }
        if (FAILED(hr = recordCall(args, L"MoveTo", values)))
            return hr;
        if (FAILED(hr = usable(args)))
            return hr;
        return request(result);
    }
    case agent::kDispidShow:
    case agent::kDispidStop: {
        // Show([Fast]) and Stop([Request]); a passed argument is journaled as
        // given so a test sees that it was passed.
        if (FAILED(hr = args.needCount(0, 1)))
            return hr;
        std::vector<JournalValue> values;
        if (args.has(0)) {
            std::wstring given;
            if (FAILED(hr = args.text(0, given)))
                given = L"<object>";
            values.push_back(given);
        }
        bool show = id == agent::kDispidShow;
        if (FAILED(hr = recordCall(args, show ? L"Show" : L"Stop", values)))
            return hr;
        if (FAILED(hr = usable(args)))
            return hr;
        if (show)
            return request(result);
        return S_OK;
    }
    default: return DISP_E_MEMBERNOTFOUND;
    }
}

} // namespace gesticon::standin
