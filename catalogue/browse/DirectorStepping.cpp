#include "DirectorStepping.h"
#include "Form1.h"

#include <QLabel>

namespace catalogue {

namespace {

const QString kNoMoreMessage = QStringLiteral("No Hay Más Películas De Este Director...");

Criterion directorUnderSearch(const Form1& form1)
{
    return Criterion::directorIs(form1.quebus()->text());
}

// A failed find leaves the shown film current; only the message tells.
void tellWhenNoMore(Form1& form1)
{
    if (form1.records().NoMatch())
        form1.dialogs().message(kNoMoreMessage);
}

} // namespace

void Command5_Click(Form1& form1)
{
    form1.records().FindPrevious(directorUnderSearch(form1));
    tellWhenNoMore(form1);
}

void Command6_Click(Form1& form1)
{
    form1.records().FindNext(directorUnderSearch(form1));
    tellWhenNoMore(form1);
}

} // namespace catalogue
