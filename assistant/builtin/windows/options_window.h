#pragma once
// "Opciones Avanzadas" of the built-in assistant: whether it speaks aloud,
// how fast, and in which of the installed voices. Opened by the pop-up menu's
// command; what the user accepts is kept per user (voice_settings.h).

#include <windows.h>

#include <vector>

#include "sapi_voice.h"

namespace gesticon::builtin {

class OptionsWindow {
public:
    OptionsWindow() = default;
    ~OptionsWindow();
    OptionsWindow(const OptionsWindow&) = delete;
    OptionsWindow& operator=(const OptionsWindow&) = delete;

    // Opens the window, or brings it forward when it is open; false with the
    // thread's last error set when it cannot be made.
    bool open();
    static void unregisterClass();

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void build();
    void accept();

    HWND window_ = nullptr;
    HWND speakAloud_ = nullptr;
    HWND rate_ = nullptr;
    HWND voice_ = nullptr;
    std::vector<InstalledVoice> voices_;
};

} // namespace gesticon::builtin
