#include "ReportViewer.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include "CatalogueError.h"
#include "StartMinimizedWin.h"

#include <QDir>
#else
#include <QProcess>
#endif

namespace catalogue {

QString notepadCommandLine(const QString& fileName)
{
    return QStringLiteral("C:\\WINDOWS\\NOTEPAD.EXE ") + fileName;
}

void openReportInNotepad(const QString& fileName)
{
#ifdef Q_OS_WIN
    const std::wstring commandLine = notepadCommandLine(fileName).toStdWString();
    if (!startMinimizedWithFocus(commandLine))
        throw CatalogueError(QStringLiteral("No Se Puede Abrir El Bloc De Notas... El Informe %1 Está En La "
                                            "Carpeta %2...")
                                 .arg(fileName, QDir::toNativeSeparators(QDir::currentPath())));
#else
    QProcess::startDetached(QStringLiteral("xdg-open"), {fileName});
#endif
}

} // namespace catalogue
