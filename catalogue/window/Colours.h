#pragma once
// The colours of the main window and of the about window, on their black background.
#include <QColor>

namespace catalogue {

inline constexpr QColor kWhite(255, 255, 255);
inline constexpr QColor kYellow(255, 255, 0);
inline constexpr QColor kGreen(0, 255, 0);
inline constexpr QColor kOlive(192, 192, 0);
inline constexpr QColor kOrange(255, 128, 0);
inline constexpr QColor kMagenta(255, 0, 255);
inline constexpr QColor kRed(255, 0, 0);

} // namespace catalogue
