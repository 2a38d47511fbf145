#pragma once
// The window's layout is drawn in twips: 15 to a pixel at 96 dots per inch.
#include <QPoint>
#include <QRect>

namespace catalogue {

constexpr int kTwipsPerPixel = 15;
constexpr int px(int twips)
{
    return twips / kTwipsPerPixel;
}
constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}
constexpr QPoint twipsPoint(int x, int y)
{
    return QPoint(px(x), px(y));
}

} // namespace catalogue
