// Drives Gesticon.asistente, created by its programmatic identifier after
// regsvr32, through late binding (as script hosts do) and through its vtable,
// and checks in the stand-in's journal what each member asked of the control.
// Run on a 1024 x 768 screen: the placement checks expect Left 846, Top 590.
#include <windows.h>

#include <string>
#include <vector>

#include "agent_ids.h"
#include "asistente_interface.h"
#include "checks.h"
#include "com_client.h"
#include "contract.h"
#include "journal_reader.h"
#include "show_journal.h"

using namespace gesticon::tests;
using gesticon::com::_asistente;

namespace {

using Lines = std::vector<std::string>;

// The stand-in's own codes, which must reach the caller unchanged.
constexpr HRESULT kNotLoaded = HRESULT(0x80070490);
constexpr HRESULT kFileNotFound = HRESULT(0x80070002);
constexpr HRESULT kInjected = HRESULT(0x80070001);

Checks check;
JournalReader* journal = nullptr;

// The character file's path as the journal quotes it.
std::string quotedCharacterPath(const std::string& name)
{
    return "\"C:\\\\windows\\\\msagent\\\\chars\\\\" + name + ".acs\"";
}

Lines showCalls(const std::string& name, long language)
{
    return showJournal(quotedCharacterPath(name), language);
}

// A Show that first unloads the character loaded before.
Lines unloadThenShowCalls(const std::string& name, long language)
{
    Lines calls{"Characters.Unload(\"CharacterID\")"};
    for (const auto& line : showCalls(name, language))
        calls.push_back(line);
    return calls;
}

// Runs one step with a fresh journal and compares what reached the control.
void expectCalls(const Lines& expected, const std::string& what)
{
    Lines got = journal->calls();
    check.that(got == expected, what + JournalReader::describe(expected, got));
}

void expectCode(const CallResult& result, HRESULT code, const std::string& what)
{
    check.that(result.code == code, what + ": expected " + hex(code) + ", got " + hex(result.code));
    if (FAILED(code))
        check.that(!result.description.empty() && !result.source.empty(),
                   what + ": the failure carries a description and a source");
}

IDispatch* newAssistant()
{
    IDispatch* object = nullptr;
    HRESULT hr = createByProgId(kProgId, &object);
    check.that(SUCCEEDED(hr) && object != nullptr, "Gesticon.asistente is created: " + hex(hr));
    return object;
}

CallResult show(IDispatch* a, long language, long character)
{
    journal->clear();
    return callMethod(a, L"Show", {Var::int32(language), Var::int32(character)});
}

void showLoadsAndPlacesEachCharacter()
{
    check.section("Show: each character, its language, its place");
    struct Case {
        long guia;
        const char* name;
        long language;
    };
    for (Case c : {Case{0, "genie", 3082}, Case{1, "merlin", 1033}, Case{2, "robby", 1036}, Case{3, "peedy", 2070}}) {
        IDispatch* a = newAssistant();
        if (!a)
            return;
        CallResult shown = show(a, c.language, c.guia);
        expectCode(shown, S_OK, std::string("Show ") + c.name);
        expectCalls(showCalls(c.name, c.language), std::string("Show for ") + c.name);
        a->Release();
    }
}

void showAgainUnloadsFirst()
{
    check.section("Show twice, Show/Unload/Show, out-of-range characters");
    IDispatch* a = newAssistant();
    if (!a)
        return;
    show(a, 3082, 0);
    CallResult again = show(a, 1040, 1);
    expectCode(again, S_OK, "a second Show");
    expectCalls(unloadThenShowCalls("merlin", 1040), "a second Show unloads before it loads");

    // A number that names no character keeps the previous one.
    CallResult other = show(a, 3082, 9);
    expectCode(other, S_OK, "Show with character 9");
    expectCalls(unloadThenShowCalls("merlin", 3082), "Show with character 9 loads the previous character again");

    journal->clear();
    expectCode(callMethod(a, L"Unload"), S_OK, "Unload");
    expectCalls({"Characters.Unload(\"CharacterID\")"}, "Unload");
    // Nothing is loaded now: Show loads without asking the control to unload
    // again, which this control would refuse.
    CallResult afterUnload = show(a, 3082, 0);
    expectCode(afterUnload, S_OK, "Show after Unload");
    expectCalls(showCalls("genie", 3082), "Show after Unload loads without a second unload");
    journal->clear();
    expectCode(callMethod(a, L"Speak", {Var::text(L"Otra vez")}), S_OK, "Speak after Show, Unload, Show");
    callMethod(a, L"Unload");
    expectCode(callMethod(a, L"Unload"), kNotLoaded, "a second Unload passes the control's refusal on");
    expectCalls(
        {"Character.Speak(\"Otra vez\")", "Characters.Unload(\"CharacterID\")", "Characters.Unload(\"CharacterID\")"},
        "Speak, then both unloads reach the control");
    a->Release();

    IDispatch* fresh = newAssistant();
    if (!fresh)
        return;
    CallResult negative = show(fresh, 3082, -1);
    expectCode(negative, kFileNotFound, "a first Show with character -1");
    expectCalls({"Characters.Load(\"CharacterID\"," + quotedCharacterPath("") + ")"},
                "a first Show with character -1 asks for a file without a name");
    journal->clear();
    expectCode(callMethod(fresh, L"Unload"), kNotLoaded, "Unload with nothing loaded");
    expectCalls({"Characters.Unload(\"CharacterID\")"}, "Unload with nothing loaded still asks");
    fresh->Release();
}

// One late-bound call: positional arguments in call order, then named ones.
struct NamedCase {
    const char* what;
    DISPID member;
    WORD flags;
    std::vector<Var> positional;
    std::vector<NamedArg> named;
    HRESULT expected;
    Lines calls;
    UINT argError;       // ~0u: not looked at
    bool platformAgrees; // Wine's ITypeInfo::Invoke answers the same
};

// Runs a case on a new assistant that has shown Genie, through the object's
// Invoke or through the platform's dispatcher.
CallResult runNamedCase(const NamedCase& c, ITypeInfo* platform, Lines& calls)
{
    IDispatch* a = newAssistant();
    if (!a)
        return {};
    show(a, 3082, 0);
    journal->clear();
    CallResult result = invokeNamed(a, c.member, c.flags, c.positional, c.named, platform);
    calls = journal->calls();
    a->Release();
    return result;
}

// The type information the platform's dispatcher works from: the vtable view of _asistente.
ITypeInfo* vtableTypeInfo(IDispatch* a)
{
    ITypeInfo* info = nullptr;
    ITypeInfo* vtable = nullptr;
    HREFTYPE other = 0;
    if (FAILED(a->GetTypeInfo(0, 0, &info)))
        return nullptr;
    if (SUCCEEDED(info->GetRefTypeOfImplType(-1, &other)) && SUCCEEDED(info->GetRefTypeInfo(other, &vtable))) {
        info->Release();
        return vtable;
    }
    return info; // already the vtable view
}

void namedArguments()
{
    check.section("named arguments and property puts, as the platform's dispatcher takes them");
    IDispatch* a = newAssistant();
    if (!a)
        return;
    const wchar_t* showNames[] = {L"Show", L"GUIA", L"LenguajeID"};
    DISPID ids[3] = {};
    check.that(a->GetIDsOfNames(IID_NULL, const_cast<LPOLESTR*>(showNames), 3, 0, ids) == S_OK &&
                   ids[0] == dispidOf(L"Show") && ids[1] == 1 && ids[2] == 0,
               "GetIDsOfNames gives Show's parameters their positions");
    const wchar_t* wrongNames[] = {L"Show", L"Personaje"};
    check.that(a->GetIDsOfNames(IID_NULL, const_cast<LPOLESTR*>(wrongNames), 2, 0, ids) == DISP_E_UNKNOWNNAME &&
                   ids[1] == DISPID_UNKNOWN,
               "an unknown parameter name is DISP_E_UNKNOWNNAME");
    ITypeInfo* platform = vtableTypeInfo(a);
    check.that(platform != nullptr, "the vtable type information of _asistente");
    a->Release();

    const DISPID showId = dispidOf(L"Show"), speakId = dispidOf(L"Speak"), moveId = dispidOf(L"Move"),
                 animationsId = dispidOf(L"Animations"), balloonId = dispidOf(L"Balloon"), soundId = dispidOf(L"Sound");
    const Lines showMerlin = unloadThenShowCalls("merlin", 3082);
    const Lines nothing;
    const NamedCase cases[] = {
        {"Show 3082, 1", showId, DISPATCH_METHOD, {Var::int32(3082), Var::int32(1)}, {}, S_OK, showMerlin, ~0u, true},
        {"Show LenguajeID:=3082, GUIA:=1",
         showId,
         DISPATCH_METHOD,
         {},
         {{0, Var::int32(3082)}, {1, Var::int32(1)}},
         S_OK,
         showMerlin,
         ~0u,
         true},
        {"Show GUIA:=1, LenguajeID:=3082",
         showId,
         DISPATCH_METHOD,
         {},
         {{1, Var::int32(1)}, {0, Var::int32(3082)}},
         S_OK,
         showMerlin,
         ~0u,
         true},
        {"Show 3082, GUIA:=1",
         showId,
         DISPATCH_METHOD,
         {Var::int32(3082)},
         {{1, Var::int32(1)}},
         S_OK,
         showMerlin,
         ~0u,
         true},
        {"Move y:=-7, x:=5",
         moveId,
         DISPATCH_METHOD,
         {},
         {{1, Var::int16(-7)}, {0, Var::int16(5)}},
         S_OK,
         {"Character.MoveTo(5,-7)"},
         ~0u,
         true},
        {"Speak strOracion:=\"Hola\"",
         speakId,
         DISPATCH_METHOD,
         {},
         {{0, Var::text(L"Hola")}},
         S_OK,
         {"Character.Speak(\"Hola\")"},
         ~0u,
         true},
        {"Animations indice:=64",
         animationsId,
         DISPATCH_METHOD | DISPATCH_PROPERTYGET,
         {},
         {{0, Var::int16(64)}},
         S_OK,
         nothing,
         ~0u,
         true},
        {"Balloon = False",
         balloonId,
         DISPATCH_PROPERTYPUT,
         {},
         {{DISPID_PROPERTYPUT, Var::boolean(false)}},
         S_OK,
         {"Balloon.Style?", "Balloon.Style=12"},
         ~0u,
         true},
        {"Sound = False as put or put by reference",
         soundId,
         DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF,
         {},
         {{DISPID_PROPERTYPUT, Var::boolean(false)}},
         S_OK,
         {"Character.SoundEffectsOn=false"},
         ~0u,
         true},
        {"a put whose value is not named DISPID_PROPERTYPUT",
         balloonId,
         DISPATCH_PROPERTYPUT,
         {Var::boolean(false)},
         {},
         DISP_E_PARAMNOTFOUND,
         nothing,
         ~0u,
         true},
        {"a put by reference only",
         balloonId,
         DISPATCH_PROPERTYPUTREF,
         {},
         {{DISPID_PROPERTYPUT, Var::boolean(false)}},
         DISP_E_MEMBERNOTFOUND,
         nothing,
         ~0u,
         true},
        // Where Wine's dispatcher ignores the stray name and miscounts, the
        // documented DISP_E_PARAMNOTFOUND names the argument at fault.
        {"Show 3082, a name that is no parameter",
         showId,
         DISPATCH_METHOD,
         {Var::int32(3082)},
         {{2, Var::int32(1)}},
         DISP_E_PARAMNOTFOUND,
         nothing,
         0,
         false},
        {"Show LenguajeID named twice",
         showId,
         DISPATCH_METHOD,
         {},
         {{0, Var::int32(3082)}, {0, Var::int32(1)}},
         DISP_E_PARAMNOTFOUND,
         nothing,
         1,
         false},
        {"Show 3082, LenguajeID:=3082",
         showId,
         DISPATCH_METHOD,
         {Var::int32(3082)},
         {{0, Var::int32(3082)}},
         DISP_E_PARAMNOTFOUND,
         nothing,
         0,
         false},
        {"Show GUIA:=1 alone",
         showId,
         DISPATCH_METHOD,
         {},
         {{1, Var::int32(1)}},
         DISP_E_BADPARAMCOUNT,
         nothing,
         ~0u,
         true},
    };
    for (const NamedCase& c : cases) {
        Lines ours, theirs;
        CallResult got = runNamedCase(c, nullptr, ours);
        check.that(got.code == c.expected,
                   std::string(c.what) + ": expected " + hex(c.expected) + ", got " + hex(got.code));
        check.that(ours == c.calls, std::string(c.what) + JournalReader::describe(c.calls, ours));
        if (c.argError != ~0u)
            check.that(got.argError == c.argError,
                       std::string(c.what) + ": argument in error " + std::to_string(got.argError));
        if (c.member == animationsId)
            check.that(V_VT(got.value.get()) == VT_BSTR && std::wstring(V_BSTR(got.value.get())) == L"Write",
                       std::string(c.what) + " returns \"Write\"");
        if (c.platformAgrees && platform) {
            CallResult platformGot = runNamedCase(c, platform, theirs);
            check.that(platformGot.code == got.code && theirs == ours,
                       std::string(c.what) + ": as the platform's dispatcher (" + hex(platformGot.code) + ")" +
                           JournalReader::describe(theirs, ours));
        }
    }
    if (platform)
        platform->Release();
}

void beforeShow()
{
    check.section("before any Show");
    IDispatch* a = newAssistant();
    if (!a)
        return;
    journal->clear();
    short x = 1, y = 2;
    expectCode(callMethod(a, L"Speak", {Var::text(L"x")}), kError91, "Speak before Show");
    expectCode(callMethod(a, L"Think", {Var::text(L"x")}), kError91, "Think before Show");
    expectCode(callMethod(a, L"Move", {Var::refInt16(&x), Var::refInt16(&y)}), kError91, "Move before Show");
    expectCode(callMethod(a, L"Action", {Var::int32(0)}), kError91, "Action before Show");
    expectCode(callMethod(a, L"Stop_Asistente"), kError91, "Stop_Asistente before Show");

    CallResult sound = getProperty(a, L"Sound"), balloon = getProperty(a, L"Balloon");
    CallResult autoHide = getProperty(a, L"AutoHide"), autoSpace = getProperty(a, L"AutoSpace");
    check.that(V_VT(sound.value.get()) == VT_BOOL && V_BOOL(sound.value.get()) == VARIANT_FALSE, "Sound starts false");
    for (CallResult* r : {&balloon, &autoHide, &autoSpace})
        check.that(V_VT(r->value.get()) == VT_BOOL && V_BOOL(r->value.get()) == VARIANT_TRUE,
                   "Balloon, AutoHide and AutoSpace start true");

    expectCode(putProperty(a, L"AutoHide", Var::boolean(false)), kError91, "AutoHide before Show");
    CallResult readBack = getProperty(a, L"AutoHide");
    check.that(V_VT(readBack.value.get()) == VT_BOOL && V_BOOL(readBack.value.get()) == VARIANT_FALSE,
               "AutoHide keeps the value set before its failure");
    expectCode(putProperty(a, L"Sound", Var::boolean(true)), kError91, "Sound before Show");
    readBack = getProperty(a, L"Sound");
    check.that(V_BOOL(readBack.value.get()) == VARIANT_TRUE, "Sound keeps the value set before its failure");
    expectCalls({}, "nothing reaches the control before Show");
    a->Release();
}

void speechAndMovement(IDispatch* a)
{
    check.section("Speak, Think, Move");
    journal->clear();
    expectCode(callMethod(a, L"Speak", {Var::text(L"Hola")}), S_OK, "Speak");
    expectCode(callMethod(a, L"Speak", {Var::text(L"")}), S_OK, "Speak with an empty text");
    expectCode(callMethod(a, L"Speak", {Var::text(L"Año \"nuevo\"")}), S_OK, "Speak with ñ and quotes");
    expectCode(callMethod(a, L"Think", {Var::text(L"Pensando...")}), S_OK, "Think");
    expectCalls({"Character.Speak(\"Hola\")", "Character.Speak(\"\")", "Character.Speak(\"Año \\\"nuevo\\\"\")",
                 "Character.Think(\"Pensando...\")"},
                "Speak and Think pass their text as given");

    journal->clear();
    short x = 100, y = 200;
    expectCode(callMethod(a, L"Move", {Var::refInt16(&x), Var::refInt16(&y)}), S_OK, "Move by reference");
    check.that(x == 100 && y == 200, "Move leaves the caller's variables unchanged");
    VARIANT vx, vy; // how VBScript passes its variables
    VariantInit(&vx);
    VariantInit(&vy);
    V_VT(&vx) = VT_I2;
    V_I2(&vx) = 10;
    V_VT(&vy) = VT_I4;
    V_I4(&vy) = 20;
    expectCode(callMethod(a, L"Move", {Var::refVariant(&vx), Var::refVariant(&vy)}), S_OK,
               "Move with variant references");
    check.that(V_VT(&vx) == VT_I2 && V_I2(&vx) == 10 && V_VT(&vy) == VT_I4 && V_I4(&vy) == 20,
               "Move leaves variant variables unchanged");
    expectCode(callMethod(a, L"Move", {Var::int32(-5), Var::int16(300)}), S_OK, "Move by value");
    expectCalls({"Character.MoveTo(100,200)", "Character.MoveTo(10,20)", "Character.MoveTo(-5,300)"},
                "Move sends the values to MoveTo without a speed");

    _asistente* early = nullptr;
    a->QueryInterface(guid(kIidAsistente), reinterpret_cast<void**>(&early));
    check.that(early != nullptr, "the object answers for _asistente");
    if (early) {
        journal->clear();
        short ex = 7, ey = 8;
        check.that(early->Move(&ex, &ey) == S_OK && ex == 7 && ey == 8, "Move through the vtable");
        expectCalls({"Character.MoveTo(7,8)"}, "Move through the vtable");
        early->Release();
    }
}

void actions(IDispatch* a)
{
    check.section("Action");
    struct Case {
        long value;
        const char* animation;
    };
    for (Case c :
         {Case{0, "Acknowledge"}, Case{59, "Think"}, Case{66, "Writing"}, Case{63, "Write"}, Case{50, "RestPose"},
          Case{52, "Show"}, Case{53, "Search"}, Case{54, "Searching"}, Case{55, "StartListening"}}) {
        journal->clear();
        long value = c.value;
        std::string what = "Action " + std::to_string(c.value);
        expectCode(callMethod(a, L"Action", {Var::refInt32(&value)}), S_OK, what + " by reference");
        expectCode(callMethod(a, L"Action", {Var::int32(c.value)}), S_OK, what + " by value");
        check.that(value == c.value, what + " leaves the variable unchanged");
        std::string play = std::string("Character.Play(\"") + c.animation + "\")";
        expectCalls({play, play}, what + " plays " + c.animation);
    }
    journal->clear();
    expectCode(callMethod(a, L"Action", {Var::int32(67)}), kError9, "Action 67");
    expectCode(callMethod(a, L"Action", {Var::int32(-1)}), kError9, "Action -1");
    expectCode(callMethod(a, L"Action", {Var::int32(2147483647)}), kError6, "Action 2147483647");
    expectCalls({}, "a refused Action sends nothing");
}

void settings()
{
    check.section("settings and balloon style bits");
    // A starting style with a bit the assistant does not own (32).
    SetEnvironmentVariableW(L"AGENT_STANDIN_BALLOON_STYLE", L"45");
    IDispatch* a = newAssistant();
    if (!a)
        return;
    show(a, 3082, 0);
    SetEnvironmentVariableW(L"AGENT_STANDIN_BALLOON_STYLE", nullptr);
    struct Case {
        const wchar_t* setting;
        bool on;
        long style;
    };
    for (Case c : {Case{L"Balloon", false, 44}, Case{L"Balloon", true, 45}, Case{L"AutoHide", false, 41},
                   Case{L"AutoSpace", false, 33}, Case{L"AutoHide", true, 37}, Case{L"AutoSpace", true, 45}}) {
        journal->clear();
        std::string what = narrow(c.setting) + (c.on ? " on" : " off");
        expectCode(putProperty(a, c.setting, Var::boolean(c.on)), S_OK, what);
        expectCalls({"Balloon.Style?", "Balloon.Style=" + std::to_string(c.style)},
                    what + " reads the style and changes only its own bit");
        CallResult read = getProperty(a, c.setting);
        check.that(V_VT(read.value.get()) == VT_BOOL && (V_BOOL(read.value.get()) != VARIANT_FALSE) == c.on,
                   what + " reads back");
    }
    journal->clear();
    expectCode(putProperty(a, L"Sound", Var::boolean(true)), S_OK, "Sound on");
    expectCode(putProperty(a, L"Sound", Var::boolean(false)), S_OK, "Sound off");
    expectCalls({"Character.SoundEffectsOn=true", "Character.SoundEffectsOn=false"}, "Sound goes to SoundEffectsOn");
    a->Release();
}

void stopAndControlFailures(IDispatch* a)
{
    check.section("Stop_Asistente and the control's own failures");
    journal->clear();
    expectCode(callMethod(a, L"Stop_Asistente"), S_OK, "Stop_Asistente");
    expectCalls({"Character.Stop()", "Character.Play(\"RestPose\")"}, "Stop_Asistente stops, then rests");

    SetEnvironmentVariableW(L"AGENT_STANDIN_FAIL", L"Character.Stop");
    journal->clear();
    expectCode(callMethod(a, L"Stop_Asistente"), kInjected, "Stop_Asistente when Stop fails");
    expectCalls({"Character.Stop()"}, "no RestPose after a failed Stop");

    SetEnvironmentVariableW(L"AGENT_STANDIN_FAIL", L"Character.Speak:hresult,Character.Play");
    CallResult speak = callMethod(a, L"Speak", {Var::text(L"x")});
    expectCode(speak, kInjected, "a plain failing HRESULT from Speak is passed on");
    CallResult action = callMethod(a, L"Action", {Var::int32(3)});
    expectCode(action, kInjected, "an exception from Play is passed on");
    check.that(action.description.find(L"Character.Play") != std::wstring::npos,
               "the control's description is passed on: " + narrow(action.description));
    SetEnvironmentVariableW(L"AGENT_STANDIN_FAIL", nullptr);
}

void commandEvent()
{
    check.section("the Command event");
    IDispatch* a = newAssistant();
    IDispatch* hook = nullptr;
    CoCreateInstance(gesticon::agent::kClsidAgent, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                     reinterpret_cast<void**>(&hook));
    check.that(hook != nullptr, "a control of the test's own to raise events from");
    if (!a || !hook)
        return;
    for (int shown = 0; shown < 2; ++shown) {
        std::string when = shown ? " after Show" : " before Show";
        journal->clear();
        CallResult raised = callMethod(hook, L"RaiseCommand", {Var::text(L"Opciones")});
        check.that(raised.ok() && V_I4(raised.value.get()) == 1, "the assistant is subscribed" + when);
        expectCalls({"PropertySheet.Visible=true"}, "\"Opciones\" opens the property sheet" + when);
        journal->clear();
        callMethod(hook, L"RaiseCommand", {Var::text(L"opciones")});
        callMethod(hook, L"RaiseCommand", {Var::text(L"Opciones Avanzadas")});
        expectCalls({}, "other commands are ignored" + when);
        show(a, 3082, 0);
    }
    a->Release();
    CallResult afterRelease = callMethod(hook, L"RaiseCommand", {Var::text(L"Opciones")});
    check.that(afterRelease.ok() && V_I4(afterRelease.value.get()) == 0,
               "a released assistant is no longer subscribed");
    hook->Release();
}

void missingCharacterFile()
{
    check.section("a missing character file");
    const wchar_t* file = L"C:\\windows\\msagent\\chars\\merlin.acs";
    const wchar_t* aside = L"C:\\windows\\msagent\\chars\\merlin.acs.aside";
    check.that(MoveFileW(file, aside) != 0, "merlin.acs is put aside for the check");
    IDispatch* a = newAssistant();
    if (a) {
        CallResult late = show(a, 3082, 1);
        expectCode(late, kFileNotFound, "late-bound Show of a missing character");
        check.that(late.description.find(L"merlin.acs") != std::wstring::npos,
                   "the control's description names the file: " + narrow(late.description));
        _asistente* early = nullptr;
        a->QueryInterface(guid(kIidAsistente), reinterpret_cast<void**>(&early));
        if (early) {
            SetErrorInfo(0, nullptr);
            HRESULT hr = early->Show(3082, 1);
            check.that(hr == kFileNotFound, "Show through the vtable returns the control's code: " + hex(hr));
            check.that(threadErrorInfo().description.find(L"merlin.acs") != std::wstring::npos,
                       "IErrorInfo carries the control's description");
            ISupportErrorInfo* support = nullptr;
            a->QueryInterface(IID_ISupportErrorInfo, reinterpret_cast<void**>(&support));
            check.that(support && support->InterfaceSupportsErrorInfo(guid(kIidAsistente)) == S_OK,
                       "ISupportErrorInfo answers for _asistente");
            if (support)
                support->Release();
            early->Release();
        }
        a->Release();
    }
    MoveFileW(aside, file);
}

} // namespace

int main()
{
    CoInitialize(nullptr);
    JournalReader reader;
    journal = &reader;

    beforeShow();
    showLoadsAndPlacesEachCharacter();
    showAgainUnloadsFirst();
    settings();
    if (IDispatch* a = newAssistant()) {
        show(a, 3082, 0);
        speechAndMovement(a);
        actions(a);
        stopAndControlFailures(a);
        a->Release();
    }
    commandEvent();
    namedArguments();
    missingCharacterFile();
    int failures = check.finish();
    CoUninitialize();
    return failures;
}
