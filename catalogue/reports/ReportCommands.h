#pragma once
// The report commands of the "Opciones" menu, over the window's data control
// and message box, handing the finished file to `opener`. They are rows of
// the "Opciones" table; the window runs them as its commands.
#include <QStringView>

namespace catalogue {

class Form1;
class ReportOpener;
struct ListingDefinition;

// One of the nine listings, in the order of `recordSource`.
void writeListing(Form1& form1, const ListingDefinition& listing, QStringView recordSource, ReportOpener& opener);

// "Mostrar Estadísticas" (Ctrl+T)
void estadis_Click(Form1& form1, ReportOpener& opener);

} // namespace catalogue
