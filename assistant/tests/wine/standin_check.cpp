// Checks the animated-agent control's stand-in on its own, through the same
// late-bound calls Gesticon makes, so that a fault in the test support shows
// up here rather than as a puzzling Gesticon failure.
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <string>

#include "agent_ids.h"
#include "checks.h"
#include "com_client.h"
#include "journal_reader.h"

using namespace gesticon::tests;
using namespace gesticon::agent;

namespace {

VARTYPE typeOf(CallResult& r)
{
    return V_VT(r.value.get());
}

const wchar_t kGenie[] = L"C:\\windows\\msagent\\chars\\genie.acs";

// An event sink that records the Name of each Command event's user input.
class RecordingSink final : public IDispatch {
public:
    explicit RecordingSink(bool answersEvents) : answersEvents_(answersEvents) {}
    std::wstring lastCommand;
    int commands = 0;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
            (answersEvents_ && IsEqualIID(iid, kDiidAgentEvents))) {
            *out = this;
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override { return --references_; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override
    {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                                     UINT*) override
    {
        if (id != kDispidCommandEvent || params->cArgs != 1 || V_VT(&params->rgvarg[0]) != VT_DISPATCH)
            return S_OK;
        ++commands;
        CallResult name = getProperty(V_DISPATCH(&params->rgvarg[0]), L"Name");
        if (name.ok() && typeOf(name) == VT_BSTR)
            lastCommand = V_BSTR(name.value.get());
        return S_OK;
    }
    ULONG references() const { return references_; }

private:
    bool answersEvents_;
    ULONG references_ = 1;
};

} // namespace

int main()
{
    CoInitialize(nullptr);
    Checks check;
    JournalReader journal;

    IDispatch* control = nullptr;
    HRESULT created = CoCreateInstance(kClsidAgent, nullptr, CLSCTX_INPROC_SERVER, kIidAgentCtlEx,
                                       reinterpret_cast<void**>(&control));
    check.that(SUCCEEDED(created) && control != nullptr,
               "the stand-in is created by the control's class through IAgentCtlEx: " + hex(created));
    if (control == nullptr)
        return check.finish();

    check.section("names and dispatch identifiers");
    check.that(dispatchId(control, L"characters") == 3, "Characters resolves, case-insensitively, to 3");
    check.that(dispatchId(control, L"PropertySheet") == 8, "PropertySheet is 8");
    check.that(dispatchId(control, L"NoSuchMember") == DISPID_UNKNOWN, "unknown names are refused");

    CallResult charactersGet = getProperty(control, L"Characters");
    check.that(charactersGet.ok() && typeOf(charactersGet) == VT_DISPATCH, "Characters returns an object");
    IDispatch* characters = V_DISPATCH(charactersGet.value.get());

    check.section("Load");
    journal.clear();
    CallResult missing = callMethod(
        characters, L"Load", {Var::text(L"CharacterID"), Var::text(L"C:\\windows\\msagent\\chars\\missing.acs")});
    check.that(missing.invokeResult == DISP_E_EXCEPTION && missing.code == HRESULT(0x80070002),
               "a missing character file fails as DISP_E_EXCEPTION with 0x80070002: " + hex(missing.code));
    check.that(missing.description.find(L"missing.acs") != std::wstring::npos,
               "the failure names the file: " + narrow(missing.description));
    check.that(journal.allLines() ==
                   std::vector<std::string>{
                       "Characters.Load(\"CharacterID\",\"C:\\\\windows\\\\msagent\\\\chars\\\\missing.acs\")"},
               "the failed Load is journaled" + JournalReader::describe({}, journal.allLines()));

    {
        // Without an EXCEPINFO the control's code comes back as the Invoke result.
        Var path = Var::text(L"C:\\nowhere.acs"), id = Var::text(L"Other");
        VARIANT raw[2] = {path.ref(), id.ref()}; // reversed: LoadKey, CharacterID
        DISPPARAMS params{raw, nullptr, 2, 0};
        HRESULT plain =
            characters->Invoke(1, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
        check.that(plain == HRESULT(0x80070002), "without EXCEPINFO the code itself is returned: " + hex(plain));
    }

    CallResult loaded = callMethod(characters, L"Load", {Var::text(L"CharacterID"), Var::text(kGenie)});
    check.that(loaded.ok() && typeOf(loaded) == VT_DISPATCH,
               "an existing file loads and returns a request: " + hex(loaded.code));
    CallResult twice = callMethod(characters, L"Load", {Var::text(L"CharacterID"), Var::text(kGenie)});
    check.that(!twice.ok(), "loading a second character under the same identifier fails");

    check.section("Item and the character");
    CallResult other = invokeRaw(characters, 0, DISPATCH_METHOD | DISPATCH_PROPERTYGET, {Var::text(L"Other")}, false);
    check.that(other.code == HRESULT(0x80070490), "Item of an identifier not loaded fails: " + hex(other.code));
    CallResult item = invokeRaw(characters, dispatchId(characters, L"Item"), DISPATCH_METHOD | DISPATCH_PROPERTYGET,
                                {Var::text(L"CharacterID")}, false);
    check.that(item.ok() && typeOf(item) == VT_DISPATCH, "Item returns the character");
    IDispatch* character = item.ok() ? V_DISPATCH(item.value.get()) : nullptr;
    if (character == nullptr)
        return check.finish();

    CallResult width = getProperty(character, L"Width");
    CallResult height = getProperty(character, L"Height");
    check.that(typeOf(width) == VT_I2 && V_I2(width.value.get()) == 128, "Width is a 16-bit 128");
    check.that(typeOf(height) == VT_I2 && V_I2(height.value.get()) == 128, "Height is a 16-bit 128");

    CallResult balloonGet = getProperty(character, L"Balloon");
    IDispatch* balloon = balloonGet.ok() ? V_DISPATCH(balloonGet.value.get()) : nullptr;
    CallResult style = balloon ? getProperty(balloon, L"Style") : CallResult{};
    check.that(typeOf(style) == VT_I4 && V_I4(style.value.get()) == 13, "the balloon style starts at 13");

    journal.clear();
    CallResult commandsGet = getProperty(character, L"Commands");
    IDispatch* commands = commandsGet.ok() ? V_DISPATCH(commandsGet.value.get()) : nullptr;
    CallResult added = commands
                           ? callMethod(commands, L"Add", {Var::text(L"Opciones"), Var::text(L"&Opciones Avanzadas")})
                           : CallResult{};
    check.that(added.ok() && typeOf(added) == VT_DISPATCH, "Commands.Add returns a command");
    check.that(putProperty(character, L"LanguageID", Var::int32(3082)).ok(), "LanguageID takes a 32-bit value");
    check.that(putProperty(character, L"Left", Var::int16(846)).ok(), "Left takes a 16-bit value");
    check.that(putProperty(character, L"SoundEffectsOn", Var::boolean(true)).ok(), "SoundEffectsOn takes a boolean");
    check.that(callMethod(character, L"Speak", {Var::text(L"a \"q\" \\ b")}).ok(), "Speak with Text only");
    check.that(callMethod(character, L"MoveTo", {Var::int16(10), Var::int16(-20)}).ok(), "MoveTo without Speed");
    check.that(callMethod(character, L"Show").ok(), "Show without Fast");
    check.that(putProperty(balloon, L"Style", Var::int32(12)).ok(), "Style takes a 32-bit value");
    std::vector<std::string> expected{"Character.Commands?",
                                      "Commands.Add(\"Opciones\",\"&Opciones Avanzadas\")",
                                      "Character.LanguageID=3082",
                                      "Character.Left=846",
                                      "Character.SoundEffectsOn=true",
                                      "Character.Speak(\"a \\\"q\\\" \\\\ b\")",
                                      "Character.MoveTo(10,-20)",
                                      "Character.Show()",
                                      "Balloon.Style=12"};
    check.that(journal.allLines() == expected,
               "each call is journaled in its fixed shape" + JournalReader::describe(expected, journal.allLines()));

    CallResult duplicate = callMethod(commands, L"Add", {Var::text(L"Opciones")});
    check.that(!duplicate.ok(), "a second command of the same name is refused");

    {
        // A put without the DISPID_PROPERTYPUT named argument is malformed.
        VARIANT value = Var::int16(1).ref();
        DISPPARAMS params{&value, nullptr, 1, 0};
        HRESULT hr = character->Invoke(3, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params, nullptr,
                                       nullptr, nullptr);
        check.that(hr == DISP_E_PARAMNOTFOUND, "a put without its named argument is refused: " + hex(hr));
    }
    check.that(putProperty(character, L"Left", Var::int32(40000)).code == DISP_E_OVERFLOW,
               "Left refuses a value beyond 16 bits");
    check.that(putProperty(character, L"Width", Var::int16(1)).code == DISP_E_MEMBERNOTFOUND, "Width cannot be set");

    check.section("injected failures");
    SetEnvironmentVariableW(L"AGENT_STANDIN_FAIL", L"Character.Play,Character.Stop:hresult");
    CallResult play = callMethod(character, L"Play", {Var::text(L"Wave")});
    check.that(play.invokeResult == DISP_E_EXCEPTION && play.code == HRESULT(0x80070001),
               "an injected failure comes as DISP_E_EXCEPTION: " + hex(play.code));
    CallResult stop = callMethod(character, L"Stop");
    check.that(stop.invokeResult == HRESULT(0x80070001),
               "a ':hresult' failure is the Invoke result: " + hex(stop.invokeResult));
    SetEnvironmentVariableW(L"AGENT_STANDIN_FAIL", nullptr);
    check.that(callMethod(character, L"Stop").ok(), "without the variable Stop succeeds");

    check.section("events");
    IConnectionPointContainer* container = nullptr;
    control->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container));
    check.that(container != nullptr, "the control is a connection-point container");
    IConnectionPoint* point = nullptr;
    if (container) {
        IConnectionPoint* wrong = nullptr;
        check.that(container->FindConnectionPoint(IID_IDispatch, &wrong) == CONNECT_E_NOCONNECTION,
                   "there is no connection point but _AgentEvents");
        container->FindConnectionPoint(kDiidAgentEvents, &point);
    }
    check.that(point != nullptr, "the _AgentEvents connection point is found");
    if (point) {
        RecordingSink refusing(false), sink(true);
        DWORD cookie = 0;
        check.that(point->Advise(&refusing, &cookie) == CONNECT_E_CANNOTCONNECT,
                   "a sink without the events' interface is refused");
        check.that(point->Advise(&sink, &cookie) == S_OK && cookie != 0, "a proper sink is advised");

        // The hook on another control reaches this control's sinks too.
        IDispatch* second = nullptr;
        CoCreateInstance(kClsidAgent, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, reinterpret_cast<void**>(&second));
        CallResult raised = second ? callMethod(second, L"RaiseCommand", {Var::text(L"Opciones")}) : CallResult{};
        check.that(raised.ok() && typeOf(raised) == VT_I4 && V_I4(raised.value.get()) == 1,
                   "RaiseCommand reports one sink reached");
        check.that(sink.commands == 1 && sink.lastCommand == L"Opciones",
                   "the sink got Command with the user input's Name: " + narrow(sink.lastCommand));
        check.that(point->Unadvise(cookie) == S_OK, "Unadvise");
        check.that(point->Unadvise(cookie) == CONNECT_E_NOCONNECTION, "a second Unadvise is refused");
        CallResult after = second ? callMethod(second, L"RaiseCommand", {Var::text(L"Opciones")}) : CallResult{};
        check.that(after.ok() && V_I4(after.value.get()) == 0 && sink.commands == 1,
                   "after Unadvise no sink is reached");
        check.that(sink.references() == 1, "the control released the sink");
        if (second)
            second->Release();
        point->Release();
    }
    if (container)
        container->Release();

