#pragma once

#include <QIcon>
#include <QStringView>

namespace catalogue {

// Makes ":/artwork/..." (logo.jpg, about.ico, about-32.png, about-16.png)
// available. The resources live in a static library, where nothing would
// otherwise pull them into the program; calling this more than once is fine.
void loadArtwork();

inline constexpr auto kLogoPath = ":/artwork/logo.jpg";
// What the logo is called, on both windows.
inline constexpr QStringView kLogoName = u"^Brisvel^ Logo";

// The about window's icon in its two sizes.
QIcon aboutIcon();

} // namespace catalogue
