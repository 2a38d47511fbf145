// Cintario: the film catalogue of the current folder.
#include "JetReaderProcess.h"
#include "Program.h"

#include <QApplication>

int main(int argc, char** argv)
{
    // Started again to read an Access catalogue: no window.
    if (const auto status = catalogue::jet::runAsJetReader(argc, argv))
        return *status;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Cintario"));
    return catalogue::runProgram();
}
