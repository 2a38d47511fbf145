#include "BrowseWindow.h"

#include <QLabel>

using namespace catalogue;
using namespace catalogue::testing;

class DirectorSteppingTest : public QObject {
    Q_OBJECT
private slots:
    void stepsThroughTheWholeDirectorLetterCaseIgnored()
    {
        BrowseWindow w({film("1", "Jaws").director("Steven Spielberg"), film("2", "Duel").director("Spielberg"),
                        film("3", "E.T.").director("steven spielberg"), film("4", "Hook").director("Steven Spielberg"),
                        film("5", "Alien").director("Ridley Scott")});
        w.search("buscadirector", QStringLiteral("spiel"));
        QCOMPARE(w.number(), QStringLiteral("4"));
        w.dialogs.messages.clear();

        w.click(w.form.Command6());
        QCOMPARE(w.dialogs.messages, QStringList{kNoMore});
        QCOMPARE(w.number(), QStringLiteral("4"));

        w.click(w.form.Command5());
        QCOMPARE(w.number(), QStringLiteral("3"));
        w.click(w.form.Command5());
        QCOMPARE(w.number(), QStringLiteral("1"));
        QCOMPARE(w.dialogs.messages.size(), 1);
        w.click(w.form.Command5());
        QCOMPARE(w.dialogs.messages, (QStringList{kNoMore, kNoMore}));
        QCOMPARE(w.number(), QStringLiteral("1"));
        QCOMPARE(w.text(Field::Titulo), QStringLiteral("Jaws"));

        w.click(w.form.Command6());
        QCOMPARE(w.number(), QStringLiteral("3"));
    }

    void aDirectorWithAQuoteIsSearchedAndStepped()
    {
        BrowseWindow w({film("1", "King Kong").director("Willis O'Brien"), film("2", "Alien").director("Scott"),
                        film("3", "Mighty Joe Young").director("willis o'brien")});
        w.search("buscadirector", QStringLiteral("O'Brien"));
        QCOMPARE(w.number(), QStringLiteral("3"));
        QCOMPARE(w.caption("quebus"), QStringLiteral("willis o'brien"));
        w.click(w.form.Command5());
        QCOMPARE(w.number(), QStringLiteral("1"));
        w.click(w.form.Command6());
        QCOMPARE(w.number(), QStringLiteral("3"));
        QCOMPARE(w.dialogs.messages.size(), 1); // the found message only
    }

    void stepsInTheOrderInForce()
    {
        BrowseWindow w({film("1", "Zodiac").director("Fincher"), film("2", "Alien").director("Scott"),
                        film("3", "Seven").director("Fincher"), film("4", "Fight Club").director("Fincher")});
        w.search("buscadirector", QStringLiteral("fincher"));
        QCOMPARE(w.caption("quebus"), QStringLiteral("Fincher"));
        w.choose("ordtitu");
        QCOMPARE(w.text(Field::Titulo), QStringLiteral("Alien"));
        QStringList visited;
        for (int i = 0; i < 3; ++i) {
            w.click(w.form.Command6());
            visited << w.text(Field::Titulo);
        }
        QCOMPARE(visited,
                 (QStringList{QStringLiteral("Fight Club"), QStringLiteral("Seven"), QStringLiteral("Zodiac")}));
        QCOMPARE(w.dialogs.messages.size(), 1);
        w.click(w.form.Command6());
        QCOMPARE(w.dialogs.messages.last(), kNoMore);
        QCOMPARE(w.text(Field::Titulo), QStringLiteral("Zodiac"));
    }

    void anUnsuccessfulSearchKeepsSteppingThroughThePreviousDirector()
    {
        BrowseWindow w({film("1", "Memento").director("Nolan"), film("2", "Alien").director("Scott"),
                        film("3", "Tenet").director("Nolan")});
        w.search("buscadirector", QStringLiteral("nolan"));
        w.search("buscadirector", QStringLiteral("kubrick"));
        QCOMPARE(w.number(), QStringLiteral("1"));
        w.click(w.form.Command6());
        QCOMPARE(w.number(), QStringLiteral("3"));
    }

    void withNoDirectorUnderSearchTheFilmsWithoutDirectorAreVisited()
    {
        BrowseWindow w(
            {film("1", "Alien").director("Scott"), film("2", "Baraka"), film("3", "Ran").director("Kurosawa")});
        w.search("buscadirector", QStringLiteral("kubrick"));
        QCOMPARE(w.caption("quebus"), QString());
        w.click(w.form.Command6());
        QCOMPARE(w.number(), QStringLiteral("2"));
    }

    void afterASearchOfAnEmptyCatalogueAStepOnlySaysThereIsNoMore()
    {
        BrowseWindow w;
        w.choose("buscadirector");
        w.click(w.form.Command6());
        w.click(w.form.Command5());
        QCOMPARE(w.dialogs.messages, (QStringList{kNoMore, kNoMore}));
        for (Field f : allFields)
            QCOMPARE(w.text(f), QString());
    }

    void theButtonsDoNothingUntilADirectorSearch()
    {
        BrowseWindow w({film("1", "Alien").director("Scott"), film("2", "Prometheus").director("Scott")});
        w.click(w.form.Command6());
        QCOMPARE(w.number(), QStringLiteral("1"));
        QVERIFY(w.dialogs.messages.isEmpty());
    }
};

QTEST_MAIN(DirectorSteppingTest)
#include "DirectorSteppingTest.moc"
