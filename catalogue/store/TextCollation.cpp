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

void appendPrimary(QByteArray& key, std::uint32_t primary)
{
    const std::uint32_t p = primary + primaryOffset;
    key.append(char((p >> 16) & 0xFF));
    key.append(char((p >> 8) & 0xFF));
    key.append(char(p & 0xFF));
}

template <typename F>
void forEachCodePoint(QStringView text, F&& f)
{
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        char32_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < n && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(char16_t(c), text[i + 1].unicode());
            ++i;
        }
        f(c);
    }
}

} // namespace

QByteArray collationKey(QStringView text)
{
    QByteArray primaries;
    QByteArray secondaries;
    primaries.reserve(text.size() * 3 + 1);
    secondaries.reserve(text.size());
    forEachCodePoint(text, [&](char32_t c) {
        const Weight w = weightOf(c);
        if (w.primary == 0 && c != 0) {
            for (const char* p = expansionFor(c); *p; ++p) {
                appendPrimary(primaries, letterWeight(char32_t(*p)));
                secondaries.append('\0');
            }
            return;
        }
        appendPrimary(primaries, w.primary);
        secondaries.append(char(w.secondary));
    });
    primaries.append('\0');
    primaries.append(secondaries);
    return primaries;
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
