#pragma once

#include "AboutWindowOpener.h"

#include <QObject>

namespace catalogue {

class Form1;
class LinkOpener;

// The main window's hand-offs to the desktop: a double click on the title
// box `b` or the director box `e` searches the web for the text the box
// shows (edits not yet saved included), a click on the logo `Image1` opens
// the contact mail link, and "Acerca De..." (`acerquita`) shows the about
// window, whose links go to the same opener.
class WebLinkCommands final : public QObject {
    Q_OBJECT
public:
    WebLinkCommands(Form1& form1, LinkOpener& links);
    // The about window has no owner, so it would outlive the main window.
    ~WebLinkCommands() override;

    void b_DblClick();
    void e_DblClick();
    void Image1_Click();
    void acerquita_Click();

private:
    Form1& form1_;
    LinkOpener& links_;
    AboutWindowOpener aboutWindow_;
};

// Attaches the web links to the window's boxes, logo and menu; they live as
// long as the window.
WebLinkCommands& attachWebLinks(Form1& form1, LinkOpener& links);

} // namespace catalogue
