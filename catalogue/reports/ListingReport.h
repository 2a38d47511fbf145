#pragma once

#include "ListingDefinition.h"
#include "ReportSource.h"

namespace catalogue {

class Dialogs;
class ReportOpener;

// Runs one listing: writes its file in the current folder from a walk over
// the data control in the order of `recordSource`, confirms with a message and opens
// the file. The data control is left on the listing's first film, in the
// listing's order. An empty catalogue shows "No Hay Datos..." and touches
// nothing; a failing step throws CatalogueError and no later step runs.
void writeListingReport(const ListingDefinition& listing, QStringView recordSource, ReportSource& source,
                        Dialogs& dialogs, ReportOpener& opener);

} // namespace catalogue
