#include "BoundBox.h"

#include <QMouseEvent>

#include <limits>

namespace catalogue {

BoundBox::BoundBox(Field field, QWidget* parent) : QLineEdit(parent), field_(field)
{
    setObjectName(boxName(field));
    // A text box keeps 32,767 characters unless told otherwise; a title of any length is stored whole.
    setMaxLength(std::numeric_limits<int>::max());
}

void BoundBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    QLineEdit::mouseDoubleClickEvent(event);
    // As on Windows, only the left button double-clicks.
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}

} // namespace catalogue
