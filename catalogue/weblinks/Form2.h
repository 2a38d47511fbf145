#pragma once

#include <QWidget>

namespace catalogue {

class LinkLabel;
class LinkOpener;

// The about window: a dedication, the author's two web sites and e-mail,
// and the logo, on black. Its three links go to `links` with the about
// window as their owner; Tab goes from one to the next. It deletes itself
// when closed.
class Form2 final : public QWidget {
    Q_OBJECT
public:
    explicit Form2(LinkOpener& links);

private:
    LinkLabel* addLinkLabel(const QString& name, const QString& text, const QRect& geometry, const QColor& colour,
                            const QString& toolTip, const QString& link);

    LinkOpener& links_;
};

} // namespace catalogue
