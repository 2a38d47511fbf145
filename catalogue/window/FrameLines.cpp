#include "FrameLines.h"
#include "Colours.h"
#include "Twips.h"

#include <QPainter>

#include <algorithm>
#include <stdexcept>

namespace catalogue {

FrameLines::FrameLines(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form1Canvas"));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::black);
    setPalette(p);
    lines_ = {
        {QStringLiteral("Line1"), QLine(0, 2040, 7920, 2040), kYellow},
        {QStringLiteral("Line2"), QLine(0, 3720, 7920, 3720), kYellow},
        {QStringLiteral("Line3"), QLine(3840, 2040, 3840, 4560), kYellow},
        {QStringLiteral("Line4"), QLine(0, 2640, 3840, 2640), kYellow},
        {QStringLiteral("Line5"), QLine(3840, 2640, 7920, 2640), kYellow},
        {QStringLiteral("Line6"), QLine(7080, 2640, 7080, 3720), kYellow},
        {QStringLiteral("Line7"), QLine(7080, 3360, 7920, 3360), kYellow},
        {QStringLiteral("Line8"), QLine(6000, 2040, 6000, 0), kYellow},
        {QStringLiteral("Line9"), QLine(6000, 480, 7920, 480), kYellow},
        {QStringLiteral("Line10"), QLine(6000, 0, 8040, 0), kOrange},
    };
}

const FrameLine& FrameLines::line(const QString& name) const
{
    auto it = std::find_if(lines_.begin(), lines_.end(), [&](const FrameLine& l) { return l.name == name; });
    if (it == lines_.end())
        throw std::out_of_range("no such line");
    return *it;
}

void FrameLines::setLineY(const QString& name, int y)
{
    for (FrameLine& l : lines_)
        if (l.name == name) {
            const int oldY = px(l.twips.y1());
            l.twips.setLine(l.twips.x1(), y, l.twips.x2(), y);
            // Repaint only the band between the old and the new place.
            update(
                QRect(px(l.twips.x1()), std::min(oldY, px(y)) - 1, px(l.twips.dx()) + 2, std::abs(px(y) - oldY) + 3));
        }
}

void FrameLines::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    for (const FrameLine& l : lines_) {
        painter.setPen(QPen(l.colour, 1));
        painter.drawLine(twipsPoint(l.twips.x1(), l.twips.y1()), twipsPoint(l.twips.x2(), l.twips.y2()));
    }
}

} // namespace catalogue
