#pragma once

#include <QPointer>
#include <QWidget>

namespace catalogue {

class LinkOpener;

// The about window: a dedication, the author's two web sites and e-mail,
// and the logo, on black. Its three links go to `links` with the about
// window as their owner. It deletes itself when closed.
class Form2 final : public QWidget {
    Q_OBJECT
public:
    explicit Form2(LinkOpener& links);

private:
    void addLinkLabel(const QString& name, const QString& text, const QRect& geometry,
                      const QColor& colour, const QString& toolTip, const QString& link);

    LinkOpener& m_links;
};

// Shows the about window modeless and without an owner, one at a time:
// the first use creates it centred on the screen, a use while it is open
// brings it to the front, and a use after it was closed creates it again.
class AboutWindowOpener {
public:
    explicit AboutWindowOpener(LinkOpener& links) : m_links(links) {}
    Form2* show();
    Form2* window() const { return m_window; }

private:
    LinkOpener& m_links;
    QPointer<Form2> m_window;
};

} // namespace catalogue
