#include "Rc4.h"

#include <array>
#include <utility>

namespace catalogue::jet {

void rc4(const std::uint8_t* key, std::size_t keyLength, std::uint8_t* data, std::size_t length)
{
    std::array<std::uint8_t, 256> state;
    for (int i = 0; i < 256; ++i)
        state[i] = std::uint8_t(i);
    std::uint8_t j = 0;
    for (int i = 0; i < 256; ++i) {
        j = std::uint8_t(j + state[i] + key[std::size_t(i) % keyLength]);
        std::swap(state[i], state[j]);
    }
    std::uint8_t a = 0, b = 0;
    for (std::size_t n = 0; n < length; ++n) {
        a = std::uint8_t(a + 1);
        b = std::uint8_t(b + state[a]);
        std::swap(state[a], state[b]);
        data[n] ^= state[std::uint8_t(state[a] + state[b])];
    }
}

} // namespace catalogue::jet
