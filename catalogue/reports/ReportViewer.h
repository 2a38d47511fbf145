#pragma once

#include "ReportPorts.h"

#include <QString>
#include <QStringList>

namespace catalogue {

// The command line that starts Notepad on a report, on Windows.
QString notepadCommandLine(const QString& fileName);

// What starts the desktop's default text viewer on other systems. The file
// name stays relative: the viewer inherits the current folder.
struct ViewerCommand {
    QString program;
    QStringList arguments;
};
ViewerCommand desktopViewerCommand(const QString& fileName);

// Shows a finished report, without waiting for the viewer. On Windows,
// Notepad is started minimized with the focus; a Notepad that cannot be
// started is a failure. Elsewhere the desktop's default viewer is started
// detached, and a missing viewer is no error: the report is on disk.
StepFailure openReportInNotepad(const QString& fileName);

// The opener the main window hands to the reports.
class NotepadReportOpener final : public ReportOpener {
public:
    StepFailure openReport(const QString& fileName) override { return openReportInNotepad(fileName); }
};

} // namespace catalogue
