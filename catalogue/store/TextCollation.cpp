#include "TextCollation.h"

#include <QChar>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace catalogue {

namespace {

struct Weight {
    std::uint32_t primary = 0;   // 0 means "expands to two letters", see expansionFor
    std::uint8_t secondary = 0;  // the accent; 0 for none
};

constexpr std::uint32_t letterBase = 0x1000;
constexpr std::uint32_t otherBase = 0x2000;
constexpr std::uint32_t primaryOffset = 0x10000; // keeps every primary byte triple above the 0 separator

constexpr std::uint32_t letterWeight(char32_t lower)
{
    return letterBase + 2 * std::uint32_t(lower - U'a');
}
constexpr std::uint32_t enyeWeight = letterWeight(U'n') + 1;

std::uint32_t plainWeight(char32_t c)
{
    if (c >= U'A' && c <= U'Z')
        c += U'a' - U'A';
    if (c >= U'a' && c <= U'z')
        return letterWeight(c);
    if (c < 0x80)
        return c;
    return otherBase + QChar::toCaseFolded(c);
}

// Letters that a Spanish reader sorts as two (ß as ss, æ as ae, œ as oe).
const char* expansionFor(char32_t c)
{
    switch (c) {
    case 0x00DF: return "ss";
    case 0x00C6: case 0x00E6: return "ae";
    case 0x0152: case 0x0153: return "oe";
    default: return nullptr;
    }
}

Weight computeWeight(char32_t c)
{
    if (c == 0x00D1 || c == 0x00F1)
        return {enyeWeight, 0};
    if (expansionFor(c))
        return {0, 0};
    if (c == 0x00D8 || c == 0x00F8) // ø has no canonical decomposition
        return {letterWeight(U'o'), 0x40};
    if (c >= 0x80 && QChar::decompositionTag(c) == QChar::Canonical) {
        const QString parts = QChar::decomposition(c);
        if (!parts.isEmpty() && parts.at(0).unicode() < 0x80 && parts.at(0).isLetter()) {
            std::uint8_t accent = 1;
            for (qsizetype i = 1; i < parts.size(); ++i)
                accent = std::uint8_t(accent * 31 + (parts.at(i).unicode() & 0xFF) + 1);
            return {plainWeight(parts.at(0).unicode()), std::uint8_t(accent ? accent : 1)};
        }
    }
    return {plainWeight(c), 0};
}

// Latin, Greek and Cyrillic cover nearly every title; look those up in a table.
constexpr char32_t tableSize = 0x0530;

const std::vector<Weight>& weightTable()
{
    static const std::vector<Weight> table = [] {
        std::vector<Weight> t(tableSize);
        for (char32_t c = 0; c < tableSize; ++c)
            t[c] = computeWeight(c);
        return t;
    }();
    return table;
}

Weight weightOf(char32_t c)
{
    return c < tableSize ? weightTable()[c] : computeWeight(c);
}

void appendPrimary(char* out, std::uint32_t primary)
{
    const std::uint32_t p = primary + primaryOffset;
    out[0] = char((p >> 16) & 0xFF);
    out[1] = char((p >> 8) & 0xFF);
    out[2] = char(p & 0xFF);
}

// Decodes UTF-8; a malformed byte reads as U+FFFD.
template <typename F>
void forEachCodePoint(std::string_view text, F&& f)
{
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const auto* end = p + text.size();
    while (p < end) {
        const unsigned char b = *p;
        if (b < 0x80) {
            f(char32_t(b));
            ++p;
            continue;
        }
        const int length = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 0;
        if (length == 0 || end - p < length) {
            f(char32_t(0xFFFD));
            ++p;
            continue;
        }
        char32_t c = b & (0x7F >> length);
        bool valid = true;
        for (int i = 1; i < length; ++i) {
            if ((p[i] & 0xC0) != 0x80)
                valid = false;
            c = (c << 6) | (p[i] & 0x3F);
        }
        if (!valid) {
            f(char32_t(0xFFFD));
            ++p;
            continue;
        }
        f(c);
        p += length;
    }
}

} // namespace

void appendCollationKey(QByteArray& key, std::string_view utf8)
{
    // Primaries (three bytes a character), a 0 separator, then one accent byte a character.
    const qsizetype start = key.size();
    key.resize(start + qsizetype(utf8.size()) * 6 + 1);
    char* primaries = key.data() + start;
    QByteArray accents;
    accents.reserve(qsizetype(utf8.size()) * 2);
    qsizetype written = 0;
    forEachCodePoint(utf8, [&](char32_t c) {
        const Weight w = weightOf(c);
        if (w.primary == 0 && c != 0) {
            for (const char* e = expansionFor(c); *e; ++e) {
                appendPrimary(primaries + written, letterWeight(char32_t(*e)));
                written += 3;
                accents.append('\0');
            }
            return;
        }
        appendPrimary(primaries + written, w.primary);
        written += 3;
        accents.append(char(w.secondary));
    });
    primaries[written++] = '\0';
    key.resize(start + written);
    key.append(accents);
}

QByteArray collationKey(std::string_view utf8)
{
    QByteArray key;
    appendCollationKey(key, utf8);
    return key;
}

QByteArray collationKey(QStringView text)
{
    const QByteArray utf8 = text.toUtf8();
    return collationKey(std::string_view(utf8.constData(), std::size_t(utf8.size())));
}

int compareText(QStringView a, QStringView b)
{
    const QByteArray ka = collationKey(a);
    const QByteArray kb = collationKey(b);
    return ka < kb ? -1 : (kb < ka ? 1 : 0);
}

bool textEquals(QStringView a, QStringView b)
{
    return collationKey(a) == collationKey(b);
}

} // namespace catalogue
