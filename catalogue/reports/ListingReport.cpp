#include "ListingReport.h"

#include "NumericValue.h"
#include "ReportLines.h"
#include "ReportRun.h"
#include "ReportWriter.h"

namespace catalogue {
namespace {

// One run of a listing, stopping at the first step that fails.
class ListingRun {
public:
    ListingRun(const ListingDefinition& listing, QStringView recordSource, ReportSource& source)
        : m_listing(listing), m_recordSource(recordSource), m_source(source)
    {
    }

    StepFailure run()
    {
        const QString fileName = m_listing.fileName.toString();
        if (m_listing.requeryBeforeFile) {
            if (auto failure = requery())
                return failure;
            if (auto failure = m_writer.createReport(fileName))
                return failure;
        } else {
            if (auto failure = m_writer.createReport(fileName))
                return failure;
            if (auto failure = requery())
                return failure;
        }
        if (auto failure = writeEntries())
            return failure;
        if (auto failure = m_source.moveFirst())
            return failure;
        if (m_listing.layout == ListingDefinition::Layout::TitleLine) {
            if (auto failure = m_writer.writeLine(separatorLine()))
                return failure;
        }
        if (auto failure = m_writer.writeLine(totalLine(m_listing.totalLabel, m_count)))
            return failure;
        if (auto failure = m_writer.writeLine(kFooterLine))
            return failure;
        return m_writer.closeReport();
    }

    qint64 count() const { return m_count; }

private:
    StepFailure requery()
    {
        if (auto failure = m_source.requery(m_recordSource))
            return failure;
        return m_source.moveFirst();
    }

    bool selected()
    {
        return m_listing.selection == ListingDefinition::Selection::EveryFilm
                || numericValue(m_source.boxText(Box::f)) > 1;
    }

    StepFailure writeEntries()
    {
        while (!m_source.eof()) {
            if (selected()) {
                ++m_count;
                if (auto failure = writeEntry())
                    return failure;
            }
            if (auto failure = m_source.moveNext())
                return failure;
        }
        return std::nullopt;
    }

    StepFailure writeEntry()
    {
        if (m_listing.layout == ListingDefinition::Layout::TitleLine)
            return m_writer.writeLine(titleLine(m_source.boxText(Box::a), m_source.boxText(Box::b)));
        for (Box box : kAllBoxes) {
            if (auto failure = m_writer.writeLine(fieldLine(box, m_source.boxText(box))))
                return failure;
        }
        return m_writer.writeLine(m_separator);
    }

    const ListingDefinition& m_listing;
    QStringView m_recordSource;
    ReportSource& m_source;
    ReportWriter m_writer;
    const QString m_separator = separatorLine();
    qint64 m_count = 0;
};

} // namespace

ReportOutcome writeListingReport(const ListingDefinition& listing, QStringView recordSource,
                                 ReportSource& source, ReportDialogs& dialogs, ReportOpener& opener)
{
    const QString fileName = listing.fileName.toString();
    return runReport(source, dialogs, opener, fileName, [&] {
        ListingRun run(listing, recordSource, source);
        StepFailure failure = run.run();
        return FileResult{failure, run.count(), listingDoneMessage(run.count(), listing.messageTail)};
    });
}

} // namespace catalogue
