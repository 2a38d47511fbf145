#pragma once

#include "Dialogs.h"
#include "FieldBinding.h"
#include "ReportPorts.h"

#include <optional>

namespace catalogue {

class Form1;

// The main window's data control `Data1` as the reports walk it: a re-query
// sets the record source and refreshes, the moves go to its record set, and
// a box's text is what the bound box shows for the current film. The boxes
// are filled once, when the walk is over, instead of after every move; until
// then the record set's text is exactly what the box is about to show.
// A store failure is a failed step with the store's own Spanish text.
class WindowReportSource final : public ReportSource {
public:
    explicit WindowReportSource(Form1& form1);

    qint64 recordCount() override;
    StepFailure requery(QStringView recordSource) override;
    StepFailure moveFirst() override;
    StepFailure moveNext() override;
    StepFailure moveLast() override;
    bool eof() override;
    QString boxText(Box box) override;
    void walkFinished() override;

private:
    Form1& m_form1;
    std::optional<FieldBinding::Pause> m_pause;
};

// The program's message box for the reports. Every report message carries
// the program's title, which the window's dialogs always show.
class WindowReportDialogs final : public ReportDialogs {
public:
    explicit WindowReportDialogs(Dialogs& dialogs) : m_dialogs(dialogs) {}
    void showMessage(QStringView text, QStringView title) override;

private:
    Dialogs& m_dialogs;
};

} // namespace catalogue
