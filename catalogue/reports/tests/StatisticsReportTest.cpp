#include "QtPrinting.h"
#include "RecordSources.h"
#include "CommandRunner.h"
#include "FakeCatalogue.h"
#include "FilmBuilder.h"
#include "ReportTestSupport.h"
#include "StatisticsReport.h"

#include <QFile>

#include <gtest/gtest.h>

namespace catalogue {
namespace {

using namespace testing;
using namespace Qt::Literals::StringLiterals;

const QString kFile = u"Estadisticas_Pelis.TxT"_s;
const SummaryCaptions kCaptions{u"5P."_s, u"01:23:36"_s, u"06:58:00"_s, u"0,29"_s};

class StatisticsReportTest : public ::testing::Test {
protected:
    StatisticsReportTest() { logMessages(dialogs, events); }

    // Runs as the window runs a command: a failure ends it and is shown.
    void run(ReportSource& source, const QLocale& locale = kSpanish)
    {
        runCommand(dialogs, [&] { writeStatisticsReport(source, kCaptions, dialogs, opener, locale); });
    }

    // The report's lines without their CR LF, as UTF-16 text.
    QStringList reportLines()
    {
        QStringList lines;
        for (const QByteArray& line : readBytes(kFile).split('\n'))
            lines << QString::fromLatin1(line).chopped(line.isEmpty() ? 0 : 1);
        lines.removeLast();
        return lines;
    }

    static std::vector<MovieRecord> filmsWithCds(const QStringList& cds)
    {
        std::vector<MovieRecord> films;
        for (const QString& cd : cds)
            films.push_back(film(QString::number(films.size() + 1), u"Película"_s).cds(cd));
        return films;
    }

    inline static const QLocale kSpanish{QLocale::Spanish, QLocale::Spain};
    ScopedWorkingFolder folder;
    QStringList events;
    ScriptedDialogs dialogs;
    RecordingOpener opener{events};
};

TEST_F(StatisticsReportTest, WritesItsThirteenLinesByteForByteThenConfirmsThenOpens)
{
    FakeCatalogue catalogue(sampleFilms(), events);
    catalogue.MoveNext(); // whichever film the window shows, every film counts
    run(catalogue);

    const QByteArray expected = expectedReport(kFile);
    EXPECT_EQ(readBytes(kFile), expected);
    EXPECT_EQ(events, (QStringList{
                          u"requery "_s + recordSources::kByRunningTime.toString(),
                          u"requery "_s + recordSources::kByCdsMostFirst.toString(),
                          u"message Trabajo Realizado..."_s,
                          u"open Estadisticas_Pelis.TxT (%1 bytes)"_s.arg(expected.size()),
                      }));
    // The window is left on the film with the most CDs, in descending CD order.
    EXPECT_EQ(catalogue.recordSource(), recordSources::kByCdsMostFirst);
    EXPECT_EQ(catalogue.shownTitle(), u"Abre Los Ojos");
}

TEST_F(StatisticsReportTest, CountsSumsAndAveragesTheCdsOfEveryFilm)
{
    struct Case {
        QStringList cds;
        QString moreThanOne, total, average;
    };
    const Case cases[] = {
        {{u"1"_s, u"1"_s, u"2"_s}, u"1"_s, u"4"_s, u"1,33333333333333"_s},
        {{{}, {}}, u"0"_s, u"0"_s, u"0"_s},
        {{u"3 CDs"_s, u"1,5"_s, u"&H2"_s, u"abc"_s}, u"2"_s, u"6"_s, u"1,5"_s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cds.join(u'|').toStdString());
        FakeCatalogue catalogue(filmsWithCds(c.cds), events);
        run(catalogue);
        const QStringList lines = reportLines();
        ASSERT_EQ(lines.size(), 13);
        EXPECT_EQ(lines[2], u"Total Pel\u00edculas De M\u00e1s De 1CD "_s + c.moreThanOne + u" Pel\u00edculas"_s);
        EXPECT_EQ(lines[6], u"N\u00famero Total De Cd's Grabados "_s + c.total + u" Cd's"_s);
        EXPECT_EQ(lines[7], u"Media De Cd's Por Peli O Serie "_s + c.average + u" Cd's"_s);
    }
}

TEST_F(StatisticsReportTest, WritesTheDecimalSeparatorOfTheGivenLocale)
{
    FakeCatalogue catalogue(sampleFilms(), events);
    run(catalogue, QLocale::c());
    EXPECT_EQ(reportLines().value(7), u"Media De Cd's Por Peli O Serie 1.2 Cd's");
}

TEST_F(StatisticsReportTest, RunningTwiceLeavesOnlyTheSecondRun)
{
    FakeCatalogue catalogue(sampleFilms(), events);
    run(catalogue);
    FakeCatalogue oneFilm({{u"1"_s, u"Alien"_s, u"01:57:00"_s, {}, {}, u"2"_s, {}}}, events);
    run(oneFilm);
    const QStringList lines = reportLines();
    ASSERT_EQ(lines.size(), 13);
    EXPECT_EQ(lines[7], u"Media De Cd's Por Peli O Serie 2 Cd's");
    EXPECT_EQ(lines[8], u"Pel\u00edcula O Serie Que Menos Dura Alien Con 01:57:00");
    EXPECT_EQ(lines[9], u"Pel\u00edcula O Serie Que M\u00e1s Dura Alien Con 01:57:00");
    EXPECT_EQ(lines[10], u"Pel\u00edcula O Serie Con M\u00e1s N\u00famero De Cd's Alien");
}

TEST_F(StatisticsReportTest, AnOverflowingCdTotalFailsAndKeepsTheOlderReport)
{
    writeBytes(kFile, "anterior\r\n");
    FakeCatalogue catalogue(filmsWithCds({u"1e999"_s}), events);
    run(catalogue);
    // The failure ends the run before the re-queries: no confirmation, no viewer.
    EXPECT_EQ(events, QStringList{u"message Desbordamiento Al Sumar Los Cd's... El Informe Estadisticas_Pelis.TxT No "
                                  u"Se Ha Escrito..."_s});
    EXPECT_EQ(readBytes(kFile), QByteArray("anterior\r\n"));
    EXPECT_EQ(folder.files(), QStringList{kFile});
}

} // namespace
} // namespace catalogue
