#pragma once

#include "ReportPorts.h"

#include <QLocale>
#include <QString>

namespace catalogue {

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
// separator of `locale`.
ReportOutcome writeStatisticsReport(ReportSource& source, const SummaryCaptions& captions,
                                    ReportDialogs& dialogs, ReportOpener& opener,
                                    const QLocale& locale = QLocale::system());

} // namespace catalogue
