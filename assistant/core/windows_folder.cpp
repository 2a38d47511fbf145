#include "windows_folder.h"

#include <array>

namespace gesticon {

std::wstring BuscarCarpetaWindows(const Platform& platform)
{
    // A fixed buffer of 145 zero bytes, as the classic lookup used; the answer
    // is cut to the returned length, or kept whole when the length exceeds it.
    constexpr std::uint32_t kBufferSize = 145;
    std::array<char, kBufferSize> buffer{};
    const std::uint32_t n = platform.getWindowsDirectoryA(buffer.data(), kBufferSize);

    std::wstring folder = platform.ansiToWide(std::string_view(buffer.data(), buffer.size()));
    if (n < folder.size())
        folder.resize(n);
    if (!folder.empty() && folder.back() != L'\\')
        folder += L'\\';
    return folder;
}

} // namespace gesticon
