#pragma once

#include "FieldBinding.h"
#include "ReportSource.h"

#include <optional>

namespace catalogue {

class Form1;

// The main window's data control `Data1` as the reports walk it: a re-query
// sets the record source and refreshes, the moves go to its record set, and
// a field's text is what its bound box shows for the current film. The boxes
// are filled once, when the walk is over (or when the source goes, as a
// failing step unwinds, before its message), instead of after every move;
// until then the record set's text is exactly what the box is about to show.
// The store's failures go on as they are, CatalogueError with its own text.
class WindowReportSource final : public ReportSource {
public:
    explicit WindowReportSource(Form1& form1);

    qint64 RecordCount() override;
    void requery(QStringView recordSource) override;
    void MoveFirst() override;
    void MoveNext() override;
    void MoveLast() override;
    bool Eof() override;
    QString text(Field field) override;
    void walkFinished() override;

private:
    Form1& form1_;
    std::optional<FieldBinding::Pause> pause_;
};

} // namespace catalogue
