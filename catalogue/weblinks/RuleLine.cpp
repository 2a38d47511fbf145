#include "RuleLine.h"

#include "AccessibleRole.h"

#include <QPainter>

namespace catalogue {

RuleLine::RuleLine(const QColor& colour, QWidget* parent) : QWidget(parent), colour_(colour)
{
    presentAs<RuleLine, QAccessible::Separator>(); // which screen readers pass by
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void RuleLine::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), colour_);
}

} // namespace catalogue
