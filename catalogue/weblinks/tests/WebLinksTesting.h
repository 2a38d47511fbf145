#pragma once
// For the web-link tests: an opener that keeps what it is handed, and the
// about windows on screen.
#include "Form2.h"
#include "LinkOpener.h"

#include <QApplication>
#include <QList>
#include <QPair>

namespace catalogue::testing {

// Keeps every link handed over, with the window it was handed from.
class RecordingLinkOpener final : public LinkOpener {
public:
    void openLink(const QString& link, QWidget* owner) override { opened.append({link, owner}); }
    QList<QPair<QString, QWidget*>> opened;
};

inline QList<Form2*> openAboutWindows()
{
    QList<Form2*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* form = qobject_cast<Form2*>(widget); form && form->isVisible())
            windows << form;
    }
    return windows;
}

} // namespace catalogue::testing
