#include "BrowseWindow.h"

#include <QLabel>
#include <QPushButton>

using namespace catalogue;
using namespace catalogue::testing;

namespace {

const QString kPromptTitle = QString::fromUtf8("¿ Qúe Buscas ?");
const QString kTitlePrompt = kPromptTitle + QString::fromUtf8(" | ¿ Qué Película Estas Buscando ?");
const QString kDirectorPrompt = kPromptTitle + QString::fromUtf8(" | ¿ Qué Director Estas Buscando ?");

QString titleFound(const char* number)
{
    return QStringLiteral("Se Ha Encontrado La Película. Es La Número ") + QString::fromLatin1(number);
}

QString directorFound(const char* number)
{
    return QString::fromUtf8("Se Ha Encontrado Director En La Película Número ") + QString::fromLatin1(number);
}

} // namespace

class FilmSearchTest : public QObject {
    Q_OBJECT
private slots:
    void theLastMatchInNumberOrderIsReportedAndShownAfterTheMessage()
    {
        BrowseWindow w({film("3", "Ben-Hur"), film("2", "Aliens"), film("1", "Alien")});
        QString shownAtMessage;
        w.dialogs.onMessage = [&](const QString&) { shownAtMessage = w.number(); };
        w.search("buscapelijeje", QStringLiteral("lien"));
        QCOMPARE(w.dialogs.prompts, QStringList{kTitlePrompt});
        QCOMPARE(w.dialogs.messages, QStringList{titleFound("2")});
        // The walk ran to the end before the message; the film is sought once it is closed.
        QCOMPARE(shownAtMessage, QString());
        QCOMPARE(w.number(), QStringLiteral("2"));
        QCOMPARE(w.text(Field::Titulo), QStringLiteral("Aliens"));
        QCOMPARE(w.recordSource(), kByNumber);
    }

