#pragma once
// A rectangle of the screen as the user sees it, read through the screen's
// device context, compared pixel by pixel and kept as a PNG file.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace gesticon::tests {

class ScreenShot {
public:
    static ScreenShot take(const RECT& area);

    // Pixels (0x00RRGGBB) that differ from `other`'s, which has the same size.
    int differingPixels(const ScreenShot& other) const;
    // Pixels unlike the one at the top left corner (the desktop's colour).
    int pixelsUnlikeCorner() const;
    bool savePng(const std::wstring& path) const;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;
};

} // namespace gesticon::tests
