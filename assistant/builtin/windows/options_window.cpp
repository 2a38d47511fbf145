#include "options_window.h"

#include "voice_settings.h"
#include "window_names.h"

#include <cstdlib>
#include <iterator>

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace gesticon::builtin {

namespace {

enum Control : int { kSpeakAloud = 10, kRate, kVoice, kAccept, kCancel };

struct RateChoice {
    const wchar_t* label;
    int rate;
};
constexpr RateChoice kRates[] = {
    {L"Muy lenta", -6}, {L"Lenta", -3}, {L"Normal", 0}, {L"Rápida", 3}, {L"Muy rápida", 6},
};

HINSTANCE thisModule()
{
    return reinterpret_cast<HINSTANCE>(&__ImageBase);
}

HWND child(HWND parent, const wchar_t* kind, const wchar_t* text, DWORD style, int id, RECT place)
{
    HWND control =
        CreateWindowExW(0, kind, text, WS_CHILD | WS_VISIBLE | style, place.left, place.top, place.right, place.bottom,
                        parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), thisModule(), nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
    return control;
}

} // namespace

OptionsWindow::~OptionsWindow()
{
    if (window_)
        DestroyWindow(window_);
}

void OptionsWindow::unregisterClass()
{
    UnregisterClassW(kOptionsWindowClass, thisModule());
}

bool OptionsWindow::open()
{
    if (window_) {
        ShowWindow(window_, SW_SHOWNORMAL);
        SetForegroundWindow(window_);
        return true;
    }
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = thisModule();
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kOptionsWindowClass;
    if (!RegisterClassExW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return false;
    RECT size{0, 0, 300, 170};
    const DWORD style = WS_CAPTION | WS_SYSMENU | WS_POPUP;
    AdjustWindowRectEx(&size, style, FALSE, WS_EX_TOPMOST);
    window_ =
        CreateWindowExW(WS_EX_TOPMOST, kOptionsWindowClass, L"Opciones Avanzadas", style, CW_USEDEFAULT, CW_USEDEFAULT,
                        size.right - size.left, size.bottom - size.top, nullptr, nullptr, thisModule(), nullptr);
    if (!window_)
        return false;
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    build();
    ShowWindow(window_, SW_SHOWNORMAL);
    return true;
}

void OptionsWindow::build()
{
    const VoiceSettings settings = loadVoiceSettings();
    speakAloud_ = child(window_, L"BUTTON", L"&Leer en voz alta lo que dice el asistente", BS_AUTOCHECKBOX | WS_TABSTOP,
                        kSpeakAloud, {12, 12, 276, 20});
    SendMessageW(speakAloud_, BM_SETCHECK, settings.speakAloud ? BST_CHECKED : BST_UNCHECKED, 0);

    child(window_, L"STATIC", L"&Velocidad de la voz:", 0, 0, {12, 44, 110, 16});
    rate_ = child(window_, L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_TABSTOP | WS_VSCROLL, kRate, {126, 40, 162, 200});
    int nearest = 2;
    for (int i = 0; i < static_cast<int>(std::size(kRates)); ++i) {
        SendMessageW(rate_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kRates[i].label));
        if (std::abs(kRates[i].rate - settings.rate) < std::abs(kRates[nearest].rate - settings.rate))
            nearest = i;
    }
    SendMessageW(rate_, CB_SETCURSEL, nearest, 0);

    child(window_, L"STATIC", L"V&oz:", 0, 0, {12, 78, 110, 16});
    voice_ = child(window_, L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_TABSTOP | WS_VSCROLL, kVoice, {126, 74, 162, 200});
    SendMessageW(voice_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"La del idioma del personaje"));
    voices_ = installedVoices();
    int selected = 0;
    for (std::size_t i = 0; i < voices_.size(); ++i) {
        SendMessageW(voice_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(voices_[i].description.c_str()));
        if (voices_[i].id == settings.voiceId)
            selected = static_cast<int>(i) + 1;
    }
    SendMessageW(voice_, CB_SETCURSEL, selected, 0);

    child(window_, L"BUTTON", L"Aceptar", BS_DEFPUSHBUTTON | WS_TABSTOP, kAccept, {126, 128, 78, 26});
    child(window_, L"BUTTON", L"Cancelar", BS_PUSHBUTTON | WS_TABSTOP, kCancel, {210, 128, 78, 26});
}

void OptionsWindow::accept()
{
    VoiceSettings settings;
    settings.speakAloud = SendMessageW(speakAloud_, BM_GETCHECK, 0, 0) == BST_CHECKED;
    const auto rate = SendMessageW(rate_, CB_GETCURSEL, 0, 0);
    settings.rate = rate >= 0 && rate < static_cast<LRESULT>(std::size(kRates)) ? kRates[rate].rate : 0;
    const auto voice = SendMessageW(voice_, CB_GETCURSEL, 0, 0);
    if (voice > 0 && static_cast<std::size_t>(voice) <= voices_.size())
        settings.voiceId = voices_[voice - 1].id;
    if (!saveVoiceSettings(settings))
        MessageBoxW(window_, L"No se han podido guardar las opciones del asistente; siguen como estaban.",
                    L"Opciones Avanzadas", MB_OK | MB_ICONWARNING);
}

LRESULT CALLBACK OptionsWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<OptionsWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self && message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED &&
        (LOWORD(wParam) == kAccept || LOWORD(wParam) == kCancel)) {
        if (LOWORD(wParam) == kAccept)
            self->accept();
        DestroyWindow(window);
        return 0;
    }
    if (self && message == WM_NCDESTROY) {
        self->window_ = nullptr;
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace gesticon::builtin
