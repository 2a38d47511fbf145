#pragma once
// For tests: a real main window over a temporary catalogue, wired as the
// program wires it, with dialogs that record what they are asked. Finished
// reports and links go to the test's openers, or nowhere.
#include "CommandWiring.h"
#include "Form1.h"
#include "ScriptedDialogs.h"
#include "SilentOpeners.h"
#include "TempCatalogue.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace catalogue::testing {

struct WindowFixture {
    explicit WindowFixture(const std::vector<MovieRecord>& films = {},
                           const QLocale& locale = QLocale(QLocale::Spanish, QLocale::Spain),
                           const QString& folder = {})
        : WindowFixture(films, locale, folder, noReports, noLinks)
    {}
    WindowFixture(const std::vector<MovieRecord>& films, ReportOpener& reports)
        : WindowFixture(films, QLocale(QLocale::Spanish, QLocale::Spain), {}, reports, noLinks)
    {}
    WindowFixture(const std::vector<MovieRecord>& films, LinkOpener& links)
        : WindowFixture(films, QLocale(QLocale::Spanish, QLocale::Spain), {}, noReports, links)
    {}

    QString text(Field f) const { return form.box(f)->text(); }
    // A label of the window by its name, as Qt finds it.
    QString caption(const char* label) const { return form.findChild<QLabel*>(QString::fromLatin1(label))->text(); }
    // An item of the menus by its name, as Qt finds it.
    QAction* item(const char* name) const { return form.findChild<QAction*>(QString::fromLatin1(name)); }

    // What a user does: types into a box (replacing its text), clicks a button.
    void type(Field f, const QString& text)
    {
        BoundBox* box = form.box(f);
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    void click(int command)
    {
        QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("Command%1").arg(command)), Qt::LeftButton);
    }
    // Starts adding a film and stores it with the given title; the rest is typed as a user would.
    void saveFilm(const QString& number, const QString& title)
    {
        click(1);
        type(Field::Idzefo, number);
        form.box(Field::Titulo)->setText(title);
        type(Field::Codec, QStringLiteral("XviD"));
        click(3);
    }
    // The titles in the catalogue file, as a new opening reads them.
    QStringList storedTitles() const { return walk(catalogue.open()->Recordset(), Field::Titulo); }

    NoReportViewer noReports;
    NoLinkOpener noLinks;
    TempCatalogue catalogue;
    std::unique_ptr<DataControl> data1;
    ScriptedDialogs dialogs;
    Form1 form;

private:
    WindowFixture(const std::vector<MovieRecord>& films, const QLocale& locale, const QString& folder,
                  ReportOpener& reports, LinkOpener& links)
        : catalogue(films, folder), data1(catalogue.open()), form(*data1, dialogs, locale)
    {
        wireCommands(form, reports, links);
    }
};

} // namespace catalogue::testing
