#include "BoundBox.h"

#include <QMouseEvent>

namespace catalogue {

BoundBox::BoundBox(Field field, QWidget* parent) : QLineEdit(parent), field_(field)
{
    setObjectName(boxName(field));
}

void BoundBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    QLineEdit::mouseDoubleClickEvent(event);
    // As on Windows, only the left button double-clicks.
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}

} // namespace catalogue
