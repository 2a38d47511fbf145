#include "ReportRun.h"

#include "Dialogs.h"
#include "ReportLines.h"
#include "ReportViewer.h"

namespace catalogue {

void runReport(ReportSource& source, Dialogs& dialogs, ReportOpener& opener, const QString& fileName,
               const std::function<QString()>& writeFile)
{
    if (source.RecordCount() < 1) {
        dialogs.message(kNoDataMessage.toString());
        return;
    }
    const QString doneMessage = writeFile();
    source.walkFinished();
    dialogs.message(doneMessage);
    opener.openReport(fileName);
}

} // namespace catalogue
