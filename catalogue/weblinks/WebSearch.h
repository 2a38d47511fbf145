#pragma once

#include <QString>
#include <QStringView>

namespace catalogue {

// The search engine's query page; the boxes' tooltips name Google.
inline constexpr QStringView kWebSearchPrefix = u"https://www.google.com/search?q=";

// The web search for a film's title (box `b`) or director (box `e`), as the
// box shows it: spaces become "+", every character that is not unreserved
// in a URL (A-Z a-z 0-9 - . _ ~) is percent-encoded as UTF-8, and the suffix
// "+Duracion" or "+Biografía" follows, its letters encoded by the same rule.
// So "El Padrino" gives ...?q=El+Padrino+Duracion and "Fast & Furious"
// searches for the ampersand instead of stopping at it.
QString titleSearchUrl(QStringView title);
QString directorSearchUrl(QStringView director);

} // namespace catalogue
