#include "balloon_window.h"

#include "window_names.h"

#include <algorithm>

namespace gesticon::builtin {

namespace {

constexpr int kTextWidth = 200;
constexpr int kPadding = 10;
constexpr int kTail = 16;
constexpr int kGap = 2;
constexpr COLORREF kPaper = RGB(255, 253, 231);
constexpr COLORREF kInk = RGB(43, 34, 51);

} // namespace

bool BalloonWindow::registerClass(HINSTANCE module)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = module;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.lpszClassName = kBalloonWindowClass;
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool BalloonWindow::create(HINSTANCE module)
{
    window_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kBalloonWindowClass, L"", WS_POPUP,
                              0, 0, 10, 10, nullptr, nullptr, module, nullptr);
    if (!window_)
        return false;
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    font_ = CreateFontW(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Tahoma");
    return true;
}

BalloonWindow::~BalloonWindow()
{
    if (window_)
        DestroyWindow(window_);
    if (font_)
        DeleteObject(font_);
}

void BalloonWindow::show(const Balloon& balloon, const RECT& character)
{
    if (!window_)
        return;
    if (balloon.kind == BalloonKind::None) {
        if (IsWindowVisible(window_))
            ShowWindow(window_, SW_HIDE);
        balloon_ = balloon;
        return;
    }
    const bool newText = balloon.kind != balloon_.kind || balloon.text != balloon_.text;
    balloon_ = balloon;
    if (newText)
        SetWindowTextW(window_, balloon.text.c_str());
    reshape(character);
    InvalidateRect(window_, nullptr, FALSE);
    if (!IsWindowVisible(window_))
        ShowWindow(window_, SW_SHOWNOACTIVATE);
}

void BalloonWindow::reshape(const RECT& character)
{
    // The size of the whole sentence, so the balloon keeps its size while
    // the words appear.
    HDC dc = GetDC(window_);
    HGDIOBJ old = SelectObject(dc, font_);
    RECT measured{0, 0, kTextWidth, 0};
    DrawTextW(dc, balloon_.text.c_str(), static_cast<int>(balloon_.text.size()), &measured,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL);
    SelectObject(dc, old);
    ReleaseDC(window_, dc);

    const bool thought = balloon_.kind == BalloonKind::Thought;
    const int round = thought ? 14 : 0;
    const int bodyWidth = measured.right + 2 * (kPadding + round);
    const int bodyHeight = measured.bottom + 2 * (kPadding + round / 2);
    const int width = bodyWidth, height = bodyHeight + kTail;
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int centre = (character.left + character.right) / 2;
    const int x = std::clamp(centre - width / 2, 2, std::max(2, screenWidth - width - 2));
    below_ = character.top - height - kGap < 0;
    const int y = below_ ? character.bottom + kGap : character.top - height + kGap * 4;
    tailX_ = std::clamp(centre - x, 20, width - 20);
    const int bodyTop = below_ ? kTail : 0;
    text_ = {kPadding + round, bodyTop + kPadding + round / 2, kPadding + round + measured.right,
             bodyTop + kPadding + round / 2 + measured.bottom};

    HRGN shape = thought ? CreateEllipticRgn(0, bodyTop, bodyWidth + 1, bodyTop + bodyHeight + 1)
                         : CreateRoundRectRgn(0, bodyTop, bodyWidth + 1, bodyTop + bodyHeight + 1, 18, 18);
    if (thought) {
        // A trail of bubbles from the cloud down (or up) to the character.
        const int small[][3] = {{tailX_ - 6, 2, 7}, {tailX_ - 1, 9, 5}};
        for (const auto& bubble : small) {
            const int by = below_ ? kTail - bubble[1] - bubble[2] : bodyHeight + bubble[1];
            HRGN dot = CreateEllipticRgn(bubble[0], by, bubble[0] + bubble[2] * 2, by + bubble[2] * 2);
            CombineRgn(shape, shape, dot, RGN_OR);
            DeleteObject(dot);
        }
    } else {
        POINT tail[3];
        if (below_)
            tail[0] = {tailX_ - 8, kTail + 2}, tail[1] = {tailX_ + 2, 0}, tail[2] = {tailX_ + 8, kTail + 2};
        else
            tail[0] = {tailX_ - 8, bodyHeight - 2}, tail[1] = {tailX_ + 2, height},
            tail[2] = {tailX_ + 8, bodyHeight - 2};
        HRGN pointer = CreatePolygonRgn(tail, 3, WINDING);
        CombineRgn(shape, shape, pointer, RGN_OR);
        DeleteObject(pointer);
    }
    SetWindowPos(window_, HWND_TOPMOST, x, y, width, height, SWP_NOACTIVATE);
    SetWindowRgn(window_, shape, TRUE); // the window owns the region now
}

void BalloonWindow::paint()
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window_, &ps);
    RECT all;
    GetClientRect(window_, &all);
    HBRUSH paper = CreateSolidBrush(kPaper);
    FillRect(dc, &all, paper);
    DeleteObject(paper);
    HRGN outline = CreateRectRgn(0, 0, 0, 0);
    if (GetWindowRgn(window_, outline) != ERROR) {
        HBRUSH ink = CreateSolidBrush(kInk);
        FrameRgn(dc, outline, ink, 1, 1);
        DeleteObject(ink);
    }
    DeleteObject(outline);
    HGDIOBJ old = SelectObject(dc, font_);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kInk);
    const std::size_t shown = std::min(balloon_.shown, balloon_.text.size());
    DrawTextW(dc, balloon_.text.c_str(), static_cast<int>(shown), &text_, DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL);
    SelectObject(dc, old);
    EndPaint(window_, &ps);
}

LRESULT CALLBACK BalloonWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<BalloonWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
    case WM_PAINT:
        if (self) {
            self->paint();
            return 0;
        }
        break;
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_NCDESTROY:
        if (self)
            self->window_ = nullptr;
        break;
    default: break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace gesticon::builtin
