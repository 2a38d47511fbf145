#include "QtPrinting.h"
#include "RecordSources.h"
#include "CommandRunner.h"
#include "FakeCatalogue.h"
#include "JoinedText.h"
#include "ListingReport.h"
#include "MenuListings.h"
#include "ReportTestSupport.h"

#include <QFile>

#include <gtest/gtest.h>

namespace catalogue {
namespace {

using namespace testing;
using namespace Qt::Literals::StringLiterals;

const QString kDone = u"message Trabajo Realizado... Hay "_s;

// Listing runs over a fake catalogue in a fresh current folder.
class ListingReportTest : public ::testing::Test {
protected:
    ListingReportTest() { logMessages(dialogs, events); }

    // Runs as the window runs a command: a failure ends it and is shown.
    void run(const MenuListing& listing, ReportSource& source)
    {
        runCommand(dialogs,
                   [&] { writeListingReport(*listing.listing, listing.recordSource, source, dialogs, opener); });
    }
    void run(const MenuListing& listing) { run(listing, catalogue); }

    static const MenuListing& listing(QStringView menuItem) { return menuListing(menuItem); }

    ScopedWorkingFolder folder;
    QStringList events;
    FakeCatalogue catalogue{sampleFilms(), events};
    ScriptedDialogs dialogs;
    RecordingOpener opener{events};
};

class EveryListing : public ListingReportTest, public ::testing::WithParamInterface<MenuListing> {};

TEST_P(EveryListing, WritesItsFileByteForByteThenConfirmsThenOpensIt)
{
    const MenuListing& listing = GetParam();
    const QString fileName = listing.listing->fileName.toString();
    catalogue.MoveNext(); // whatever film the window shows, the listing starts from the first
    run(listing);

    const QByteArray expected = expectedReport(fileName);
    EXPECT_EQ(readBytes(fileName), expected);
    const qint64 films = listing.menuItem == u"pelismas1cd" ? 2 : 5;
    EXPECT_EQ(events, (QStringList{
                          joinedText(u"requery ", listing.recordSource),
                          joinedText(kDone, QString::number(films), listing.listing->messageTail),
                          u"open %1 (%2 bytes)"_s.arg(fileName).arg(expected.size()),
                      }));
    // The window browses in the listing's order, from the first film of that
    // order (for films of more than one CD, the first of all films).
    EXPECT_EQ(catalogue.recordSource(), listing.recordSource);
    const QString firstTitle = listing.menuItem == u"porelnumero" || listing.menuItem == u"pelismas1cd"
                                   ? u"El Espíritu De La Colmena"_s
                               : listing.menuItem == u"listadodirector"   ? u"Mar Adentro"_s
                               : listing.menuItem == u"ordenadaporcodecs" ? u"Alien"_s
                                                                          : u"Abre Los Ojos"_s;
    EXPECT_EQ(catalogue.shownTitle(), firstTitle);
    EXPECT_EQ(folder.files(), QStringList{fileName});
}

INSTANTIATE_TEST_SUITE_P(Catalogue, EveryListing, ::testing::ValuesIn(kMenuListings),
                         [](const auto& info) { return info.param.menuItem.toString().toStdString(); });

TEST_F(ListingReportTest, RunningTwiceLeavesOnlyTheSecondRun)
{
    run(listing(u"listadotitu"));
    FakeCatalogue oneFilm({sampleFilms().front()}, events);
    run(listing(u"listadotitu"), oneFilm);

    const QByteArray file = readBytes(u"Peliculas_Ordenadas_Por_Titulo.TxT"_s);
    EXPECT_EQ(file.count("\r\n"), 10);
    EXPECT_TRUE(file.startsWith("N\xFAmero Pel\xED"
                                "cula    ---> 12\r\n"));
    EXPECT_TRUE(file.endsWith("Total Pel\xED"
                              "culas 1\r\n^Brisvel^ Corp.\r\n"));
    EXPECT_EQ(events.last(), u"open Peliculas_Ordenadas_Por_Titulo.TxT (%1 bytes)"_s.arg(file.size()));
}

TEST_F(ListingReportTest, CreatesTheFileBeforeTheRequeryExceptForFilmsOfMoreThanOneCd)
{
    SKIP_WITHOUT_PERMISSIONS();
    // With both steps bound to fail, the one that comes first is the one reported.
    folder.makeReadOnly();
    catalogue.requeryFailure = u"La Base De Datos No Responde..."_s;
    for (const MenuListing& each : kMenuListings) {
        {
            ScopedUnprivilegedUser nobody;
            run(each);
        }
        EXPECT_EQ(events.last().startsWith(u"message La Base De Datos"), each.listing->requeryBeforeFile)
            << events.last().toStdString();
    }
}

TEST_F(ListingReportTest, AFailingRequeryStopsTheRunAndKeepsTheOlderReport)
{
    const QString fileName = u"Peliculas_Ordenadas_Por_Numero.TxT"_s;
    writeBytes(fileName, "informe anterior\r\n");
    catalogue.requeryFailure = u"La Base De Datos No Responde..."_s;

    run(listing(u"porelnumero"));

    EXPECT_EQ(events, (QStringList{u"requery "_s + recordSources::kByNumber.toString(),
                                   u"message La Base De Datos No Responde..."_s}));
    EXPECT_EQ(readBytes(fileName), QByteArray("informe anterior\r\n"));
    EXPECT_EQ(folder.files(), QStringList{fileName});
}

TEST_F(ListingReportTest, NoFilmOfMoreThanOneCdStillWritesTotalsAndOpensTheFile)
{
    auto films = sampleFilms();
    for (auto& film : films)
        film[5] = u"1"_s;
    FakeCatalogue oneCdEach(films, events);

    run(listing(u"pelismas1cd"), oneCdEach);

    EXPECT_EQ(readBytes(u"Peliculas_O_Series_De_Mas_De_1CD.TxT"_s),
              QByteArray("Total Pel\xED"
                         "culas De M\xE1s De 1CD 0\r\n^Brisvel^ Corp.\r\n"));
    EXPECT_TRUE(events.contains(kDone + u"0 Películas De Más De 1CD"_s));
    EXPECT_TRUE(events.last().startsWith(u"open Peliculas_O_Series_De_Mas_De_1CD.TxT"));
    EXPECT_EQ(oneCdEach.recordSource(), recordSources::kByNumberThenTitle);
}

TEST_F(ListingReportTest, WritesAHundredThousandFilmsWhole)
{
    GeneratedCatalogue large(100000);
    run(listing(u"listadotitu"), large);

    QFile file(u"Peliculas_Ordenadas_Por_Titulo.TxT"_s);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    qint64 lines = 0;
    QByteArray line, previous;
    bool sawFilm32768 = false;
    while (!file.atEnd()) {
        previous = line;
        line = file.readLine();
        ++lines;
        sawFilm32768 = sawFilm32768 || line == "N\xFAmero Pel\xED"
                                               "cula    ---> 32768\r\n";
    }
    EXPECT_EQ(lines, 8 * 100000 + 2);
    EXPECT_TRUE(sawFilm32768);
    EXPECT_EQ(previous, QByteArray("Total Pel\xED"
                                   "culas 100000\r\n"));
    EXPECT_EQ(line, QByteArray("^Brisvel^ Corp.\r\n"));
    EXPECT_TRUE(events.contains(kDone + u"100000 Películas..."_s));
}

} // namespace
} // namespace catalogue
