#include "StatisticsReport.h"

#include "GeneralNumber.h"
#include "JoinedText.h"
#include "NumericValue.h"
#include "ReportLines.h"
#include "ReportRun.h"
#include "ReportWriter.h"

#include <cmath>

namespace catalogue {
namespace {

constexpr QStringView kByRunningTime = u"select * FROM [Pelis] ORDER BY [duración] ASC";
constexpr QStringView kByCdsDescending = u"select * FROM [Pelis] ORDER BY [totalcds] DESC";

class StatisticsRun {
public:
    StatisticsRun(ReportSource& source, const SummaryCaptions& captions, const QLocale& locale)
        : m_source(source), m_captions(captions), m_locale(locale)
    {
    }

    StepFailure run()
    {
        if (auto failure = m_writer.createReport(kStatisticsFileName.toString()))
            return failure;
        if (auto failure = countFilmsOfMoreThanOneCd())
            return failure;
        if (auto failure = m_source.moveFirst())
            return failure;
        if (auto failure = writeSummaryLines())
            return failure;
        double totalCds = 0;
        if (auto failure = sumCds(totalCds))
            return failure;
        const double averageCds = totalCds / double(m_source.recordCount());
        if (!std::isfinite(totalCds) || !std::isfinite(averageCds))
            return joinedText(u"Desbordamiento Al Sumar Los Cd's... El Informe ",
                              kStatisticsFileName, u" No Se Ha Escrito...");
        if (auto failure = write(joinedText(u"Número Total De Cd's Grabados ", number(totalCds), u" Cd's")))
            return failure;
        if (auto failure = write(joinedText(u"Media De Cd's Por Peli O Serie ", number(averageCds), u" Cd's")))
            return failure;
        if (auto failure = writeRunningTimeExtremes())
            return failure;
        if (auto failure = writeFilmWithMostCds())
            return failure;
        if (auto failure = write(separatorLine()))
            return failure;
        if (auto failure = write(kFooterLine.toString()))
            return failure;
        return m_writer.closeReport();
    }

    qint64 filmsOfMoreThanOneCd() const { return m_moreThanOneCd; }

private:
    StepFailure write(const QString& line) { return m_writer.writeLine(line); }

    QString number(double value) const { return generalNumber(value, m_locale); }

    StepFailure countFilmsOfMoreThanOneCd()
    {
        if (auto failure = m_source.moveFirst())
            return failure;
        while (!m_source.eof()) {
            if (numericValue(m_source.boxText(Box::f)) > 1)
                ++m_moreThanOneCd;
            if (auto failure = m_source.moveNext())
                return failure;
        }
        return std::nullopt;
    }

    StepFailure writeSummaryLines()
    {
        const QString lines[] = {
            separatorLine(),
            joinedText(u"Total Películas ", m_captions.films),
            joinedText(u"Total Películas De Más De 1CD ", QString::number(m_moreThanOneCd),
                       u" Películas"),
            joinedText(u"Duración Media Por Peli O Serie ", m_captions.averageRunningTime),
            joinedText(u"Duración Total De Pelis Y Series ", m_captions.totalRunningTime),
            joinedText(u"Días De Visionado Para Ver Todas Las Pelis Seguidas ",
                       m_captions.viewingDays, u" Días"),
        };
        for (const QString& line : lines) {
            if (auto failure = write(line))
                return failure;
        }
        return std::nullopt;
    }

    StepFailure sumCds(double& total)
    {
        while (!m_source.eof()) {
            total += numericValue(m_source.boxText(Box::f));
            if (auto failure = m_source.moveNext())
                return failure;
        }
        return std::nullopt;
    }

    QString titleWithRunningTime()
    {
        return joinedText(m_source.boxText(Box::b), u" Con ", m_source.boxText(Box::c));
    }

    StepFailure writeRunningTimeExtremes()
    {
        if (auto failure = m_source.requery(kByRunningTime))
            return failure;
        if (auto failure = m_source.moveFirst())
            return failure;
        if (auto failure = write(joinedText(u"Película O Serie Que Menos Dura ", titleWithRunningTime())))
            return failure;
        if (auto failure = m_source.moveLast())
            return failure;
        return write(joinedText(u"Película O Serie Que Más Dura ", titleWithRunningTime()));
    }

    StepFailure writeFilmWithMostCds()
    {
        if (auto failure = m_source.requery(kByCdsDescending))
            return failure;
        if (auto failure = m_source.moveFirst())
            return failure;
        return write(joinedText(u"Película O Serie Con Más Número De Cd's ", m_source.boxText(Box::b)));
    }

    ReportSource& m_source;
    const SummaryCaptions& m_captions;
    const QLocale& m_locale;
    ReportWriter m_writer;
    qint64 m_moreThanOneCd = 0;
};

} // namespace

ReportOutcome writeStatisticsReport(ReportSource& source, const SummaryCaptions& captions,
                                    ReportDialogs& dialogs, ReportOpener& opener,
                                    const QLocale& locale)
{
    const QString fileName = kStatisticsFileName.toString();
    return runReport(source, dialogs, opener, fileName, [&] {
        StatisticsRun run(source, captions, locale);
        StepFailure failure = run.run();
        return FileResult{failure, run.filmsOfMoreThanOneCd(), QStringLiteral("Trabajo Realizado...")};
    });
}

} // namespace catalogue
