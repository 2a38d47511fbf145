// The report commands run from their menu items on the real main window over
// a real catalogue file: the files they write, what the window shows
// afterwards and what the user is told.
#include "FakeCatalogue.h"
#include "MenuListings.h"
#include "ReportTestSupport.h"
#include "StatisticsReport.h"
#include "WindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace catalogue;
using namespace catalogue::testing;
using namespace Qt::Literals::StringLiterals;

namespace {

const QString kStatistics = kStatisticsFileName.toString();
const QString kSource = u"Pelis"_s;

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
struct ReportWindow {
    explicit ReportWindow(const std::vector<MovieRecord>& films = sampleFilms()) : window(films, opener)
    {
        // What the window shows at the moment each message is on screen.
        window.dialogs.onMessage = [this](const QString&) { shownDuringMessage << window.text(Field::Idzefo); };
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

} // namespace

class ReportCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void everyListingWritesItsFileByteForByteAndLeavesTheWindowInItsOrder_data()
    {
        QTest::addColumn<QString>("menuItem");
        for (const MenuListing& listing : kMenuListings)
            QTest::newRow(qPrintable(listing.menuItem.toString())) << listing.menuItem.toString();
    }
    void everyListingWritesItsFileByteForByteAndLeavesTheWindowInItsOrder()
    {
        QFETCH(QString, menuItem);
        const MenuListing& listing = menuListing(menuItem);
        const QString fileName = listing.listing->fileName.toString();
        ReportWindow w;
        w.window.form.records().MoveLast(); // whatever film is shown, the listing starts from the first

        w.choose(listing.menuItem);

        const QByteArray expected = expectedReport(fileName);
        QCOMPARE(readBytes(fileName), expected);
        const QStringList listed = numbersListed(expected);
        const bool everyFilm = listing.listing->selection == ListingDefinition::Selection::EveryFilm;
        QCOMPARE(w.window.dialogs.messages,
                 QStringList{u"Trabajo Realizado... Hay "_s + QString::number(listed.size()) +
                             listing.listing->messageTail.toString()});
        QCOMPARE(w.events, QStringList{u"open %1 (%2 bytes)"_s.arg(fileName).arg(expected.size())});
        QCOMPARE(w.folder.files(), QStringList{fileName});

        // The window browses in the listing's order from its first film, and
        // already showed that film while the message was on screen.
        QCOMPARE(w.window.form.Data1().RecordSource(), listing.recordSource.toString());
        const QString first = everyFilm ? listed.first() : w.browseOrder().first();
        QCOMPARE(w.window.text(Field::Idzefo), first);
        QCOMPARE(w.shownDuringMessage, QStringList{first});
        if (everyFilm)
            QCOMPARE(w.browseOrder(), listed);
    }

    void statisticsCopyTheCaptionsAsShownAndEndOnTheFilmWithMostCds()
    {
        ReportWindow w;
        // Captions the panel might show after films were added since it last computed them.
        w.window.form.Label11()->setText(u"5P."_s);
        w.window.form.Label7()->setText(u"01:23:36"_s);
        w.window.form.Label8()->setText(u"06:58:00"_s);
        w.window.form.Label13()->setText(u"0,29"_s);
        w.window.form.records().MoveNext();

        w.choose(u"estadis");

        const QByteArray expected = expectedReport(kStatistics);
        QCOMPARE(readBytes(kStatistics), expected);
        QCOMPARE(w.window.dialogs.messages, QStringList{u"Trabajo Realizado..."_s});
        QCOMPARE(w.events, QStringList{u"open %1 (%2 bytes)"_s.arg(kStatistics).arg(expected.size())});
        QCOMPARE(w.window.form.Data1().RecordSource(), recordSources::kByCdsMostFirst.toString());
        QCOMPARE(w.window.text(Field::Titulo), u"Abre Los Ojos"_s);
        QCOMPARE(w.shownDuringMessage, QStringList{u"25"_s});
        QCOMPARE(w.browseOrder(), (QStringList{u"25"_s, u"7"_s, u"12"_s, u"3"_s, u"9"_s}));
    }

    void statisticsTakeTheSummaryPanelOfTheWindow()
    {
        ReportWindow w;
        w.choose(u"estadis");

        const QList<QByteArray> lines = readBytes(kStatistics).split('\n');
        QCOMPARE(lines.size(), 14); // 13 lines, each ending in CR LF
        // 7:18:0 over five films, one of them without a running time; 0.304 days.
        QCOMPARE(lines[1], QByteArray("Total Pel\xED"
                                      "culas 5P.\r"));
        QCOMPARE(lines[3], QByteArray("Duraci\xF3n Media Por Peli O Serie 1:27:36\r"));
        QCOMPARE(lines[4], QByteArray("Duraci\xF3n Total De Pelis Y Series 7:18:0\r"));
        QCOMPARE(lines[5], QByteArray("D\xED"
                                      "as De Visionado Para Ver Todas Las Pelis Seguidas ,3 D\xED"
                                      "as\r"));
    }

    void runningTwiceReplacesTheFile()
    {
        ReportWindow w;
        writeBytes(u"Peliculas_Ordenadas_Por_Titulo.TxT"_s, QByteArray(20000, 'x'));
        w.choose(u"listadotitu");
        w.choose(u"listadotitu");
        w.choose(u"estadis");
        w.choose(u"estadis");

        QCOMPARE(readBytes(u"Peliculas_Ordenadas_Por_Titulo.TxT"_s),
                 expectedReport(u"Peliculas_Ordenadas_Por_Titulo.TxT"_s));
        QCOMPARE(readBytes(kStatistics).count('\n'), 13);
        QCOMPARE(w.events.size(), 4);
    }