    check.section("Unload");
    journal.clear();
    check.that(callMethod(characters, L"Unload", {Var::text(L"CharacterID")}).ok(), "Unload a loaded character");
    CallResult again = callMethod(characters, L"Unload", {Var::text(L"CharacterID")});
    check.that(again.code == HRESULT(0x80070490) && !again.description.empty(),
               "Unload of an identifier not loaded fails with a description: " + hex(again.code));
    CallResult late = callMethod(character, L"Speak", {Var::text(L"x")});
    check.that(!late.ok(), "an unloaded character refuses requests");

    SetEnvironmentVariableW(L"AGENT_STANDIN_BALLOON_STYLE", L"45");
    callMethod(characters, L"Load", {Var::text(L"Other"), Var::text(kGenie)});
    CallResult otherItem =
        invokeRaw(characters, 0, DISPATCH_METHOD | DISPATCH_PROPERTYGET, {Var::text(L"Other")}, false);
    IDispatch* otherCharacter = otherItem.ok() ? V_DISPATCH(otherItem.value.get()) : nullptr;
    CallResult otherBalloon = otherCharacter ? getProperty(otherCharacter, L"Balloon") : CallResult{};
    CallResult otherStyle =
        otherBalloon.ok() ? getProperty(V_DISPATCH(otherBalloon.value.get()), L"Style") : CallResult{};
    check.that(typeOf(otherStyle) == VT_I4 && V_I4(otherStyle.value.get()) == 45,
               "AGENT_STANDIN_BALLOON_STYLE sets the starting style");
    SetEnvironmentVariableW(L"AGENT_STANDIN_BALLOON_STYLE", nullptr);

    journal.clear();
    SetEnvironmentVariableW(L"AGENT_STANDIN_JOURNAL", nullptr);
    getProperty(control, L"Characters");
    SetEnvironmentVariableW(L"AGENT_STANDIN_JOURNAL", L"");
    check.that(journal.allLines().empty(), "without the variable nothing is journaled");

    check.section("unloading the server");
    // Release everything the checks above still hold, then ask the server.
    for (CallResult* held : {&otherBalloon, &otherItem, &otherStyle, &charactersGet, &item, &balloonGet, &commandsGet,
                             &added, &loaded, &play, &duplicate})
        *held = CallResult{};
    control->Release();
    auto canUnload = exported<EntryPoint>(GetModuleHandleW(L"AgentStandIn.dll"), "DllCanUnloadNow");
    check.that(canUnload != nullptr && canUnload() == S_OK, "no object of the stand-in is left alive");

    int failures = check.finish();
    CoUninitialize();
    return failures;
}
