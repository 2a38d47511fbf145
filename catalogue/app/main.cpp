// Cintario: the film catalogue of the current folder.
#include "CommandWiring.h"
#include "DataControl.h"
#include "Dialogs.h"
#include "Form1.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Cintario"));

    catalogue::QtDialogs dialogs;
    auto opened = catalogue::DataControl::open();
    if (!opened.control) {
        dialogs.message(opened.error);
        return 1;
    }

    catalogue::Form1 form1(*opened.control, dialogs);
    dialogs.setParent(&form1);
    catalogue::wireCommands(form1);
    form1.show();
    return app.exec();
}
