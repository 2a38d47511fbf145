#include "OrderBy.h"
#include "Form1.h"

namespace catalogue {

void orderBy(Form1& form1, QStringView recordSource)
{
    if (form1.records().RecordCount() <= 0)
        return;
    showFirstInOrder(form1, recordSource);
}

void showFirstInOrder(Form1& form1, QStringView recordSource)
{
    // Refresh already lands on the first film; the boxes are filled once, for MoveFirst.
    const auto pause = form1.binding().pause();
    form1.Data1().setRecordSource(recordSource.toString());
    form1.Data1().Refresh();
    form1.records().MoveFirst();
}

} // namespace catalogue
