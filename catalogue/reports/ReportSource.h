#pragma once

#include "Field.h"

#include <QString>
#include <QStringView>

namespace catalogue {

// What a report needs of the main window's data control `Data1`, by the names
// of the data control and its record set: the reports walk the shared, bound
// record set and read the window's boxes after every move, so the window
// follows the walk and stays in the order the report set. A step that fails
// throws CatalogueError with the Spanish text to show.
class ReportSource {
public:
    virtual ~ReportSource() = default;

    virtual qint64 RecordCount() = 0;
    // Sets the record source to the SQL text and re-queries.
    virtual void requery(QStringView recordSource) = 0;
    virtual void MoveFirst() = 0;
    virtual void MoveNext() = 0;
    virtual void MoveLast() = 0;
    // True once the record set has moved past its last record.
    virtual bool Eof() = 0;
    // The text the field's bound box shows for the current record.
    virtual QString text(Field field) = 0;
    // The report has written its file, before its message: a source that held
    // back showing each film during the walk shows the one it stopped on now.
    virtual void walkFinished() {}
};

} // namespace catalogue
