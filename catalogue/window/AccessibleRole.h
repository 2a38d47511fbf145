#pragma once
// Gives every widget of one class a role of its own for screen readers, where
// Qt's default (a plain widget is a "filler") says nothing of what it is.
#include <QAccessibleWidget>

namespace catalogue {

template <typename Widget, QAccessible::Role kRole>
QAccessibleInterface* accessibleAs(const QString& className, QObject* object)
{
    if (className != QLatin1String(Widget::staticMetaObject.className()))
        return nullptr;
    return new QAccessibleWidget(static_cast<Widget*>(object), kRole);
}

// Called by the class's constructor; installing it again changes nothing.
template <typename Widget, QAccessible::Role kRole>
void presentAs()
{
    QAccessible::installFactory(accessibleAs<Widget, kRole>);
}

} // namespace catalogue
