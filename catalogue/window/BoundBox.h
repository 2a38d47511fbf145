#pragma once
// A text box bound to one column of the current row. "Locked" is the box's
// read-only state: the text can be selected but not changed.
#include "Field.h"

#include <QLineEdit>

namespace catalogue {

class BoundBox : public QLineEdit {
    Q_OBJECT
public:
    BoundBox(Field field, QWidget* parent);
    Field field() const { return field_; }
    void setLocked(bool locked) { setReadOnly(locked); }
    bool isLocked() const { return isReadOnly(); }

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    Field field_;
};

} // namespace catalogue
