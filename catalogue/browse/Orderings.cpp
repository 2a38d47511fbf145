#include "Orderings.h"
#include "Form1.h"

namespace catalogue {

namespace {

// Every ordering: nothing at all on an empty catalogue; otherwise the new
// order, from its first film, even when that order was already in force.
void orderBy(Form1& form1, const QString& recordSource)
{
    if (form1.records().RecordCount() <= 0)
        return;
    showFirstInOrder(form1, recordSource);
}

} // namespace

void showFirstInOrder(Form1& form1, const QString& recordSource)
{
    // Refresh already lands on the first film; the boxes are filled once, for MoveFirst.
    const auto pause = form1.binding().pause();
    form1.Data1().setRecordSource(recordSource);
    form1.Data1().Refresh();
    form1.records().MoveFirst();
}

void pornumero_Click(Form1& form1)
{
    orderBy(form1, recordSources::byNumber);
}

void ordefecha_Click(Form1& form1)
{
    orderBy(form1, recordSources::byCodec);
}

void orddura_Click(Form1& form1)
{
    orderBy(form1, recordSources::byRunningTime);
}

void ordtitu_Click(Form1& form1)
{
    orderBy(form1, recordSources::byTitle);
}

void pordirector_Click(Form1& form1)
{
    orderBy(form1, recordSources::byDirector);
}

void oredipopeli_Click(Form1& form1)
{
    orderBy(form1, recordSources::byKindOfCopy);
}

void ordecantc_Click(Form1& form1)
{
    orderBy(form1, recordSources::byCdsMostFirst);
}

} // namespace catalogue
