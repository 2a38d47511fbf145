#include "BrowseWindow.h"
#include "RecordSources.h"

#include <QToolButton>

using namespace catalogue;
using namespace catalogue::testing;

namespace {

MovieRecord row(const char* number, const char* title, const char* time, const char* kind, const char* director,
                const char* cds, const char* codec)
{
    return {number, title, time, kind, director, cds, codec};
}

// Each film comes first in exactly one of the seven orders; the last one added
// in none, so every ordering visibly moves the display. Numbers and CD counts
// are chosen so that comparing them as text would put another film first.
const std::vector<MovieRecord> kEightFilms{
    row("2", "Memento", "01:53:00", "Screener", "Nolan", "9", "XviD"),
    row("10", "Xanadu", "01:36:00", "TS", "Greenwald", "1", "Divx3.11"),
    row("11", "Yol", "00:59:00", "TV-Rip", "Güney", "1", "XviD"),
    row("12", "alien", "01:57:00", "VHS-Rip", "Scott", "1", "XviD"),
    row("13", "Brazil", "02:12:00", "TS-Screener", "allen", "1", "XviD"),
    row("14", "Ran", "02:42:00", "DvD-Rip", "Kurosawa", "1", "XviD"),
    row("15", "Shoah", "09:26:00", "Screener", "Lanzmann", "12", "XviD"),
    row("20", "Vertigo", "02:08:00", "Screener", "Hitchcock", "1", "XviD"),
};

} // namespace

class OrderingsTest : public QObject {
    Q_OBJECT
private slots:
    void eachOrderingShowsTheFirstFilmOfItsOrder_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("recordSource");
        QTest::addColumn<QString>("firstNumber");
        QTest::addColumn<QString>("secondNumber");
        QTest::newRow("pornumero") << "pornumero" << recordSources::kByNumber.toString() << "2"
                                   << "10";
        QTest::newRow("ordefecha") << "ordefecha" << recordSources::kByCodec.toString() << "10"
                                   << "2";
        QTest::newRow("orddura") << "orddura" << recordSources::kByRunningTime.toString() << "11"
                                 << "10";
        QTest::newRow("ordtitu") << "ordtitu" << recordSources::kByTitle.toString() << "12"
                                 << "13";
        QTest::newRow("pordirector") << "pordirector" << recordSources::kByDirector.toString() << "13"
                                     << "10";
        QTest::newRow("oredipopeli") << "oredipopeli" << recordSources::kByKindOfCopy.toString() << "14"
                                     << "2";
        QTest::newRow("ordecantc") << "ordecantc" << recordSources::kByCdsMostFirst.toString() << "15"
                                   << "2";
    }
    void eachOrderingShowsTheFirstFilmOfItsOrder()
    {
        QFETCH(QString, item);
        QFETCH(QString, recordSource);
        QFETCH(QString, firstNumber);
        QFETCH(QString, secondNumber);
        BrowseWindow w(kEightFilms);
        w.clickLast();
        QCOMPARE(w.number(), QStringLiteral("20"));

        w.choose(qPrintable(item));
        QCOMPARE(w.recordSource(), recordSource);
        QCOMPARE(w.number(), firstNumber);
        w.clickNext();
        QCOMPARE(w.number(), secondNumber);

        // Chosen again while it is in force and the last film is shown: back to its first film.
        w.clickLast();
        w.choose(qPrintable(item));
        QCOMPARE(w.number(), firstNumber);
        QCOMPARE(w.recordSource(), recordSource);
        QVERIFY(w.dialogs.messages.isEmpty());
    }

    void onAnEmptyCatalogueNoOrderingDoesAnything()
    {
        BrowseWindow w;
        for (const char* item :
             {"pornumero", "ordefecha", "orddura", "ordtitu", "pordirector", "oredipopeli", "ordecantc"}) {
            w.choose(item);
            QCOMPARE(w.recordSource(), QStringLiteral("Pelis"));
            for (Field f : allFields)
                QCOMPARE(w.text(f), QString());
        }
        QVERIFY(w.dialogs.messages.isEmpty());
    }

    void numberOrderThenTheNextArrowFollowsIt()
    {
        BrowseWindow w({film("3", "C"), film("1", "A"), film("2", "B")});
        QCOMPARE(w.number(), QStringLiteral("3"));
        w.choose("pornumero");
        QCOMPARE(w.number(), QStringLiteral("1"));
        w.clickNext();
        QCOMPARE(w.number(), QStringLiteral("2"));
        w.clickNext();
        QCOMPARE(w.number(), QStringLiteral("3"));
    }

    void theOrderStaysInForceUntilAnotherIsChosen()
    {
        BrowseWindow w({film("1", "Zodiac"), film("2", "Alien"), film("3", "Memento")});
        w.choose("ordtitu");
        QCOMPARE(walk(w.form.records(), Field::Titulo),
                 (QStringList{QStringLiteral("Alien"), QStringLiteral("Memento"), QStringLiteral("Zodiac")}));
        w.choose("pornumero");
        QCOMPARE(walk(w.form.records(), Field::Idzefo),
                 (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}));
    }

    void mostCdsFirstKeepsTiesInTheStoresOrder()
    {
        BrowseWindow w(
            {film("1", "A").cds("2"), film("2", "B").cds("3"), film("3", "C").cds("3"), film("4", "D").cds("10")});
        w.choose("ordecantc");
        QCOMPARE(walk(w.form.records(), Field::Idzefo),
                 (QStringList{QStringLiteral("4"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("1")}));
    }

    void anOrderingThenASearchBrowsesByNumberAgain()
    {
        BrowseWindow w({film("1", "Zodiac"), film("2", "Alien"), film("3", "Memento")});
        w.choose("ordtitu");
        w.search("buscapelijeje", QStringLiteral("zodiac"));
        QCOMPARE(w.recordSource(), kByNumber);
        QCOMPARE(w.number(), QStringLiteral("1"));
        w.clickNext();
        QCOMPARE(w.number(), QStringLiteral("2"));
        w.clickNext();
        QCOMPARE(w.number(), QStringLiteral("3"));
    }
};

QTEST_MAIN(OrderingsTest)
#include "OrderingsTest.moc"
