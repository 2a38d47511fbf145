#include "character_window.h"

#include "window_names.h"

#include <cstring>

// The library's own module, without asking the loader for it.
extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace gesticon::builtin {

namespace {

constexpr UINT_PTR kTimer = 1;
constexpr UINT kTickMs = 40;
constexpr UINT kVoiceMessage = WM_APP + 1;
constexpr UINT kFirstCommandItem = 100;
constexpr UINT kHideItem = 1;

HINSTANCE thisModule()
{
    return reinterpret_cast<HINSTANCE>(&__ImageBase);
}

std::optional<FrameSheet> loadFrames(Character which)
{
    HRSRC resource = FindResourceW(thisModule(), resourceName(which), MAKEINTRESOURCEW(10)); // RT_RCDATA
    HGLOBAL loaded = resource ? LoadResource(thisModule(), resource) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) {
        SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
        return std::nullopt;
    }
    auto sheet = FrameSheet::decode(
        std::span<const std::uint8_t>(static_cast<const std::uint8_t*>(bytes), SizeofResource(thisModule(), resource)));
    if (!sheet)
        SetLastError(ERROR_INVALID_DATA);
    return sheet;
}

} // namespace

bool CharacterWindow::registerClasses()
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = thisModule();
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.lpszClassName = kCharacterWindowClass;
    const bool registered = RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    return registered && BalloonWindow::registerClass(thisModule());
}

void CharacterWindow::unregisterClasses()
{
    UnregisterClassW(kCharacterWindowClass, thisModule());
    UnregisterClassW(kBalloonWindowClass, thisModule());
}

std::shared_ptr<CharacterWindow> CharacterWindow::create(Character which, CommandRaiser raiseCommand)
{
    auto frames = loadFrames(which);
    if (!frames || !registerClasses())
        return nullptr;
    // Never in the taskbar, never taking the focus from the client's window.
    HWND window =
        CreateWindowExW(WS_EX_LAYERED | WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kCharacterWindowClass,
                        L"Asistente", WS_POPUP, 0, 0, kFrameSize, kFrameSize, nullptr, nullptr, thisModule(), nullptr);
    if (!window)
        return nullptr;
    std::shared_ptr<CharacterWindow> character(
        new CharacterWindow(window, std::move(*frames), std::move(raiseCommand)));
    if (!character->makeSurface() || !character->balloon_.create(thisModule()))
        return nullptr;
    return character;
}

CharacterWindow::CharacterWindow(HWND window, FrameSheet frames, CommandRaiser raiseCommand)
    : window_(window), frames_(std::move(frames)), raiseCommand_(std::move(raiseCommand)),
      voice_(window, kVoiceMessage), stage_(voice_, [] { return static_cast<std::uint32_t>(GetTickCount()); })
{
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

CharacterWindow::~CharacterWindow()
{
    stage_.stop();
    if (window_) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
    if (surface_) {
        SelectObject(surface_, previousBitmap_);
        DeleteDC(surface_);
    }
    if (bitmap_)
        DeleteObject(bitmap_);
}

bool CharacterWindow::makeSurface()
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = kFrameSize;
    info.bmiHeader.biHeight = -kFrameSize; // top row first, as the frames are
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    surface_ = CreateCompatibleDC(nullptr);
    bitmap_ = surface_ ? CreateDIBSection(surface_, &info, DIB_RGB_COLORS, &bits, nullptr, 0) : nullptr;
    if (!bitmap_)
        return false;
    pixels_ = static_cast<std::uint32_t*>(bits);
    previousBitmap_ = SelectObject(surface_, bitmap_);
    return true;
}

void CharacterWindow::addCommand(std::wstring name, std::wstring caption)
{
    commands_.push_back({std::move(name), std::move(caption)});
}

void CharacterWindow::place(std::optional<int> left, std::optional<int> top)
{
    Point where = stage_.scene().place;
    where.x = left.value_or(where.x);
    where.y = top.value_or(where.y);
    stage_.place(where);
    refresh();
}

