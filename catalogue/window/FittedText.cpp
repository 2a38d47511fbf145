#include "FittedText.h"

#include <QFontMetrics>
#include <QLabel>

namespace catalogue {

namespace {

bool textFits(const QLabel* label, const QString& text, const QFont& font)
{
    const QFontMetrics metrics(font);
    if (!label->wordWrap())
        return metrics.horizontalAdvance(text) <= label->width();
    const QRect room(0, 0, label->width(), 10000);
    return metrics.boundingRect(room, Qt::TextWordWrap, text).height() <= label->height();
}

} // namespace

void showFitted(QLabel* label, const QString& text, QFont font)
{
    while (!textFits(label, text, font) && font.pointSizeF() > 6)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    label->setFont(font);
    label->setText(text);
}

void shrinkFontToFit(QLabel* label)
{
    showFitted(label, label->text(), label->font());
}

} // namespace catalogue
