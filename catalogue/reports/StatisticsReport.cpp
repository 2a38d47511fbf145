#include "StatisticsReport.h"

#include "CatalogueError.h"
#include "GeneralNumber.h"
#include "JoinedText.h"
#include "NumericValue.h"
#include "ReportLines.h"
#include "ReportRun.h"
#include "RecordSources.h"
#include "ReportWriter.h"

#include <cmath>

namespace catalogue {
namespace {

// One run of the statistics file; the first step that fails throws.
class StatisticsRun {
public:
    StatisticsRun(ReportSource& source, const SummaryCaptions& captions, const QLocale& locale)
        : source_(source), captions_(captions), locale_(locale)
    {}

    void run()
    {
        writer_.createReport(kStatisticsFileName.toString());
        countFilmsOfMoreThanOneCd();
        source_.MoveFirst();
        writeSummaryLines();
        const double totalCds = sumCds();
        const double averageCds = totalCds / double(source_.RecordCount());
        if (!std::isfinite(totalCds) || !std::isfinite(averageCds))
            throw CatalogueError(joinedText(u"Desbordamiento Al Sumar Los Cd's... El Informe ", kStatisticsFileName,
                                            u" No Se Ha Escrito..."));
        write(joinedText(u"Número Total De Cd's Grabados ", number(totalCds), u" Cd's"));
        write(joinedText(u"Media De Cd's Por Peli O Serie ", number(averageCds), u" Cd's"));
        writeRunningTimeExtremes();
        writeFilmWithMostCds();
        write(separatorLine());
        write(kFooterLine.toString());
        writer_.closeReport();
    }

private:
    void write(const QString& line) { writer_.writeLine(line); }

    QString number(double value) const { return generalNumber(value, locale_); }

    void countFilmsOfMoreThanOneCd()
    {
        source_.MoveFirst();
        while (!source_.Eof()) {
            if (numericValue(source_.text(Field::Totalcds)) > 1)
                ++moreThanOneCd_;
            source_.MoveNext();
        }
    }

    void writeSummaryLines()
    {
        write(separatorLine());
        write(joinedText(u"Total Películas ", captions_.films));
        write(joinedText(u"Total Películas De Más De 1CD ", QString::number(moreThanOneCd_), u" Películas"));
        write(joinedText(u"Duración Media Por Peli O Serie ", captions_.averageRunningTime));
        write(joinedText(u"Duración Total De Pelis Y Series ", captions_.totalRunningTime));
        write(joinedText(u"Días De Visionado Para Ver Todas Las Pelis Seguidas ", captions_.viewingDays, u" Días"));
    }

    double sumCds()
    {
        double total = 0;
        while (!source_.Eof()) {
            total += numericValue(source_.text(Field::Totalcds));
            source_.MoveNext();
        }
        return total;
    }

    QString titleWithRunningTime()
    {
        return joinedText(source_.text(Field::Titulo), u" Con ", source_.text(Field::Duracion));
    }

    void writeRunningTimeExtremes()
    {
        source_.requery(recordSources::kByRunningTime);
        source_.MoveFirst();
        write(joinedText(u"Película O Serie Que Menos Dura ", titleWithRunningTime()));
        source_.MoveLast();
        write(joinedText(u"Película O Serie Que Más Dura ", titleWithRunningTime()));
    }

    void writeFilmWithMostCds()
    {
        source_.requery(recordSources::kByCdsMostFirst);
        source_.MoveFirst();
        write(joinedText(u"Película O Serie Con Más Número De Cd's ", source_.text(Field::Titulo)));
    }

    ReportSource& source_;
    const SummaryCaptions& captions_;
    const QLocale& locale_;
    ReportWriter writer_;
    qint64 moreThanOneCd_ = 0;
};

} // namespace

void writeStatisticsReport(ReportSource& source, const SummaryCaptions& captions, Dialogs& dialogs,
                           ReportOpener& opener, const QLocale& locale)
{
    runReport(source, dialogs, opener, kStatisticsFileName.toString(), [&] {
        StatisticsRun(source, captions, locale).run();
        return QStringLiteral("Trabajo Realizado...");
    });
}

} // namespace catalogue
