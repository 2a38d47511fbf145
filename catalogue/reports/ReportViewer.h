#pragma once

#include <QString>

namespace catalogue {

// The command line that starts Notepad on a report, on Windows.
QString notepadCommandLine(const QString& fileName);

// Shows a finished report, without waiting for the viewer. On Windows,
// Notepad is started minimized with the focus; a Notepad that cannot be
// started throws CatalogueError. Elsewhere the desktop's default viewer
// (xdg-open) is started detached on the file name as it is, relative to the
// current folder that the viewer inherits, and a missing viewer is no error:
// the report is on disk.
void openReportInNotepad(const QString& fileName);

// Shows a finished report file to the user; throws CatalogueError when it cannot.
class ReportOpener {
public:
    virtual ~ReportOpener() = default;
    virtual void openReport(const QString& fileName) = 0;
};

// The opener the main window hands to the reports.
class NotepadReportOpener final : public ReportOpener {
public:
    void openReport(const QString& fileName) override { openReportInNotepad(fileName); }
};

} // namespace catalogue
