#pragma once
// For tests: a real main window over a temporary catalogue, with dialogs
// that record what they are asked.
#include "Form1.h"
#include "ScriptedDialogs.h"
#include "TempCatalogue.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

#include <memory>

namespace catalogue::testing {

struct WindowFixture {
    explicit WindowFixture(const std::vector<MovieRecord>& films = {},
                           const QLocale& locale = QLocale(QLocale::Spanish, QLocale::Spain),
                           const QString& folder = {})
        : catalogue(films, folder), data1(catalogue.open()), form(*data1, dialogs, locale)
    {
    }

    QString text(Field f) const { return form.box(f)->text(); }
    QString caption(const char* label) const { return form.label(QString::fromLatin1(label))->text(); }
    QAction* item(const char* name) const { return form.menuItem(QString::fromLatin1(name)); }

    TempCatalogue catalogue;
    std::unique_ptr<DataControl> data1;
    ScriptedDialogs dialogs;
    Form1 form;
};

} // namespace catalogue::testing
