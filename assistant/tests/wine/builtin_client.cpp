// Drives Gesticon.asistente where the agent control is not registered, so
// the built-in assistant answers, and checks what a user would see: the
// character's window and its place, the balloon's text, the pop-up menu,
// hiding and unloading, what was asked of the voice's stand-in, and the
// pixels on the screen, kept as screenshots. Run on a 1024 x 768 screen.
//   builtin_client.exe SHOTS_FOLDER   the behaviour checks and screenshots
//   builtin_client.exe wine-voice     one speech through Wine's own voice
#include <windows.h>
#include <oleacc.h>
#include <shlwapi.h>

#include <cstring>
#include <string>
#include <vector>

#include "checks.h"
#include "com_client.h"
#include "contract.h"
#include "journal_reader.h"
#include "screen_shot.h"
#include "window_names.h"

using namespace gesticon::tests;
namespace names = gesticon::builtin;

namespace {

using Lines = std::vector<std::string>;

constexpr HRESULT kUnknownCharacter = HRESULT(0x80040202);
constexpr HRESULT kNotLoaded = HRESULT(0x80040203);
// The built-in characters are 128 x 128: Show puts them 50 pixels in from
// the bottom right corner of the 1024 x 768 screen.
constexpr RECT kShownPlace{846, 590, 974, 718};
// Where the character and its balloon stand, for the screenshots.
constexpr RECT kShotArea{604, 348, 1024, 768};

Checks check;
JournalReader* journal = nullptr;

// Lets the thread's windows work for `ms` milliseconds, as a client's message loop would.
void pump(DWORD ms)
{
    const DWORD start = GetTickCount();
    do {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(10);
    } while (GetTickCount() - start < ms);
}

std::vector<HWND> windowsOfClass(const wchar_t* className)
{
    struct Search {
        const wchar_t* className;
        std::vector<HWND> found;
    } search{className, {}};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM context) -> BOOL {
            auto* s = reinterpret_cast<Search*>(context);
            wchar_t name[64] = {};
            GetClassNameW(window, name, 64);
            if (std::wcscmp(name, s->className) == 0)
                s->found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND onlyWindow(const wchar_t* className)
{
    auto found = windowsOfClass(className);
    return found.size() == 1 ? found.front() : nullptr;
}

std::wstring windowText(HWND window)
{
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

// What a screen reader is told the window is called.
std::wstring accessibleName(HWND window)
{
    IAccessible* accessible = nullptr;
    std::wstring name;
    // __uuidof: MinGW's import library names IID_IAccessible as an import, not as the GUID.
    HRESULT hr = AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                            reinterpret_cast<void**>(&accessible));
    if (SUCCEEDED(hr)) {
        VARIANT self;
        VariantInit(&self);
        V_VT(&self) = VT_I4;
        V_I4(&self) = CHILDID_SELF;
        BSTR text = nullptr;
        if (SUCCEEDED(accessible->get_accName(self, &text)))
            name = take(text);
        accessible->Release();
    }
    return name;
}

DWORD storedSpeakAloud()
{
    DWORD value = 99, size = sizeof(value);
    SHGetValueW(HKEY_CURRENT_USER, L"Software\\Gesticon\\Asistente", L"VozActiva", nullptr, &value, &size);
    return value;
}

bool sameRect(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::string describe(const RECT& r)
{
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" + std::to_string(r.right) + "," +
           std::to_string(r.bottom) + ")";
}

RECT rectOf(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

IDispatch* newAssistant()
{
    IDispatch* object = nullptr;
    HRESULT hr = createByProgId(kProgId, &object);
    check.that(SUCCEEDED(hr) && object, "without the control, Gesticon.asistente is created all the same: " + hex(hr));
    return object;
}

void expectOk(const CallResult& result, const std::string& what)
{
    check.that(result.code == S_OK, what + ": " + hex(result.code) + " " + narrow(result.description));
}

// Picks an entry of the character's pop-up menu with the keyboard, as a user
// would: the keys wait in the queue for the menu's own loop.
void chooseFromMenu(HWND character, std::vector<WPARAM> keys)
{
    PostMessageW(character, WM_RBUTTONUP, 0, MAKELPARAM(60, 60));
    for (WPARAM key : keys)
        PostMessageW(character, WM_KEYDOWN, key, 0);
    pump(300);
}

// One character through rest, "Wave", speech and thought, with its screenshots.
void showCharacter(IDispatch* a, long guia, const std::string& name, const std::wstring& folder)
{
    check.section(("the " + name + ": shown, waving, speaking, thinking").c_str());
    const ScreenShot empty = ScreenShot::take(kShotArea);
    journal->clear();
    expectOk(callMethod(a, L"Show", {Var::int32(3082), Var::int32(guia)}), "Show " + name);
    pump(700);
    HWND character = onlyWindow(names::kCharacterWindowClass);
    if (!check.that(character && IsWindowVisible(character), name + " has one visible window"))
        return;
    check.that(sameRect(rectOf(character), kShownPlace),
               name + " stands at " + describe(kShownPlace) + ": " + describe(rectOf(character)));
    const ScreenShot rest = ScreenShot::take(kShotArea);
    check.that(rest.differingPixels(empty) > 3000,
               name + " is on the screen: " + std::to_string(rest.differingPixels(empty)) + " pixels changed");
    rest.savePng(folder + L"\\" + std::wstring(name.begin(), name.end()) + L"-rest.png");

    expectOk(callMethod(a, L"Action", {Var::int32(62)}), name + " Wave");
    pump(100);
    const ScreenShot wave1 = ScreenShot::take(kShotArea);
    pump(200);
    const ScreenShot wave2 = ScreenShot::take(kShotArea);
    check.that(wave1.differingPixels(wave2) > 200 && wave1.differingPixels(rest) > 200,
               name + "'s wave has frames of its own: " + std::to_string(wave1.differingPixels(wave2)) +
                   " pixels between two of them");
    wave1.savePng(folder + L"\\" + std::wstring(name.begin(), name.end()) + L"-wave.png");
    pump(1000);

    const std::wstring sentence = L"Hola, soy tu asistente. ¿En qué te ayudo?";
    expectOk(callMethod(a, L"Speak", {Var::text(sentence)}), name + " Speak");
    pump(500);
    HWND balloon = onlyWindow(names::kBalloonWindowClass);
    check.that(balloon && IsWindowVisible(balloon) && windowText(balloon) == sentence,
               name + "'s balloon reads the sentence: \"" + narrow(balloon ? windowText(balloon) : L"") + "\"");
    check.that(balloon && accessibleName(balloon) == sentence,
               name + "'s balloon is named by its sentence for a screen reader: \"" +
                   narrow(balloon ? accessibleName(balloon) : L"") + "\"");
    ScreenShot::take(kShotArea).savePng(folder + L"\\" + std::wstring(name.begin(), name.end()) + L"-speaking.png");
    pump(2500);
    expectOk(callMethod(a, L"Think", {Var::text(L"Mmm... déjame pensar.")}), name + " Think");
    pump(400);
    check.that(balloon && IsWindowVisible(balloon) && windowText(balloon) == L"Mmm... déjame pensar.",
               name + "'s thought balloon reads the thought");
    ScreenShot::take(kShotArea).savePng(folder + L"\\" + std::wstring(name.begin(), name.end()) + L"-thinking.png");
    const Lines voice = journal->calls();
    const Lines expected{
        "Voices.EnumTokens(\"Language=C0A\")",
        "Voice.SetVoice(\"HKEY_LOCAL_MACHINE\\\\SOFTWARE\\\\Microsoft\\\\Speech\\\\Voices\\\\Tokens\\\\"
        "StandInEs\")",
        "Voice.Speak(\"" + narrow(sentence) + "\",17)"};
    check.that(voice == expected, name + ": the voice is the Spanish one, asynchronous, and Think is silent" +
                                      JournalReader::describe(expected, voice));
}

void behaviour(const std::wstring& folder)
{
    // The client's own window has the focus; the character must not take it.
    HWND own = CreateWindowExW(0, L"STATIC", L"cliente", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200, nullptr,
                               nullptr, nullptr, nullptr);
    SetForegroundWindow(own);
    pump(200);
    IDispatch* a = newAssistant();
    if (!a)
        return;
    const char* characters[] = {"genie", "wizard", "robot", "parrot"};
    for (long guia = 0; guia < 4; ++guia)
        showCharacter(a, guia, characters[guia], folder);
    check.that(GetForegroundWindow() == own, "the client's window keeps the focus");
    check.that(windowsOfClass(names::kCharacterWindowClass).size() == 1, "each Show replaced the character before");

    check.section("Move, Stop, the pop-up menu, Unload");
    HWND character = onlyWindow(names::kCharacterWindowClass);
    pump(2000); // the last thought has gone
    short x = 100, y = 200;
    expectOk(callMethod(a, L"Move", {Var::refInt16(&x), Var::refInt16(&y)}), "Move");
    pump(300);
    const RECT moving = rectOf(character);
    check.that(moving.left < kShownPlace.left && moving.left > 100, "the character glides: " + describe(moving));
    pump(2700);
    check.that(sameRect(rectOf(character), RECT{100, 200, 228, 328}),
               "Move ends at (100, 200) within 3 s: " + describe(rectOf(character)));

    journal->clear();
    expectOk(callMethod(a, L"Speak", {Var::text(L"Esta frase larga se corta antes de acabar de decirla")}),
             "a long Speak");
    pump(300);
    expectOk(callMethod(a, L"Stop_Asistente"), "Stop_Asistente");
    Lines calls = journal->calls();
    check.that(!calls.empty() && calls.back() == "Voice.Speak(2)",
               "Stop purges the voice" + JournalReader::describe({"Voice.Speak(2)"}, calls));
    HWND balloon = onlyWindow(names::kBalloonWindowClass);
    check.that(balloon && !IsWindowVisible(balloon), "Stop takes the balloon away");

    chooseFromMenu(character, {VK_DOWN, VK_RETURN});
    HWND options = onlyWindow(names::kOptionsWindowClass);
    check.that(options && windowText(options) == L"Opciones Avanzadas",
               "the menu's \"Opciones Avanzadas\" opens the options window");
    if (options) {
        // The user turns the voice off and accepts: kept for the user, and heard no more.
        SendMessageW(FindWindowExW(options, nullptr, L"BUTTON", L"&Leer en voz alta lo que dice el asistente"),
                     BM_CLICK, 0, 0);
        SendMessageW(FindWindowExW(options, nullptr, L"BUTTON", L"Aceptar"), BM_CLICK, 0, 0);
        check.that(!IsWindow(options) && storedSpeakAloud() == 0, "\"Aceptar\" keeps the voice off for the user");
        journal->clear();
        expectOk(callMethod(a, L"Speak", {Var::text(L"Ahora sin voz")}), "Speak with the voice off");
        pump(200);
        check.that(journal->calls().empty() && windowText(onlyWindow(names::kBalloonWindowClass)) == L"Ahora sin voz",
                   "with the voice off, the balloon alone");
        pump(1600);
        SHDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Gesticon");
    }
    chooseFromMenu(character, {VK_UP, VK_RETURN});
    pump(700);
    check.that(IsWindow(character) && !IsWindowVisible(character), "the menu's \"Ocultar\" hides the character");
    expectOk(callMethod(a, L"Show", {Var::int32(3082), Var::int32(0)}), "Show after hiding");
    pump(600);
    character = onlyWindow(names::kCharacterWindowClass);
    check.that(character && IsWindowVisible(character), "Show brings it back");

    // No voice installed at all: the balloon alone, at reading speed.
    SetEnvironmentVariableW(L"VOICE_STANDIN_NO_VOICES", L"1");
    expectOk(callMethod(a, L"Show", {Var::int32(1036), Var::int32(1)}), "Show with no voice installed");
    pump(500);
    journal->clear();
    expectOk(callMethod(a, L"Speak", {Var::text(L"Nadie me oye")}), "Speak with no voice installed");
    pump(200);
    const Lines lookedFor{"Voices.EnumTokens(\"Language=40C\")", "Voices.EnumTokens()"};
    check.that(journal->calls() == lookedFor && windowText(onlyWindow(names::kBalloonWindowClass)) == L"Nadie me oye",
               "without any voice the balloon speaks alone" + JournalReader::describe(lookedFor, journal->calls()));
    SetEnvironmentVariableW(L"VOICE_STANDIN_NO_VOICES", nullptr);
    pump(1600);
    character = onlyWindow(names::kCharacterWindowClass);

    IDispatch* second = newAssistant();
    if (second) {
        expectOk(callMethod(second, L"Show", {Var::int32(1033), Var::int32(3)}), "a second object's Show");
        pump(300);
        check.that(windowsOfClass(names::kCharacterWindowClass).size() == 2, "two objects show two characters");
        second->Release();
        pump(100);
        check.that(windowsOfClass(names::kCharacterWindowClass).size() == 1, "the last Release takes its window away");
    }

    expectOk(callMethod(a, L"Unload"), "Unload");
    check.that(!IsWindow(character) && windowsOfClass(names::kBalloonWindowClass).empty(),
               "Unload destroys the character's windows");
    CallResult again = callMethod(a, L"Unload");
    check.that(again.code == kNotLoaded && again.description.find(L"CharacterID") != std::wstring::npos,
               "a second Unload fails with the built-in control's own code: " + hex(again.code));
    CallResult unknown = callMethod(a, L"Show", {Var::int32(3082), Var::int32(-1)});
    check.that(unknown.code == S_OK, "a number that names no character keeps the last one");
    a->Release();

    IDispatch* fresh = newAssistant();
    if (fresh) {
        CallResult nameless = callMethod(fresh, L"Show", {Var::int32(3082), Var::int32(-1)});
        check.that(nameless.code == kUnknownCharacter &&
                       nameless.description.find(L"chars\\.acs") != std::wstring::npos,
                   "a first Show without a character names the file it looked for: " + hex(nameless.code) + " " +
                       narrow(nameless.description));
        fresh->Release();
    }
    DestroyWindow(own);
}

// Wine's own speech: whatever it answers, the assistant neither crashes nor hangs.
void wineVoice()
{
    check.section("Wine's own voice");
    IDispatch* a = newAssistant();
    if (!a)
        return;
    expectOk(callMethod(a, L"Show", {Var::int32(3082), Var::int32(2)}), "Show");
    pump(500);
    expectOk(callMethod(a, L"Speak", {Var::text(L"Hola desde Wine")}), "Speak");
    pump(1500);
    expectOk(callMethod(a, L"Stop_Asistente"), "Stop_Asistente");
    expectOk(callMethod(a, L"Speak", {Var::text(L"Adiós")}), "Speak again");
    pump(500);
    expectOk(callMethod(a, L"Unload"), "Unload");
    a->Release();
}

} // namespace

int main(int argc, char** argv)
{
    CoInitialize(nullptr);
    JournalReader reader;
    journal = &reader;
    if (argc > 1 && std::strcmp(argv[1], "wine-voice") == 0)
        wineVoice();
    else if (argc > 1) {
        const int size = MultiByteToWideChar(CP_ACP, 0, argv[1], -1, nullptr, 0);
        std::wstring folder(static_cast<std::size_t>(size), L'\0');
        MultiByteToWideChar(CP_ACP, 0, argv[1], -1, folder.data(), size);
        folder.resize(static_cast<std::size_t>(size - 1));
        behaviour(folder);
    } else
        check.that(false, "usage: builtin_client.exe SHOTS_FOLDER | wine-voice");
    const int failures = check.finish();
    CoUninitialize();
    return failures;
}
