#pragma once
// The word balloon beside a built-in character: a speech balloon with a tail,
// or a thought cloud with its trail of bubbles. The window's own text is the
// whole sentence, so a screen reader (through GetWindowText or the window's
// accessible name) reads what the character says; only its drawing reveals
// the words as they are spoken.

#include "stage.h"

#include <windows.h>

namespace gesticon::builtin {

class BalloonWindow {
public:
    BalloonWindow() = default;
    ~BalloonWindow();
    BalloonWindow(const BalloonWindow&) = delete;
    BalloonWindow& operator=(const BalloonWindow&) = delete;

    // Creates the (hidden) window; false with the thread's last error set.
    bool create(HINSTANCE module);
    // Shows `balloon` beside the character at `character` (screen
    // coordinates), or hides the window when there is no balloon.
    void show(const Balloon& balloon, const RECT& character);

    static bool registerClass(HINSTANCE module);

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void paint();
    void reshape(const RECT& character);

    HWND window_ = nullptr;
    HFONT font_ = nullptr;
    Balloon balloon_;
    RECT text_{};        // where the text goes, in the window
    bool below_ = false; // the balloon under the character, its tail pointing up
    int tailX_ = 0;
};

} // namespace gesticon::builtin
