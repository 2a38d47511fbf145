#pragma once

#include <QStringView>

namespace catalogue {

// The author's contact links, until the project has addresses of its own.
// The about window's two web labels show exactly these texts, in labels
// sized for short addresses, so they are kept short.
inline constexpr QStringView kContactMailLink = u"mailto:brisvel@example.org";
inline constexpr QStringView kContactWebSite = u"https://example.org/";
inline constexpr QStringView kSecondWebSite = u"https://example.org:4003/";

} // namespace catalogue
