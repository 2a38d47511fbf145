#pragma once
// One built-in character on screen: a topmost layered window that draws the
// stage's scene with per-pixel transparency, its balloon, its voice and its
// pop-up menu. Everything runs on the thread that created it: the stage is
// advanced by a timer of the window and by the voice's window message.

#include "balloon_window.h"
#include "character_choice.h"
#include "frame_sheet.h"
#include "sapi_voice.h"
#include "stage.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace gesticon::builtin {

class CharacterWindow : public std::enable_shared_from_this<CharacterWindow> {
public:
    // Raises the control's Command event with a command's name.
    using CommandRaiser = std::function<void(const std::wstring& name)>;

    // Nothing, with the thread's last error set, when a window or the frames cannot be made.
    static std::shared_ptr<CharacterWindow> create(Character which, CommandRaiser raiseCommand);
    ~CharacterWindow();
    CharacterWindow(const CharacterWindow&) = delete;
    CharacterWindow& operator=(const CharacterWindow&) = delete;

    static bool registerClasses();
    static void unregisterClasses();

    Stage& stage() { return stage_; }
    void setLanguageId(std::int32_t languageId) { voice_.setLanguage(languageId); }
    void addCommand(std::wstring name, std::wstring caption);
    void setSoundEffectsOn(bool on) { soundEffectsOn_ = on; }
    // Left and Top: the character stands there at once.
    void place(std::optional<int> left, std::optional<int> top);
    // Brings the windows up to the stage's present; after every request.
    void refresh();

private:
    struct Command {
        std::wstring name;
        std::wstring caption;
    };

    CharacterWindow(HWND window, FrameSheet frames, CommandRaiser raiseCommand);
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    bool makeSurface();
    void draw(const Scene& scene);
    void popUpMenu(POINT where);

    HWND window_;
    FrameSheet frames_;
    CommandRaiser raiseCommand_;
    SapiVoice voice_;
    Stage stage_;
    BalloonWindow balloon_;
    std::vector<Command> commands_;
    bool soundEffectsOn_ = true; // our characters make no sounds of their own; the value is kept
    // The frame's pixels, handed to UpdateLayeredWindow.
    HDC surface_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previousBitmap_ = nullptr;
    std::uint32_t* pixels_ = nullptr;
    Scene drawn_;
    bool drawnOnce_ = false;
    bool ticking_ = false;
    bool dragging_ = false;
    POINT grip_{};
};

} // namespace gesticon::builtin
