#pragma once
// An address of the about window. A click opens it, and so do Enter and Space
// when it has the focus: Tab reaches each address in turn, so the keyboard
// alone can follow them. Screen readers present it as a link.
#include "ClickableLabel.h"

namespace catalogue {

class LinkLabel final : public ClickableLabel {
    Q_OBJECT
public:
    LinkLabel(const QString& text, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace catalogue
