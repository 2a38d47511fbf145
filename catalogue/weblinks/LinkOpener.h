#pragma once

#include <QString>

class QWidget;

namespace catalogue {

// Hands a web or mail link to the desktop, which opens it with the user's
// program for its scheme. Nothing waits for that program and a link that
// cannot be opened says nothing.
class LinkOpener {
public:
    virtual ~LinkOpener() = default;
    // `owner` is the window whose control was used.
    virtual void openLink(const QString& link, QWidget* owner) = 0;
};

// On Windows ShellExecuteA from shell32, bound by name on first use, with
// working folder "C:\" and a normal window; elsewhere QDesktopServices.
class DesktopLinkOpener final : public LinkOpener {
public:
    void openLink(const QString& link, QWidget* owner) override;
};

} // namespace catalogue
