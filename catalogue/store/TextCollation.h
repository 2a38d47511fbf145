#pragma once
// How the catalogue compares text: the platform's own Spanish collation
// (ICU on Linux, the system's on Windows), as a Spanish reader files titles.
// Letter case never matters; an accent counts only between texts whose letters
// are the same ("Alvaro" before "Álvaro", but "Álvarez" before "Alvaro"); "ñ"
// is a letter of its own between "n" and "o"; spaces and punctuation are
// passed over, so "¿Quién...?" files under Q and "[REC]" under R; a decomposed
// "ñ" (n and a combining tilde) is the same letter as the precomposed one.
//
// Nothing here depends on Qt, so each platform's file stays small and the
// Windows one can be built on its own.

#include <string>
#include <string_view>

namespace catalogue {

// Appends the sort key of a UTF-8 text to `key`: the plain byte order of two
// keys is the order of their texts, and equal keys mean texts that file together.
void appendCollationKey(std::string& key, std::string_view utf8);

// Whether two UTF-8 texts name the same thing for a find criterion: letter case
// is ignored, but accents, spaces and punctuation count ("Almodovar" is not
// "Almodóvar", "OBrien" is not "O'Brien").
bool textEquals(std::string_view a, std::string_view b);

inline std::string collationKey(std::string_view utf8)
{
    std::string key;
    appendCollationKey(key, utf8);
    return key;
}

// Negative, zero or positive as text a files before, with or after text b.
inline int compareText(std::string_view a, std::string_view b)
{
    const int c = collationKey(a).compare(collationKey(b));
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

} // namespace catalogue
