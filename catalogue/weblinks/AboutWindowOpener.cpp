#include "AboutWindowOpener.h"

#include <QGuiApplication>
#include <QScreen>

namespace catalogue {

Form2* AboutWindowOpener::show()
{
    if (!window_) {
        window_ = new Form2(links_);
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect frame = window_->frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            window_->move(frame.topLeft());
        }
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
    return window_;
}

} // namespace catalogue