void CharacterWindow::refresh()
{
    stage_.advance();
    draw(stage_.scene());
    const bool busy = stage_.busy();
    if (busy && !ticking_)
        ticking_ = SetTimer(window_, kTimer, kTickMs, nullptr) != 0;
    else if (!busy && ticking_) {
        KillTimer(window_, kTimer);
        ticking_ = false;
    }
}

void CharacterWindow::draw(const Scene& scene)
{
    if (!drawnOnce_ || scene.pose != drawn_.pose) {
        for (int y = 0; y < kFrameSize; ++y) {
            auto row = frames_.row(scene.pose, y);
            std::memcpy(pixels_ + y * kFrameSize, row.data(), row.size_bytes());
        }
    }
    if (!drawnOnce_ || scene.pose != drawn_.pose || scene.opacity != drawn_.opacity || scene.place != drawn_.place) {
        POINT to{scene.place.x, scene.place.y};
        SIZE size{kFrameSize, kFrameSize};
        POINT from{0, 0};
        BLENDFUNCTION blend{AC_SRC_OVER, 0, scene.opacity, AC_SRC_ALPHA};
        UpdateLayeredWindow(window_, nullptr, &to, &size, surface_, &from, 0, &blend, ULW_ALPHA);
    }
    if (!drawnOnce_ || scene.visible != drawn_.visible)
        ShowWindow(window_, scene.visible ? SW_SHOWNOACTIVATE : SW_HIDE);
    const RECT body{scene.place.x, scene.place.y, scene.place.x + kFrameSize, scene.place.y + kFrameSize};
    if (!drawnOnce_ || scene.balloon != drawn_.balloon || scene.place != drawn_.place ||
        scene.visible != drawn_.visible)
        balloon_.show(scene.visible ? scene.balloon : Balloon{}, body);
    drawn_ = scene;
    drawnOnce_ = true;
}

void CharacterWindow::popUpMenu(POINT where)
{
    // A command may unload this character; it stays alive until the menu is done.
    auto keep = shared_from_this();
    HMENU menu = CreatePopupMenu();
    if (!menu)
        return;
    for (std::size_t i = 0; i < commands_.size(); ++i)
        AppendMenuW(menu, MF_STRING, kFirstCommandItem + i, commands_[i].caption.c_str());
    AppendMenuW(menu, MF_STRING, kHideItem, L"&Ocultar");
    // A pop-up menu closes when its owner is the foreground window.
    SetForegroundWindow(window_);
    const UINT chosen = static_cast<UINT>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, where.x, where.y, 0, window_, nullptr));
    PostMessageW(window_, WM_NULL, 0, 0);
    DestroyMenu(menu);
    if (chosen == kHideItem) {
        stage_.hide();
        refresh();
    } else if (chosen >= kFirstCommandItem && chosen - kFirstCommandItem < commands_.size())
        raiseCommand_(std::wstring(commands_[chosen - kFirstCommandItem].name));
}

LRESULT CharacterWindow::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_TIMER:
        if (wParam == kTimer)
            refresh();
        return 0;
    case kVoiceMessage:
        voice_.deliverEvents(stage_);
        refresh();
        return 0;
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_LBUTTONDOWN: {
        // The left button drags the character.
        POINT cursor;
        GetCursorPos(&cursor);
        grip_ = {cursor.x - stage_.scene().place.x, cursor.y - stage_.scene().place.y};
        dragging_ = true;
        SetCapture(window_);
        return 0;
    }
    case WM_MOUSEMOVE:
        if (dragging_) {
            POINT cursor;
            GetCursorPos(&cursor);
            place(cursor.x - grip_.x, cursor.y - grip_.y);
        }
        return 0;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
        if (dragging_) {
            dragging_ = false;
            if (message == WM_LBUTTONUP)
                ReleaseCapture();
        }
        return 0;
    case WM_RBUTTONUP: {
        POINT cursor;
        GetCursorPos(&cursor);
        popUpMenu(cursor);
        return 0;
    }
    default: return DefWindowProcW(window_, message, wParam, lParam);
    }
}

LRESULT CALLBACK CharacterWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<CharacterWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        self->window_ = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->handle(message, wParam, lParam);
}

} // namespace gesticon::builtin
