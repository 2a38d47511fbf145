// Cintario: the film catalogue of the current folder.
#include "Program.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Cintario"));
    return catalogue::runProgram();
}
