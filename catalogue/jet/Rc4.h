#pragma once
// RC4, the stream cipher Jet uses to scramble the head of page 0 and, in an
// encoded database, every other page. Applying it twice gives the input back.
#include <cstddef>
#include <cstdint>

namespace catalogue::jet {

void rc4(const std::uint8_t* key, std::size_t keyLength, std::uint8_t* data, std::size_t length);

} // namespace catalogue::jet
