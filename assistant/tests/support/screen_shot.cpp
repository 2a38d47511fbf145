#include "screen_shot.h"

#include <cstdio>

#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

namespace gesticon::tests {

ScreenShot ScreenShot::take(const RECT& area)
{
    ScreenShot shot;
    shot.width_ = area.right - area.left;
    shot.height_ = area.bottom - area.top;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = shot.width_;
    info.bmiHeader.biHeight = -shot.height_;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, shot.width_, shot.height_, screen, area.left, area.top, SRCCOPY);
    GdiFlush();
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    shot.pixels_.assign(pixels, pixels + shot.width_ * shot.height_);
    for (auto& pixel : shot.pixels_)
        pixel &= 0x00FFFFFF;
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return shot;
}

int ScreenShot::differingPixels(const ScreenShot& other) const
{
    int count = 0;
    for (std::size_t i = 0; i < pixels_.size() && i < other.pixels_.size(); ++i)
        count += pixels_[i] != other.pixels_[i];
    return count;
}

int ScreenShot::pixelsUnlikeCorner() const
{
    int count = 0;
    for (std::uint32_t pixel : pixels_)
        count += pixel != pixels_.front();
    return count;
}

bool ScreenShot::savePng(const std::wstring& path) const
{
    std::vector<unsigned char> rgb;
    rgb.reserve(pixels_.size() * 3);
    for (std::uint32_t pixel : pixels_) {
        rgb.push_back(static_cast<unsigned char>(pixel >> 16));
        rgb.push_back(static_cast<unsigned char>(pixel >> 8));
        rgb.push_back(static_cast<unsigned char>(pixel));
    }
    int length = 0;
    unsigned char* png = stbi_write_png_to_mem(rgb.data(), width_ * 3, width_, height_, 3, &length);
    if (!png)
        return false;
    FILE* file = _wfopen(path.c_str(), L"wb");
    const bool written =
        file && std::fwrite(png, 1, static_cast<std::size_t>(length), file) == static_cast<std::size_t>(length);
    if (file)
        std::fclose(file);
    STBIW_FREE(png);
    return written;
}

} // namespace gesticon::tests
