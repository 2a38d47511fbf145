#pragma once

#include "ReportSource.h"

#include <functional>

namespace catalogue {

class Dialogs;
class ReportOpener;

// The frame every report shares: "No Hay Datos..." on an empty catalogue
// (nothing else happens); otherwise `writeFile` writes the file whole and
// returns the confirmation, which is shown, and only after that is the file
// opened, so a viewer that cannot start still leaves a complete report. A
// failing step throws and ends the run there.
void runReport(ReportSource& source, Dialogs& dialogs, ReportOpener& opener, const QString& fileName,
               const std::function<QString()>& writeFile);

} // namespace catalogue
