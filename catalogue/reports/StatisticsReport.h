#pragma once

#include "ReportSource.h"

#include <QLocale>
#include <QString>

namespace catalogue {

class Dialogs;
class ReportOpener;

inline constexpr QStringView kStatisticsFileName = u"Estadisticas_Pelis.TxT";

// The summary panel's captions, copied into the report as they are shown.
struct SummaryCaptions {
    QString films;              // Label11
    QString averageRunningTime; // Label7
    QString totalRunningTime;   // Label8
    QString viewingDays;        // Label13
};

// Writes "Estadisticas_Pelis.TxT" (13 lines) in the current folder, confirms
// and opens it. Counts and sums CDs over the record set in the order in
// force, then re-orders the data control by running time and by CDs; it is
// left on the film with the most CDs. Numbers are written with the decimal
// separator of `locale`. A failing step throws CatalogueError and no later
// step runs.
void writeStatisticsReport(ReportSource& source, const SummaryCaptions& captions, Dialogs& dialogs,
                           ReportOpener& opener, const QLocale& locale);

} // namespace catalogue
