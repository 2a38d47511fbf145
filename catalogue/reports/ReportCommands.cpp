#include "ReportCommands.h"

#include "Form1.h"
#include "ListingReport.h"
#include "StatisticsReport.h"
#include "WindowReportSource.h"

#include <QLabel>

namespace catalogue {

void writeListing(Form1& form1, const ListingDefinition& listing, QStringView recordSource, ReportOpener& opener)
{
    WindowReportSource data1(form1);
    writeListingReport(listing, recordSource, data1, form1.dialogs(), opener);
}

void estadis_Click(Form1& form1, ReportOpener& opener)
{
    // The summary panel's figures as it shows them now, whatever has changed since.
    const SummaryCaptions captions{form1.Label11()->text(), form1.Label7()->text(), form1.Label8()->text(),
                                   form1.Label13()->text()};
    WindowReportSource data1(form1);
    writeStatisticsReport(data1, captions, form1.dialogs(), opener, form1.locale());
}

} // namespace catalogue
