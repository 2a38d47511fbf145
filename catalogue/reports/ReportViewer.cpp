#include "ReportViewer.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
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

ViewerCommand desktopViewerCommand(const QString& fileName)
{
    return {QStringLiteral("xdg-open"), {fileName}};
}

StepFailure openReportInNotepad(const QString& fileName)
{
#ifdef Q_OS_WIN
    const std::wstring commandLine = notepadCommandLine(fileName).toStdWString();
    if (!startMinimizedWithFocus(commandLine))
        return QStringLiteral("No Se Puede Abrir El Bloc De Notas... El Informe %1 Está En La "
                              "Carpeta %2...")
                .arg(fileName, QDir::toNativeSeparators(QDir::currentPath()));
#else
    const ViewerCommand viewer = desktopViewerCommand(fileName);
    QProcess::startDetached(viewer.program, viewer.arguments);
#endif
    return std::nullopt;
}

} // namespace catalogue
