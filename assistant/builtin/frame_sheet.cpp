#include "frame_sheet.h"

// Only PNG from memory: nothing of the decoder touches files or other formats.
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#include <stb_image.h>

namespace gesticon::builtin {

namespace {

constexpr int kStripWidth = kFrameSize * kPoseCount;

std::uint32_t premultiplied(const stbi_uc* rgba)
{
    const std::uint32_t a = rgba[3];
    auto scale = [a](std::uint32_t c) { return (c * a + 127) / 255; };
    return (a << 24) | (scale(rgba[0]) << 16) | (scale(rgba[1]) << 8) | scale(rgba[2]);
}

} // namespace

std::optional<FrameSheet> FrameSheet::decode(std::span<const std::uint8_t> png)
{
    int width = 0, height = 0, channels = 0;
    stbi_uc* rgba = stbi_load_from_memory(png.data(), static_cast<int>(png.size()), &width, &height, &channels, 4);
    if (!rgba)
        return std::nullopt;
    std::optional<FrameSheet> sheet;
    if (width == kStripWidth && height == kFrameSize) {
        std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
        for (std::size_t i = 0; i < pixels.size(); ++i)
            pixels[i] = premultiplied(rgba + 4 * i);
        sheet = FrameSheet(std::move(pixels));
    }
    stbi_image_free(rgba);
    return sheet;
}

std::span<const std::uint32_t> FrameSheet::row(Pose pose, int y) const
{
    const std::size_t start = static_cast<std::size_t>(y) * kStripWidth + static_cast<std::size_t>(pose) * kFrameSize;
    return std::span<const std::uint32_t>(pixels_).subspan(start, kFrameSize);
}

} // namespace gesticon::builtin