    void spanishTitlesListInTheCataloguesOrderCaseIgnoredEnyeAfterNNumbersAsNumbers()
    {
        ReportWindow w({film(u"100"_s, u"oso"_s), film(u"9"_s, u"Ñandú"_s), film(u"10"_s, u"Nube"_s),
                        film(u"2"_s, u"nadie"_s), film(u"20"_s, u"Nube"_s)});
        w.choose(u"alfasoloti");
        QCOMPARE(readBytes(u"Peliculas_Ordenadas_Solo_Titulo_Y_Numero.TxT"_s),
                 QByteArray("P2 -> nadie\r\nP10 -> Nube\r\nP20 -> Nube\r\nP9 -> \xD1"
                            "and\xFA\r\nP100 -> oso\r\n") +
                     QByteArray(80, '-') +
                     "\r\nTotal Pel\xED"
                     "culas 5\r\n^Brisvel^ Corp.\r\n");
        w.choose(u"porelnumero");
        QCOMPARE(numbersListed(readBytes(u"Peliculas_Ordenadas_Por_Numero.TxT"_s)),
                 (QStringList{u"2"_s, u"9"_s, u"10"_s, u"20"_s, u"100"_s}));
    }

    void onAnEmptyCatalogueEveryReportOnlySaysSoAndLeavesAnOlderFileAlone()
    {
        ReportWindow w(std::vector<MovieRecord>{});
        QStringList commands{u"estadis"_s};
        QStringList files{kStatistics};
        for (const MenuListing& listing : kMenuListings) {
            commands << listing.menuItem.toString();
            files << listing.listing->fileName.toString();
        }
        QList<QDateTime> modified;
        for (const QString& file : files) {
            writeBytes(file, "informe anterior\r\n");
            modified << QFileInfo(file).lastModified();
        }

        for (const QString& command : commands)
            w.choose(command);

        QCOMPARE(w.window.dialogs.messages, QStringList(commands.size(), u"No Hay Datos..."_s));
        QVERIFY(w.events.isEmpty());
        for (qsizetype i = 0; i < files.size(); ++i) {
            QCOMPARE(readBytes(files[i]), QByteArray("informe anterior\r\n"));
            QCOMPARE(QFileInfo(files[i]).lastModified(), modified[i]);
        }
        files.sort();
        QCOMPARE(w.folder.files(), files);
        QCOMPARE(w.window.form.Data1().RecordSource(), kSource);
    }

    void aPastedTitleIsStoredWholeAndListedOnOneLine()
    {
        ReportWindow w(std::vector<MovieRecord>{});
        // Pasted from elsewhere: line breaks, a tab, a NUL and other control
        // characters, marks that turn text right to left, and far more than a
        // text box keeps by default.
        const QString pasted = u"Alien\nEl Octavo\tPasajero\r\n"_s + QChar(0) + QString(100000, u'x') + QChar(0x7f) +
                               QChar(0x2028) + QChar(0x202E) + u"Fin"_s + QChar(0x2067);
        w.window.form.Command1()->click();
        w.window.form.box(Field::Idzefo)->setText(u"1"_s);
        QApplication::clipboard()->setText(pasted);
        w.window.form.box(Field::Titulo)->paste();
        w.window.form.Command3()->click();
        w.choose(u"alfasoloti");

        const QByteArray title = "Alien El Octavo Pasajero   " + QByteArray(100000, 'x') + "   Fin ";
        QCOMPARE(readBytes(u"Peliculas_Ordenadas_Solo_Titulo_Y_Numero.TxT"_s), "P1 -> " + title + "\r\n" +
                                                                                   QByteArray(80, '-') +
                                                                                   "\r\nTotal Pel\xED"
                                                                                   "culas 1\r\n^Brisvel^ Corp.\r\n");
    }

    void aFolderThatCannotBeWrittenGivesAMessageAndLeavesTheWindowUsable()
    {
        ReportWindow w;
        const QString olderFile = u"Peliculas_Ordenadas_Por_Numero.TxT"_s;
        writeBytes(olderFile, "informe anterior\r\n");
        w.folder.makeReadOnly();

        for (const MenuListing& listing : kMenuListings) {
            const QString fileName = listing.listing->fileName.toString();
            w.browseInOrderOfAddition();
            w.window.dialogs.messages.clear();
            {
                ScopedUnprivilegedUser nobody;
                w.choose(listing.menuItem);
            }
            QCOMPARE(w.window.dialogs.messages, QStringList{w.folder.cannotCreateMessage(fileName)});
            // Re-queried only by the listing whose re-query comes before its file.
            QCOMPARE(w.window.form.Data1().RecordSource(),
                     listing.listing->requeryBeforeFile ? listing.recordSource.toString() : kSource);
        }
        w.browseInOrderOfAddition();
        w.window.dialogs.messages.clear();
        {
            ScopedUnprivilegedUser nobody;
            w.choose(u"estadis");
        }
        QCOMPARE(w.window.dialogs.messages, QStringList{w.folder.cannotCreateMessage(kStatistics)});
        QCOMPARE(w.window.form.Data1().RecordSource(), kSource);

        QVERIFY(w.events.isEmpty());
        QCOMPARE(readBytes(olderFile), QByteArray("informe anterior\r\n"));
        QCOMPARE(w.folder.files(), QStringList{olderFile});
        // The boxes follow the record set again.
        w.window.form.records().MoveLast();
        QCOMPARE(w.window.text(Field::Idzefo), u"9"_s);
    }
};

QTEST_MAIN(ReportCommandsTest)
#include "ReportCommandsTest.moc"
