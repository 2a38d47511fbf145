#pragma once

#include <QIcon>

namespace catalogue {

// Makes ":/artwork/..." (logo.jpg, about.ico, about-32.png, about-16.png)
// available. The resources live in a static library, where nothing would
// otherwise pull them into the program; calling this more than once is fine.
void loadArtwork();

inline constexpr auto kLogoPath = ":/artwork/logo.jpg";

// The about window's icon in its two sizes.
QIcon aboutIcon();

} // namespace catalogue
