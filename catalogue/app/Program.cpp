#include "Program.h"
#include "CommandWiring.h"
#include "DataControl.h"
#include "Dialogs.h"
#include "Form1.h"
#include "QtTranslation.h"

#include <QApplication>
#include <QTimer>

namespace catalogue {

int runProgram(const std::function<void(Form1&)>& shown)
{
    installQtSpanishTranslation();
    QtDialogs dialogs;
    auto opened = DataControl::open();
    if (!opened.control) {
        dialogs.message(opened.error);
        return 1;
    }

    Form1 form1(*opened.control, dialogs);
    dialogs.setParent(&form1);
    wireCommands(form1);
    form1.show();
    if (shown)
        QTimer::singleShot(0, &form1, [&] { shown(form1); });
    return QApplication::exec();
}

} // namespace catalogue
