#include "ListingReport.h"

#include "NumericValue.h"
#include "ReportLines.h"
#include "ReportRun.h"
#include "ReportWriter.h"

namespace catalogue {
namespace {

// One run of a listing's file; the first step that fails throws.
class ListingRun {
public:
    ListingRun(const ListingDefinition& listing, QStringView recordSource, ReportSource& source)
        : listing_(listing), recordSource_(recordSource), source_(source)
    {}

    // Returns the number of films written.
    qint64 run()
    {
        const QString fileName = listing_.fileName.toString();
        if (listing_.requeryBeforeFile) {
            requery();
            writer_.createReport(fileName);
        } else {
            writer_.createReport(fileName);
            requery();
        }
        writeEntries();
        source_.MoveFirst();
        if (listing_.layout == ListingDefinition::Layout::TitleLine)
            writer_.writeLine(separatorLine());
        writer_.writeLine(totalLine(listing_.totalLabel, count_));
        writer_.writeLine(kFooterLine);
        writer_.closeReport();
        return count_;
    }

private:
    void requery()
    {
        source_.requery(recordSource_);
        source_.MoveFirst();
    }

    bool selected()
    {
        return listing_.selection == ListingDefinition::Selection::EveryFilm ||
               numericValue(source_.text(Field::Totalcds)) > 1;
    }

    void writeEntries()
    {
        while (!source_.Eof()) {
            if (selected()) {
                ++count_;
                writeEntry();
            }
            source_.MoveNext();
        }
    }

    void writeEntry()
    {
        if (listing_.layout == ListingDefinition::Layout::TitleLine) {
            writer_.writeLine(titleLine(source_.text(Field::Idzefo), source_.text(Field::Titulo)));
            return;
        }
        for (Field field : allFields)
            writer_.writeLine(fieldLine(field, source_.text(field)));
        writer_.writeLine(separator_);
    }

    const ListingDefinition& listing_;
    QStringView recordSource_;
    ReportSource& source_;
    ReportWriter writer_;
    const QString separator_ = separatorLine();
    qint64 count_ = 0;
};

} // namespace

void writeListingReport(const ListingDefinition& listing, QStringView recordSource, ReportSource& source,
                        Dialogs& dialogs, ReportOpener& opener)
{
    runReport(source, dialogs, opener, listing.fileName.toString(), [&] {
        const qint64 count = ListingRun(listing, recordSource, source).run();
        return listingDoneMessage(count, listing.messageTail);
    });
}

} // namespace catalogue
