#include "ReportRun.h"

#include "ReportLines.h"

namespace catalogue {

ReportOutcome runReport(ReportSource& source, ReportDialogs& dialogs, ReportOpener& opener,
                        const QString& fileName, const std::function<FileResult()>& writeFile)
{
    if (source.recordCount() < 1) {
        dialogs.showMessage(kNoDataMessage, kMessageTitle);
        return {ReportOutcome::Kind::NoData, 0, {}};
    }

    const FileResult file = writeFile();
    source.walkFinished();
    StepFailure failure = file.failure;
    if (!failure) {
        dialogs.showMessage(file.doneMessage, kMessageTitle);
        failure = opener.openReport(fileName);
    }
    if (failure) {
        dialogs.showMessage(*failure, kMessageTitle);
        return {ReportOutcome::Kind::Failed, file.count, *failure};
    }
    return {ReportOutcome::Kind::Written, file.count, {}};
}

} // namespace catalogue
