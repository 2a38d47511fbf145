#pragma once
// Binds the current row of the data control to the seven boxes a to g: after
// every move, find, refresh or new row the boxes show the current row, and
// text typed into an unlocked box is written into the row before it stops
// being current.
#include "BoundBox.h"
#include "RecordSet.h"

#include <QObject>

#include <array>

namespace catalogue {

class FieldBinding : public QObject, private RecordSetObserver {
    Q_OBJECT
public:
    FieldBinding(RecordSet& records, std::array<BoundBox*, fieldCount> boxes, QObject* parent = nullptr);
    ~FieldBinding() override;

    BoundBox* box(Field f) const { return boxes_[indexOf(f)]; }

    // While a command walks the whole catalogue the boxes are filled only once,
    // with the row the walk stops on; nothing else can look at them meanwhile.
    class Pause {
    public:
        explicit Pause(FieldBinding& binding) : binding_(&binding) { ++binding_->paused_; }
        Pause(Pause&& other) noexcept : binding_(std::exchange(other.binding_, nullptr)) {}
        Pause(const Pause&) = delete;
        ~Pause()
        {
            if (binding_ && --binding_->paused_ == 0 && binding_->stale_)
                binding_->show();
        }

    private:
        FieldBinding* binding_;
    };
    [[nodiscard]] Pause pause() { return Pause(*this); }

    void commitEdits() override;

signals:
    // The boxes now show the current row (or are empty without one).
    void shown();

private:
    void currentRowChanged() override;
    void show();

    RecordSet& records_;
    std::array<BoundBox*, fieldCount> boxes_;
    int paused_ = 0;
    bool stale_ = false;
};

} // namespace catalogue
