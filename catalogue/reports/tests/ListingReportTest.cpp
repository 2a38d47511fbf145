#include "QtPrinting.h"
#include "FakeCatalogue.h"
#include "JoinedText.h"
#include "ListingReport.h"
#include "MenuListings.h"
#include "ReportTestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace catalogue {
namespace {

using namespace testing;
using namespace Qt::Literals::StringLiterals;

const QString kDone = u"message ^Brisvel^ Catálogo Divx|Trabajo Realizado... Hay "_s;

// One listing run over a fake catalogue in a fresh current folder.
class ListingReportTest : public ::testing::Test {
protected:
    ReportOutcome run(const MenuListing& listing)
    {
        return writeListingReport(*listing.listing, listing.recordSource, catalogue, dialogs, opener);
    }

    static const MenuListing& listing(QStringView menuItem) { return menuListing(menuItem); }

    ScopedWorkingFolder folder;
    QStringList events;
    FakeCatalogue catalogue{sampleFilms(), events};
    RecordingDialogs dialogs{events};
    RecordingOpener opener{events};
};

class EveryListing : public ListingReportTest,
                     public ::testing::WithParamInterface<MenuListing> {};

TEST_P(EveryListing, WritesItsFileByteForByteThenConfirmsThenOpensIt)
{
    const MenuListing& listing = GetParam();
    const QString fileName = listing.listing->fileName.toString();
    const ReportOutcome outcome = run(listing);

    const QByteArray expected = expectedReport(fileName);
    EXPECT_EQ(readBytes(fileName), expected);
    EXPECT_EQ(outcome.kind, ReportOutcome::Kind::Written);
    const qint64 films = listing.menuItem == u"pelismas1cd" ? 2 : 5;
    EXPECT_EQ(outcome.count, films);
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
            : listing.menuItem == u"listadodirector" ? u"Mar Adentro"_s
            : listing.menuItem == u"ordenadaporcodecs" ? u"Alien"_s
                                                       : u"Abre Los Ojos"_s;
    EXPECT_EQ(catalogue.shownTitle(), firstTitle);
    EXPECT_EQ(folder.fileNames(), QStringList{fileName});
}

INSTANTIATE_TEST_SUITE_P(Catalogue, EveryListing, ::testing::ValuesIn(kMenuListings),
                         [](const auto& info) { return info.param.menuItem.toString().toStdString(); });

TEST_F(ListingReportTest, LeavesTheWindowOnTheFirstFilmOfTheListingOrder)
{
    catalogue.moveNext();
    run(listing(u"listadodirector"));
    EXPECT_EQ(catalogue.shownTitle(), u"Mar Adentro");
    catalogue.moveNext();
    EXPECT_EQ(catalogue.shownTitle(), u"Abre Los Ojos");
}

TEST_F(ListingReportTest, AnEmptyCatalogueOnlySaysSoAndLeavesAnOlderFileAlone)
{
    const QString fileName = u"Peliculas_Ordenadas_Por_Titulo.TxT"_s;
    writeBytes(fileName, "informe anterior\r\n");
    const QDateTime modified = QFileInfo(fileName).lastModified();
    FakeCatalogue empty({}, events);

    const ReportOutcome outcome = writeListingReport(listings::kByTitle, listing(u"listadotitu").recordSource, empty,
                                                     dialogs, opener);

    EXPECT_EQ(outcome.kind, ReportOutcome::Kind::NoData);
    EXPECT_EQ(events, QStringList{u"message ^Brisvel^ Catálogo Divx|No Hay Datos..."_s});
    EXPECT_EQ(readBytes(fileName), QByteArray("informe anterior\r\n"));
    EXPECT_EQ(QFileInfo(fileName).lastModified(), modified);
    EXPECT_EQ(folder.fileNames(), QStringList{fileName});
    EXPECT_EQ(empty.recordSource(), u"Pelis");
}

TEST_F(ListingReportTest, RunningTwiceLeavesOnlyTheSecondRun)
{
    run(listing(u"listadotitu"));
    FakeCatalogue oneFilm({sampleFilms().front()}, events);
    writeListingReport(listings::kByTitle, listing(u"listadotitu").recordSource, oneFilm, dialogs, opener);

    const QByteArray file = readBytes(u"Peliculas_Ordenadas_Por_Titulo.TxT"_s);
    EXPECT_EQ(file.count("\r\n"), 10);
    EXPECT_TRUE(file.startsWith("N\xFAmero Pel\xED" "cula    ---> 12\r\n"));
    EXPECT_TRUE(file.endsWith("Total Pel\xED" "culas 1\r\n^Brisvel^ Corp.\r\n"));
    EXPECT_EQ(events.last(), u"open Peliculas_Ordenadas_Por_Titulo.TxT (%1 bytes)"_s.arg(file.size()));
}

TEST_F(ListingReportTest, CreatesTheFileBeforeTheRequeryExceptForFilmsOfMoreThanOneCd)
{
    // With both steps bound to fail, the one that comes first is the one reported.
    folder.makeReadOnly();
    catalogue.requeryFailure = u"La Base De Datos No Responde..."_s;
    for (const MenuListing& each : kMenuListings) {
        ReportOutcome outcome;
        {
            ScopedUnprivilegedUser nobody;
            outcome = run(each);
        }
        EXPECT_EQ(outcome.failure.startsWith(u"La Base De Datos"), each.listing->requeryBeforeFile)
                << outcome.failure.toStdString();
    }
}

TEST_F(ListingReportTest, AnUnwritableFolderGivesAMessageAndTouchesNoFile)
{
    const QString olderFile = u"Peliculas_O_Series_De_Mas_De_1CD.TxT"_s;
    writeBytes(olderFile, "informe anterior\r\n");
    folder.makeReadOnly();
    for (const MenuListing& each : kMenuListings) {
        events.clear();
        FakeCatalogue fresh(sampleFilms(), events);
        ReportOutcome outcome;
        {
            ScopedUnprivilegedUser nobody;
            outcome = writeListingReport(*each.listing, each.recordSource, fresh, dialogs, opener);
        }
        const QString name = each.listing->fileName.toString();
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(outcome.kind, ReportOutcome::Kind::Failed);
        EXPECT_EQ(outcome.failure, folder.cannotCreateMessage(name));
        EXPECT_EQ(events.last(), u"message ^Brisvel^ Catálogo Divx|"_s + outcome.failure);
        EXPECT_FALSE(events.join(u'\n').contains(u"open "));
        // The browse order is what the failing step left: re-queried only where that came first.
        EXPECT_EQ(fresh.recordSource(), each.listing->requeryBeforeFile ? each.recordSource : QStringView(u"Pelis"));
    }
    EXPECT_EQ(readBytes(olderFile), QByteArray("informe anterior\r\n"));
    EXPECT_EQ(folder.fileNames(), QStringList{olderFile});
}

TEST_F(ListingReportTest, AFailingRequeryStopsTheRunAndKeepsTheOlderReport)
{
    const QString fileName = u"Peliculas_Ordenadas_Por_Numero.TxT"_s;
    writeBytes(fileName, "informe anterior\r\n");
    catalogue.requeryFailure = u"La Base De Datos No Responde..."_s;

    const ReportOutcome outcome = run(listing(u"porelnumero"));

    EXPECT_EQ(outcome.kind, ReportOutcome::Kind::Failed);
    EXPECT_EQ(events.last(), u"message ^Brisvel^ Catálogo Divx|La Base De Datos No Responde..."_s);
    EXPECT_EQ(readBytes(fileName), QByteArray("informe anterior\r\n"));
    EXPECT_EQ(folder.fileNames(), QStringList{fileName});
}

TEST_F(ListingReportTest, NoFilmOfMoreThanOneCdStillWritesTotalsAndOpensTheFile)
{
    auto films = sampleFilms();
    for (auto& film : films)
        film[5] = u"1"_s;
    FakeCatalogue oneCdEach(films, events);

    writeListingReport(listings::kMoreThanOneCd, listing(u"pelismas1cd").recordSource, oneCdEach, dialogs, opener);

    EXPECT_EQ(readBytes(u"Peliculas_O_Series_De_Mas_De_1CD.TxT"_s),
              QByteArray("Total Pel\xED" "culas De M\xE1s De 1CD 0\r\n^Brisvel^ Corp.\r\n"));
    EXPECT_TRUE(events.contains(kDone + u"0 Películas De Más De 1CD"_s));
    EXPECT_TRUE(events.last().startsWith(u"open Peliculas_O_Series_De_Mas_De_1CD.TxT"));
    EXPECT_EQ(oneCdEach.recordSource(), u"select * FROM [Pelis] ORDER BY [idzefo],[titulo] ASC");
}

TEST_F(ListingReportTest, WritesAHundredThousandFilmsWhole)
{
    GeneratedCatalogue large(100000);
    const ReportOutcome outcome = writeListingReport(listings::kByTitle, listing(u"listadotitu").recordSource, large,
                                                     dialogs, opener);
    EXPECT_EQ(outcome.count, 100000);

    QFile file(u"Peliculas_Ordenadas_Por_Titulo.TxT"_s);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    qint64 lines = 0;
    QByteArray line, previous;
    bool sawFilm32768 = false;
    while (!file.atEnd()) {
        previous = line;
        line = file.readLine();
        ++lines;
        sawFilm32768 = sawFilm32768 || line == "N\xFAmero Pel\xED" "cula    ---> 32768\r\n";
    }
    EXPECT_EQ(lines, 8 * 100000 + 2);
    EXPECT_TRUE(sawFilm32768);
    EXPECT_EQ(previous, QByteArray("Total Pel\xED" "culas 100000\r\n"));
    EXPECT_EQ(line, QByteArray("^Brisvel^ Corp.\r\n"));
    EXPECT_TRUE(events.contains(kDone + u"100000 Películas..."_s));
}

} // namespace
} // namespace catalogue
