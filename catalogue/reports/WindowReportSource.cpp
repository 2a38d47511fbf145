#include "WindowReportSource.h"

#include "Form1.h"
#include "CatalogueError.h"

namespace catalogue {
namespace {

static_assert(int(Box::a) == int(Field::Idzefo) && int(Box::g) == int(Field::Codec),
              "boxes a to g show the fields in the order of a film's record");

Field fieldShownIn(Box box)
{
    return static_cast<Field>(int(box));
}

template <typename Step>
StepFailure storeStep(Step&& step)
{
    try {
        step();
    } catch (const CatalogueError& error) {
        return error.message();
    }
    return std::nullopt;
}

} // namespace

WindowReportSource::WindowReportSource(Form1& form1)
    : m_form1(form1), m_pause(form1.binding().pause())
{
}

qint64 WindowReportSource::recordCount()
{
    return m_form1.records().RecordCount();
}

StepFailure WindowReportSource::requery(QStringView recordSource)
{
    return storeStep([&] {
        m_form1.Data1().setRecordSource(recordSource.toString());
        m_form1.Data1().Refresh();
    });
}

StepFailure WindowReportSource::moveFirst()
{
    return storeStep([&] { m_form1.records().MoveFirst(); });
}

StepFailure WindowReportSource::moveNext()
{
    return storeStep([&] { m_form1.records().MoveNext(); });
}

StepFailure WindowReportSource::moveLast()
{
    return storeStep([&] { m_form1.records().MoveLast(); });
}

bool WindowReportSource::eof()
{
    return m_form1.records().Eof();
}

QString WindowReportSource::boxText(Box box)
{
    return m_form1.records().text(fieldShownIn(box));
}

void WindowReportSource::walkFinished()
{
    m_pause.reset();
}

void WindowReportDialogs::showMessage(QStringView text, QStringView title)
{
    Q_ASSERT(title == kProgramTitle);
    m_dialogs.message(text.toString());
}

} // namespace catalogue
