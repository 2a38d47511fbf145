#include "LinkLabel.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>

namespace catalogue {

namespace {

class AccessibleLink final : public QAccessibleWidget {
public:
    explicit AccessibleLink(LinkLabel* label) : QAccessibleWidget(label, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return label()->text();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return QStringList(pressAction()) + QAccessibleWidget::actionNames(); }
    void doAction(const QString& action) override
    {
        if (action == pressAction())
            emit label()->clicked();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    LinkLabel* label() const { return static_cast<LinkLabel*>(widget()); }
};

QAccessibleInterface* accessibleLink(const QString& className, QObject* object)
{
    if (className != QLatin1String("catalogue::LinkLabel"))
        return nullptr;
    return new AccessibleLink(static_cast<LinkLabel*>(object));
}

} // namespace

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : ClickableLabel(text, parent)
{
    QAccessible::installFactory(accessibleLink);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void LinkLabel::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: emit clicked(); return;
    default: ClickableLabel::keyPressEvent(event);
    }
}

void LinkLabel::paintEvent(QPaintEvent* event)
{
    ClickableLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // The address with the focus is framed in its own colour.
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace catalogue
