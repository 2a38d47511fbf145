#pragma once

#include "ReportPorts.h"

#include <functional>

namespace catalogue {

// What writing one report's file came to.
struct FileResult {
    StepFailure failure;
    qint64 count = 0;
    QString doneMessage; // shown when the file was written
};

// The frame every report shares: "No Hay Datos..." on an empty catalogue
// (nothing else happens), otherwise the file is written, then either the
// failure or the confirmation is shown, and only after that is the file
// opened, so a viewer that cannot start still leaves a complete report.
ReportOutcome runReport(ReportSource& source, ReportDialogs& dialogs, ReportOpener& opener,
                        const QString& fileName, const std::function<FileResult()>& writeFile);

} // namespace catalogue