    void lettersMatchWhateverTheirCase_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("reported"); // empty: nothing found
        QTest::newRow("stretch in lower case") << "atri"
                                               << "2";
        QTest::newRow("capitals in the answer") << "Matrix"
                                                << "2";
        QTest::newRow("capitals in the title only") << "matrix"
                                                    << "2";
        QTest::newRow("whole title in capitals") << "MATRIX"
                                                 << "2";
        QTest::newRow("not there") << "xirtam"
                                   << "";
    }
    void lettersMatchWhateverTheirCase()
    {
        QFETCH(QString, answer);
        QFETCH(QString, reported);
        BrowseWindow w({film("1", "Matrix"), film("2", "the matrix reloaded"), film("3", "Alien")});
        w.search("buscapelijeje", answer);
        if (reported.isEmpty()) {
            QCOMPARE(w.dialogs.messages, QStringList{kNotFound});
            QCOMPARE(w.number(), QStringLiteral("1"));
        } else {
            QCOMPARE(w.dialogs.messages, QStringList{titleFound(qPrintable(reported))});
            QCOMPARE(w.number(), reported);
        }
    }

    void capitalsNeverHideAMatch()
    {
        BrowseWindow w({film("1", "Matrix"), film("2", "Alien")});
        w.search("buscapelijeje", QStringLiteral("Matrix"));
        QCOMPARE(w.dialogs.messages, QStringList{titleFound("1")});
        QCOMPARE(w.text(Field::Titulo), QStringLiteral("Matrix"));
    }

    void accentedCapitalsMatchButAccentsStillCount()
    {
        BrowseWindow w(
            {film("1", "Hable con ella").director("Pedro Almodóvar"), film("2", "Alien").director("Ridley Scott")});
        w.search("buscadirector", QString::fromUtf8("ALMODÓVAR"));
        QCOMPARE(w.dialogs.messages, QStringList{directorFound("1")});
        QCOMPARE(w.caption("quebus"), QString::fromUtf8("Pedro Almodóvar"));

        w.search("buscadirector", QStringLiteral("almodovar"));
        QCOMPARE(w.dialogs.messages.last(), kNotFound);
        QCOMPARE(w.caption("quebus"), QString::fromUtf8("Pedro Almodóvar"));
    }

    void aDirectorSearchRemembersTheWholeDirectorOfTheFilmItLandsOn()
    {
        BrowseWindow w({film("1", "Jaws").director("Steven Spielberg"), film("2", "Duel").director("Spielberg"),
                        film("4", "Hook").director("Steven Spielberg"), film("5", "Alien").director("Ridley Scott")});
        w.search("buscadirector", QStringLiteral("spiel"));
        QCOMPARE(w.dialogs.prompts, QStringList{kDirectorPrompt});
        QCOMPARE(w.dialogs.messages, QStringList{directorFound("4")});
        QCOMPARE(w.number(), QStringLiteral("4"));
        QCOMPARE(w.caption("quebus"), QStringLiteral("Steven Spielberg"));
        QVERIFY(w.form.Command5()->isEnabled());
        QVERIFY(w.form.Command6()->isEnabled());
    }

    void theSearchWalksInNumberOrderWhateverOrderWasInForce()
    {
        BrowseWindow w({film("2", "Alpha").director("Fincher"), film("1", "Zulu").director("Fincher"),
                        film("3", "Mid").director("Nolan")});
        w.choose("ordtitu");
        w.search("buscadirector", QStringLiteral("fincher"));
        QCOMPARE(w.dialogs.messages, QStringList{directorFound("2")});
        QCOMPARE(w.recordSource(), kByNumber);
        w.clickNext();
        QCOMPARE(w.number(), QStringLiteral("3"));
    }

    void nothingFoundShowsTheLowestNumberAndKeepsTheDirectorUnderSearch()
    {
        BrowseWindow w({film("2", "Memento").director("Nolan"), film("1", "Alien").director("Scott"),
                        film("3", "Ran").director("Kurosawa")});
        w.search("buscadirector", QStringLiteral("nolan"));
        QCOMPARE(w.caption("quebus"), QStringLiteral("Nolan"));
        w.clickLast();

        QString shownAtMessage = QStringLiteral("unset");
        w.dialogs.onMessage = [&](const QString&) { shownAtMessage = w.number(); };
        w.search("buscadirector", QStringLiteral("kubrick"));
        QCOMPARE(w.dialogs.messages.last(), kNotFound);
        QCOMPARE(shownAtMessage, QString());
        QCOMPARE(w.number(), QStringLiteral("1"));
        QCOMPARE(w.caption("quebus"), QStringLiteral("Nolan"));
        QVERIFY(w.form.Command6()->isEnabled());
    }

    void aFilmSearchLeavesTheDirectorAndTheSteppingButtonsAlone()
    {
        BrowseWindow w({film("1", "Alien").director("Scott")});
        w.search("buscapelijeje", QStringLiteral("alien"));
        QCOMPARE(w.dialogs.messages, QStringList{titleFound("1")});
        QCOMPARE(w.caption("quebus"), QString());
        QVERIFY(!w.form.Command5()->isEnabled());
        QVERIFY(!w.form.Command6()->isEnabled());
    }

    void cancellingThePromptEndsTheSearchQuietlyInNumberOrder()
    {
        BrowseWindow w({film("2", "Alien").director("Scott"), film("1", "Brazil").director("Gilliam")});
        w.search("buscadirector", QStringLiteral("scott"));
        w.dialogs.messages.clear();
        w.choose("ordtitu");
        w.clickLast();

        w.dialogs.answerNext(std::nullopt);
        w.choose("buscadirector");
        w.dialogs.answerNext(std::nullopt);
        w.choose("buscapelijeje");
        QCOMPARE(w.dialogs.prompts.size(), 3);
        QVERIFY(w.dialogs.messages.isEmpty());
        QCOMPARE(w.recordSource(), kByNumber);
        QCOMPARE(w.number(), QStringLiteral("1"));
        QCOMPARE(w.caption("quebus"), QStringLiteral("Scott"));
    }

    void anEmptyAnswerMatchesEveryTextThatIsNotEmpty()
    {
        BrowseWindow w(
            {film("1", "Alien").director("Scott"), film("2", "Memento").director("Nolan"), film("3", "Koyaanisqatsi")});
        w.search("buscadirector", QString(""));
        QCOMPARE(w.dialogs.messages, QStringList{directorFound("2")});
        QCOMPARE(w.caption("quebus"), QStringLiteral("Nolan"));
        w.search("buscapelijeje", QString(""));
        QCOMPARE(w.dialogs.messages.last(), titleFound("3"));
    }

    void aSharedNumberLandsOnTheFirstFilmWithIt()
    {
        BrowseWindow w({film("5", "Zulu").director("Endfield"), film("5", "Alien").director("Scott"),
                        film("7", "Ran").director("Kurosawa")});
        w.search("buscadirector", QStringLiteral("scott"));
        QCOMPARE(w.dialogs.messages, QStringList{directorFound("5")});
        QCOMPARE(w.text(Field::Titulo), QStringLiteral("Zulu"));
        // The director remembered is the one of the film shown, not of the match.
        QCOMPARE(w.caption("quebus"), QStringLiteral("Endfield"));
    }

    void onAnEmptyCatalogueOnlyTheDirectorSearchDoesSomething()
    {
        BrowseWindow w;
        w.choose("buscapelijeje");
        QVERIFY(!w.form.Command5()->isEnabled());
        w.choose("buscadirector");
        QVERIFY(w.form.Command5()->isEnabled());
        QVERIFY(w.form.Command6()->isEnabled());
        QVERIFY(w.dialogs.prompts.isEmpty());
        QVERIFY(w.dialogs.messages.isEmpty());
        QCOMPARE(w.recordSource(), QStringLiteral("Pelis"));
    }
};

QTEST_MAIN(FilmSearchTest)
#include "FilmSearchTest.moc"
