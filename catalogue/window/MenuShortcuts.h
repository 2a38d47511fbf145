#pragma once
// A text box claims Ctrl+A, Ctrl+C and other keys for itself (select all,
// copy...). While the menu is usable its shortcuts win: the box lets them pass.
#include <QObject>

class QMenu;

namespace catalogue {

class MenuShortcuts : public QObject {
    Q_OBJECT
public:
    MenuShortcuts(QMenu* menu, QObject* parent) : QObject(parent), menu_(menu) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMenu* menu_;
};

} // namespace catalogue
