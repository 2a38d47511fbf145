// The report commands run from their menu items on the real main window over
// a real catalogue file: the files they write, what the window shows
// afterwards and what the user is told.
#include "QtPrinting.h"
#include "FakeCatalogue.h"
#include "MenuListings.h"
#include "ReportTestSupport.h"
#include "StatisticsReport.h"
#include "WindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace catalogue {
namespace {

using namespace testing;
using namespace Qt::Literals::StringLiterals;

const QString kStatistics = kStatisticsFileName.toString();
const QString kSource = u"Pelis"_s;

std::vector<MovieRecord> sampleCatalogue()
{
    const std::vector<FilmTexts> films = sampleFilms();
    return {films.begin(), films.end()};
}

// The film numbers of a report, in the order it lists them: the first line
// of each seven-line block, or the "P<number> -> " of each title line.
QStringList numbersListed(const QByteArray& report)
{
    QStringList numbers;
    for (const QByteArray& line : report.split('\n')) {
        const QString text = QString::fromLatin1(line).trimmed();
        if (text.startsWith(u"N\u00famero Pel\u00edcula    ---> "))
            numbers << text.mid(24);
        else if (text.startsWith(u'P') && text.contains(u" -> "))
            numbers << text.mid(1, text.indexOf(u" -> ") - 1);
    }
    return numbers;
}

// A real window over a catalogue, wired with a recording viewer, and a fresh
// current folder for the reports.
class ReportCommandsTest : public ::testing::Test {
protected:
    explicit ReportCommandsTest(const std::vector<MovieRecord>& films = sampleCatalogue()) : window(films, opener)
    {
        // What the window shows at the moment each message is on screen.
        window.dialogs.onMessage = [this](const QString&) {
            shownDuringMessage << window.text(Field::Idzefo);
        };
    }

    void choose(QStringView menuItem) { window.item(qPrintable(menuItem.toString()))->trigger(); }
    // The film numbers in the browse order in force; the first film stays shown.
    QStringList browseOrder()
    {
        QStringList numbers = walk(window.form.records(), Field::Idzefo);
        window.form.records().MoveFirst();
        return numbers;
    }
    void browseInOrderOfAddition()
    {
        window.form.Data1().setRecordSource(kSource);
        window.form.Data1().Refresh();
    }

