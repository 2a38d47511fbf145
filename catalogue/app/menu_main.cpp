// Cintario as the desktop's menu starts it: the catalogue of the user's
// "Películas" folder in their documents, whatever folder the menu starts in.
#include "Dialogs.h"
#include "MenuFolder.h"
#include "Program.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Cintario"));
    if (const auto failure = catalogue::enterMenuCatalogueFolder()) {
        catalogue::QtDialogs().message(*failure);
        return 1;
    }
    return catalogue::runProgram();
}
