#include "RuleLine.h"

#include <QPainter>

namespace catalogue {

RuleLine::RuleLine(const QColor& colour, QWidget* parent) : QWidget(parent), colour_(colour)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void RuleLine::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), colour_);
}

} // namespace catalogue