    ScopedWorkingFolder folder;
    QStringList events;
    RecordingOpener opener{events};
    WindowFixture window;
    QStringList shownDuringMessage;
};

class EveryListing : public ReportCommandsTest, public ::testing::WithParamInterface<MenuListing> {};

TEST_P(EveryListing, WritesItsFileByteForByteAndLeavesTheWindowInItsOrder)
{
    const MenuListing& listing = GetParam();
    const QString fileName = listing.listing->fileName.toString();
    window.form.records().MoveLast(); // whatever film is shown, the listing starts from the first

    choose(listing.menuItem);

    const QByteArray expected = expectedReport(fileName);
    EXPECT_EQ(readBytes(fileName), expected);
    const QStringList listed = numbersListed(expected);
    const bool everyFilm = listing.listing->selection == ListingDefinition::Selection::EveryFilm;
    EXPECT_EQ(window.dialogs.messages, QStringList{u"Trabajo Realizado... Hay "_s + QString::number(listed.size())
                                                   + listing.listing->messageTail.toString()});
    EXPECT_EQ(events, QStringList{u"open %1 (%2 bytes)"_s.arg(fileName).arg(expected.size())});
    EXPECT_EQ(folder.fileNames(), QStringList{fileName});

    // The window browses in the listing's order from its first film, and
    // already showed that film while the message was on screen.
    EXPECT_EQ(window.form.Data1().RecordSource(), listing.recordSource);
    const QString first = everyFilm ? listed.first() : browseOrder().first();
    EXPECT_EQ(window.text(Field::Idzefo), first);
    EXPECT_EQ(shownDuringMessage, QStringList{first});
    if (everyFilm)
        EXPECT_EQ(browseOrder(), listed);
}

INSTANTIATE_TEST_SUITE_P(ReportCommands, EveryListing, ::testing::ValuesIn(kMenuListings),
                         [](const auto& info) { return info.param.menuItem.toString().toStdString(); });

TEST_F(ReportCommandsTest, StatisticsCopyTheCaptionsAsShownAndEndOnTheFilmWithMostCds)
{
    // Captions the panel might show after films were added since it last computed them.
    window.form.Label11()->setText(u"5P."_s);
    window.form.Label7()->setText(u"01:23:36"_s);
    window.form.Label8()->setText(u"06:58:00"_s);
    window.form.Label13()->setText(u"0,29"_s);
    window.form.records().MoveNext();

    choose(u"estadis");

    const QByteArray expected = expectedReport(kStatistics);
    EXPECT_EQ(readBytes(kStatistics), expected);
    EXPECT_EQ(window.dialogs.messages, QStringList{u"Trabajo Realizado..."_s});
    EXPECT_EQ(events, QStringList{u"open %1 (%2 bytes)"_s.arg(kStatistics).arg(expected.size())});
    EXPECT_EQ(window.form.Data1().RecordSource(), u"select * FROM [Pelis] ORDER BY [totalcds] DESC");
    EXPECT_EQ(window.text(Field::Titulo), u"Abre Los Ojos");
    EXPECT_EQ(shownDuringMessage, QStringList{u"25"_s});
    EXPECT_EQ(browseOrder(), (QStringList{u"25"_s, u"7"_s, u"12"_s, u"3"_s, u"9"_s}));
}

TEST_F(ReportCommandsTest, StatisticsTakeTheSummaryPanelOfTheWindow)
{
    choose(u"estadis");

    const QByteArray written = readBytes(kStatistics);
    const QList<QByteArray> lines = written.split('\n');
    ASSERT_EQ(lines.size(), 14); // 13 lines, each ending in CR LF
    // 7:18:0 over five films, one of them without a running time; 0.304 days.
    EXPECT_EQ(lines[1], QByteArray("Total Pel\xED" "culas 5P.\r"));
    EXPECT_EQ(lines[3], QByteArray("Duraci\xF3n Media Por Peli O Serie 1:27:36\r"));
    EXPECT_EQ(lines[4], QByteArray("Duraci\xF3n Total De Pelis Y Series 7:18:0\r"));
    EXPECT_EQ(lines[5], QByteArray("D\xED" "as De Visionado Para Ver Todas Las Pelis Seguidas ,3 D\xED" "as\r"));
}

TEST_F(ReportCommandsTest, RunningTwiceReplacesTheFile)
{
    writeBytes(u"Peliculas_Ordenadas_Por_Titulo.TxT"_s, QByteArray(20000, 'x'));
    choose(u"listadotitu");
    choose(u"listadotitu");
    choose(u"estadis");
    choose(u"estadis");

    EXPECT_EQ(readBytes(u"Peliculas_Ordenadas_Por_Titulo.TxT"_s), expectedReport(u"Peliculas_Ordenadas_Por_Titulo.TxT"_s));
    EXPECT_EQ(readBytes(kStatistics).count('\n'), 13);
    EXPECT_EQ(events.size(), 4);
}

class SpanishTitles : public ReportCommandsTest {
protected:
    SpanishTitles()
        : ReportCommandsTest({film(u"100"_s, u"oso"_s), film(u"9"_s, u"Ñandú"_s), film(u"10"_s, u"Nube"_s),
                              film(u"2"_s, u"nadie"_s), film(u"20"_s, u"Nube"_s)})
    {
    }
};

TEST_F(SpanishTitles, ListInTheCataloguesOrderCaseIgnoredEnyeAfterNNumbersAsNumbers)
{
    choose(u"alfasoloti");
    EXPECT_EQ(readBytes(u"Peliculas_Ordenadas_Solo_Titulo_Y_Numero.TxT"_s),
              QByteArray("P2 -> nadie\r\nP10 -> Nube\r\nP20 -> Nube\r\nP9 -> \xD1" "and\xFA\r\nP100 -> oso\r\n")
                      + QByteArray(80, '-') + "\r\nTotal Pel\xED" "culas 5\r\n^Brisvel^ Corp.\r\n");
    choose(u"porelnumero");
    EXPECT_EQ(numbersListed(readBytes(u"Peliculas_Ordenadas_Por_Numero.TxT"_s)),
              (QStringList{u"2"_s, u"9"_s, u"10"_s, u"20"_s, u"100"_s}));
}

class EmptyCatalogue : public ReportCommandsTest {
protected:
    EmptyCatalogue() : ReportCommandsTest({}) {}
};

TEST_F(EmptyCatalogue, EveryReportOnlySaysSoAndLeavesAnOlderFileAlone)
{
    QStringList commands{u"estadis"_s};
    QStringList files{kStatistics};
    for (const MenuListing& listing : kMenuListings) {
        commands << listing.menuItem.toString();
        files << listing.listing->fileName.toString();
    }
    for (const QString& file : files)
        writeBytes(file, "informe anterior\r\n");

    for (const QString& command : commands)
        choose(command);

    EXPECT_EQ(window.dialogs.messages, QStringList(commands.size(), u"No Hay Datos..."_s));
    EXPECT_TRUE(events.isEmpty());
    for (const QString& file : files)
        EXPECT_EQ(readBytes(file), QByteArray("informe anterior\r\n")) << file.toStdString();
    files.sort();
    EXPECT_EQ(folder.fileNames(), files);
    EXPECT_EQ(window.form.Data1().RecordSource(), kSource);
}

TEST_F(EmptyCatalogue, APastedTitleIsStoredWholeAndListedOnOneLine)
{
    // Pasted from elsewhere: line breaks, a tab, a NUL and other control
    // characters, and far more than a text box keeps by default.
    const QString pasted = u"Alien\nEl Octavo\tPasajero\r\n"_s + QChar(0) + QString(100000, u'x') + QChar(0x7f) +
                           QChar(0x2028) + u"Fin"_s;
    window.form.Command1()->click();
    window.form.box(Field::Idzefo)->setText(u"1"_s);
    QApplication::clipboard()->setText(pasted);
    window.form.box(Field::Titulo)->paste();
    window.form.Command3()->click();
    choose(u"alfasoloti");

    const QByteArray title = "Alien El Octavo Pasajero   " + QByteArray(100000, 'x') + "  Fin";
    EXPECT_EQ(readBytes(u"Peliculas_Ordenadas_Solo_Titulo_Y_Numero.TxT"_s),
              "P1 -> " + title + "\r\n" + QByteArray(80, '-') + "\r\nTotal Pel\xED" "culas 1\r\n^Brisvel^ Corp.\r\n");
}

TEST_F(ReportCommandsTest, AFolderThatCannotBeWrittenGivesAMessageAndLeavesTheWindowUsable)
{
    const QString olderFile = u"Peliculas_Ordenadas_Por_Numero.TxT"_s;
    writeBytes(olderFile, "informe anterior\r\n");
    folder.makeReadOnly();

    for (const MenuListing& listing : kMenuListings) {
        const QString fileName = listing.listing->fileName.toString();
        SCOPED_TRACE(fileName.toStdString());
        browseInOrderOfAddition();
        window.dialogs.messages.clear();
        {
            ScopedUnprivilegedUser nobody;
            choose(listing.menuItem);
        }
        EXPECT_EQ(window.dialogs.messages, QStringList{folder.cannotCreateMessage(fileName)});
        // Re-queried only by the listing whose re-query comes before its file.
        EXPECT_EQ(window.form.Data1().RecordSource(),
                  listing.listing->requeryBeforeFile ? listing.recordSource : QStringView(kSource));
    }
    browseInOrderOfAddition();
    window.dialogs.messages.clear();
    {
        ScopedUnprivilegedUser nobody;
        choose(u"estadis");
    }
    EXPECT_EQ(window.dialogs.messages.size(), 1);
    EXPECT_EQ(window.dialogs.messages.value(0), folder.cannotCreateMessage(kStatistics));
    EXPECT_EQ(window.form.Data1().RecordSource(), kSource);

    EXPECT_TRUE(events.isEmpty());
    EXPECT_EQ(readBytes(olderFile), QByteArray("informe anterior\r\n"));
    EXPECT_EQ(folder.fileNames(), QStringList{olderFile});
    // The boxes follow the record set again.
    window.form.records().MoveLast();
    EXPECT_EQ(window.text(Field::Idzefo), u"9"_s);
}

} // namespace
} // namespace catalogue

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
