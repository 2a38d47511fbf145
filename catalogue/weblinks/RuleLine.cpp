#include "RuleLine.h"

#include <QPainter>

namespace catalogue {

RuleLine::RuleLine(const QColor& colour, QWidget* parent) : QWidget(parent), m_colour(colour)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void RuleLine::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), m_colour);
}

} // namespace catalogue
