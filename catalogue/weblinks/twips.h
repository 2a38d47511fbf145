#pragma once

#include <QRect>

namespace cintario::weblinks {

// Window layouts are given in twips; at the usual 96 dots per inch a pixel
// is 15 twips.
constexpr int pixelsFromTwips(int twips)
{
    return twips / 15;
}

constexpr QRect rectFromTwips(int left, int top, int width, int height)
{
    return {pixelsFromTwips(left), pixelsFromTwips(top), pixelsFromTwips(width),
            pixelsFromTwips(height)};
}

// A one-pixel horizontal or vertical line between two points given in twips.
constexpr QRect lineFromTwips(int x1, int y1, int x2, int y2)
{
    return QRect(QPoint(pixelsFromTwips(x1), pixelsFromTwips(y1)),
                 QPoint(pixelsFromTwips(x2), pixelsFromTwips(y2)));
}

} // namespace cintario::weblinks
