#include "Program.h"
#include "CatalogueOpening.h"
#include "CommandWiring.h"
#include "Form1.h"
#include "LinkOpener.h"
#include "QtDialogs.h"
#include "QtTranslation.h"
#include "ReportViewer.h"
#include "TerminationSignals.h"

#include <QApplication>
#include <QTimer>

namespace catalogue {

int runProgram(const std::function<void(Form1&)>& shown)
{
    installQtSpanishTranslation();
    QtDialogs dialogs;
    // What opening the catalogue came to is read here alone: its messages
    // first, then the window, if there is a catalogue to show.
    const auto opened = openCatalogue(DataControl::defaultDatabaseName, jet::JetReader::thisProgram());
    for (const QString& message : opened.messages)
        dialogs.message(message);
    if (!opened.catalogue)
        return 1;

    NotepadReportOpener notepad;
    DesktopLinkOpener desktopLinks;
    Form1 form1(*opened.catalogue, dialogs);
    dialogs.setParent(&form1);
    wireCommands(form1, notepad, desktopLinks);
    closeOnTermination(form1);
    form1.show();
    // What was found beside the catalogue and set aside is told once the window is up.
    QTimer::singleShot(0, &form1, [&] {
        form1.run([&] {
            for (const QString& notice : opened.notices)
                dialogs.message(notice);
        });
        if (shown)
            shown(form1);
    });
    return QApplication::exec();
}

} // namespace catalogue
