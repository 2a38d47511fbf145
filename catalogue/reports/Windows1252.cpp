#include "Windows1252.h"

#include <array>

namespace catalogue {
namespace {

// Characters of bytes 0x80 to 0x9F. The unassigned bytes map to themselves.
constexpr std::array<char16_t, 32> kHighControlsBlock = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char byteFor(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (std::size_t i = 0; i < kHighControlsBlock.size(); ++i) {
        if (kHighControlsBlock[i] == c)
            return char(0x80 + i);
    }
    return '?';
}

} // namespace

void appendWindows1252(QStringView text, QByteArray& out)
{
    // Never more bytes than UTF-16 units, so the bytes go straight into place.
    const qsizetype start = out.size();
    out.resize(start + text.size());
    char* byte = out.data() + start;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        // A surrogate pair is one character, so it gives one "?".
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        *byte++ = byteFor(c.unicode());
    }
    out.resize(byte - out.constData());
}

} // namespace catalogue
