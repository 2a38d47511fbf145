#include "FieldBinding.h"

namespace catalogue {

FieldBinding::FieldBinding(RecordSet& records, std::array<BoundBox*, fieldCount> boxes, QObject* parent)
    : QObject(parent), records_(records), boxes_(boxes)
{
    records_.setObserver(this);
    show();
}

FieldBinding::~FieldBinding()
{
    records_.setObserver(nullptr);
}

void FieldBinding::commitEdits()
{
    const bool newRow = records_.isAdding();
    for (BoundBox* box : boxes_) {
        if (box->isLocked() || !(newRow || box->isModified()))
            continue;
        records_.setText(box->field(), box->text());
        box->setModified(false);
    }
}

void FieldBinding::currentRowChanged()
{
    if (paused_ > 0) {
        stale_ = true;
        return;
    }
    show();
}

void FieldBinding::show()
{
    stale_ = false;
    for (BoundBox* box : boxes_) {
        box->setText(records_.text(box->field()));
        box->setModified(false);
        box->setCursorPosition(0);
    }
    emit shown();
}

} // namespace catalogue
