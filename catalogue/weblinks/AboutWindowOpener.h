#pragma once

#include "Form2.h"

#include <QPointer>

namespace catalogue {

// Shows the about window modeless and without an owner, one at a time:
// the first use creates it centred on the screen, a use while it is open
// brings it to the front, and a use after it was closed creates it again.
class AboutWindowOpener {
public:
    explicit AboutWindowOpener(LinkOpener& links) : links_(links) {}
    Form2* show();
    Form2* window() const { return window_; }

private:
    LinkOpener& links_;
    QPointer<Form2> window_;
};

} // namespace catalogue
