#pragma once

#include "ReportBox.h"
#include "StepFailure.h"

#include <QString>
#include <QStringView>

namespace catalogue {

// What a report needs of the main window's data control: the reports walk
// the shared, bound record set and read the window's boxes after every move,
// so the window follows the walk and stays in the order the report set.
// A step that fails says so with the Spanish text to show.
class ReportSource {
public:
    virtual ~ReportSource() = default;

    virtual qint64 recordCount() = 0;
    // Sets the record source to the SQL text and re-queries.
    virtual StepFailure requery(QStringView recordSource) = 0;
    virtual StepFailure moveFirst() = 0;
    virtual StepFailure moveNext() = 0;
    virtual StepFailure moveLast() = 0;
    // True once the record set has moved past its last record.
    virtual bool eof() = 0;
    // The text the bound box shows for the current record.
    virtual QString boxText(Box box) = 0;
    // The report has stopped walking (its file is written or has failed),
    // before any message: a source that held back showing each film during
    // the walk shows the one it stopped on now.
    virtual void walkFinished() {}
};

// The program's message box: modal, OK button only, no icon. The report goes
// on when it returns.
class ReportDialogs {
public:
    virtual ~ReportDialogs() = default;
    virtual void showMessage(QStringView text, QStringView title) = 0;
};

// Shows a finished report file to the user.
class ReportOpener {
public:
    virtual ~ReportOpener() = default;
    virtual StepFailure openReport(const QString& fileName) = 0;
};

// How a report run ended, for the caller that wants to know.
struct ReportOutcome {
    enum class Kind { Written, NoData, Failed };
    Kind kind = Kind::Written;
    qint64 count = 0;      // films written (listings) or of more than one CD (statistics)
    QString failure;       // the message shown, when the run failed
};

} // namespace catalogue
