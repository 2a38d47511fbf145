#include "WindowReportSource.h"

#include "Form1.h"

namespace catalogue {

WindowReportSource::WindowReportSource(Form1& form1) : form1_(form1), pause_(form1.binding().pause()) {}

qint64 WindowReportSource::RecordCount()
{
    return form1_.records().RecordCount();
}

void WindowReportSource::requery(QStringView recordSource)
{
    form1_.Data1().setRecordSource(recordSource.toString());
    form1_.Data1().Refresh();
}

void WindowReportSource::MoveFirst()
{
    form1_.records().MoveFirst();
}

void WindowReportSource::MoveNext()
{
    form1_.records().MoveNext();
}

void WindowReportSource::MoveLast()
{
    form1_.records().MoveLast();
}

bool WindowReportSource::Eof()
{
    return form1_.records().Eof();
}

QString WindowReportSource::text(Field field)
{
    return form1_.records().text(field);
}

void WindowReportSource::walkFinished()
{
    pause_.reset();
}

} // namespace catalogue
