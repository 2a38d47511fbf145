// Cintario as the desktop's menu starts it: the catalogue of the user's
// "Películas" folder in their documents, whatever folder the menu starts in.
#include "CatalogueError.h"
#include "JetReaderProcess.h"
#include "QtDialogs.h"
#include "MenuFolder.h"
#include "Program.h"

#include <QApplication>

int main(int argc, char** argv)
{
    // Started again to read an Access catalogue: no window, no folder of its own.
    if (const auto status = catalogue::jet::runAsJetReader(argc, argv))
        return *status;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Cintario"));
    try {
        catalogue::enterMenuCatalogueFolder();
    } catch (const catalogue::CatalogueError& error) {
        catalogue::QtDialogs().message(error.message());
        return 1;
    }
    return catalogue::runProgram();
}
