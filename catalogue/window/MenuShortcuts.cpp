#include "MenuShortcuts.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>

namespace catalogue {

bool MenuShortcuts::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride || !menu_->isEnabled())
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const QKeySequence pressed(key->keyCombination());
    for (const QAction* item : menu_->actions())
        if (item->isEnabled() && item->shortcut() == pressed) {
            // Not accepted: the key goes on to the shortcut, not to the box.
            event->ignore();
            return true;
        }
    return QObject::eventFilter(watched, event);
}

} // namespace catalogue
