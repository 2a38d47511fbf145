#include "BoundBox.h"

namespace catalogue {

BoundBox::BoundBox(Field field, QWidget* parent) : QLineEdit(parent), field_(field)
{
    setObjectName(boxName(field));
}

void BoundBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    QLineEdit::mouseDoubleClickEvent(event);
    emit doubleClicked();
}

} // namespace catalogue
