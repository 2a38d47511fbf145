#pragma once

#include "ListingDefinition.h"
#include "ReportPorts.h"

namespace catalogue {

// Runs one listing: writes its file in the current folder from a walk over
// the data control in the order of `recordSource`, confirms with a message and opens
// the file. The data control is left on the listing's first film, in the
// listing's order. An empty catalogue shows "No Hay Datos..." and touches
// nothing; a failing step shows its message and no later step runs.
ReportOutcome writeListingReport(const ListingDefinition& listing, QStringView recordSource,
                                 ReportSource& source, ReportDialogs& dialogs, ReportOpener& opener);

} // namespace catalogue
