#include "EditingCommands.h"
#include "RecordSources.h"
#include "SmallDisk.h"
#include "WindowFixture.h"

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using namespace catalogue;
using namespace catalogue::testing;

namespace {

bool addingState(WindowFixture& w)
{
    for (Field f : allFields)
        if (w.form.box(f)->isLocked())
            return false;
    return !w.form.Command1()->isEnabled() && w.form.Command3()->isEnabled() && !w.form.Command4()->isEnabled() &&
           !w.form.Command5()->isEnabled() && !w.form.Command6()->isEnabled() && !w.form.opciones()->isEnabled() &&
           !w.form.navigationBar()->isAvailable();
}

bool browsingState(WindowFixture& w)
{
    for (Field f : {Field::Idzefo, Field::Titulo, Field::Duracion, Field::Tipopeli, Field::Director, Field::Totalcds})
        if (!w.form.box(f)->isLocked())
            return false;
    return !w.form.box(Field::Codec)->isLocked() && w.form.Command1()->isEnabled() && !w.form.Command3()->isEnabled() &&
           w.form.Command4()->isEnabled() && w.form.opciones()->isEnabled() && w.form.navigationBar()->isAvailable();
}

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

} // namespace

class EditingTest : public QObject {
    Q_OBJECT
private slots:
    void addingEmptiesTheBoxesAndSwitchesTheStates()
    {
        WindowFixture w({film("1", "Alien")});
        w.form.Command5()->setEnabled(true);
        w.click(1);
        for (Field f : allFields)
            QCOMPARE(w.text(f), QString());
        QVERIFY(addingState(w));
        for (QAction* item : w.form.opciones()->actions())
            QVERIFY2(!item->isEnabled(), qPrintable(item->objectName()));
    }

    void savingStoresTheFilmAndShowsTheFirstOfTheOrder()
    {
        WindowFixture w({film("5", "Zodiac")});
        w.data1->setRecordSource(recordSources::kByTitle.toString());
        w.data1->Refresh();
        w.click(1);
        w.type(Field::Idzefo, QStringLiteral("6"));
        w.type(Field::Titulo, QStringLiteral("Alien"));
        w.type(Field::Duracion, QStringLiteral("1:57:00"));
        w.type(Field::Tipopeli, QStringLiteral("DvD"));
        w.type(Field::Director, QStringLiteral("Ridley Scott"));
        w.type(Field::Totalcds, QStringLiteral("2"));
        w.type(Field::Codec, QStringLiteral("XviD"));
        w.click(3);
        QVERIFY(w.dialogs.messages.isEmpty());
        QVERIFY(browsingState(w));
        QVERIFY(!w.form.Command5()->isEnabled());
        QCOMPARE(w.text(Field::Titulo), QStringLiteral("Alien"));
        QCOMPARE(w.caption("Label11"), QStringLiteral("2P."));
        QCOMPARE(w.caption("Label16"), QStringLiteral("5"));
        auto stored = w.catalogue.open();
        RecordSet& rs = stored->Recordset();
        rs.MoveLast();
        QCOMPARE(rs.text(Field::Duracion), QStringLiteral("01:30:00"));
        QCOMPARE(rs.text(Field::Director), QStringLiteral("Ridley Scott"));
        QCOMPARE(rs.text(Field::Codec), QStringLiteral("XviD"));
    }

    void theRunningTimeRuleAtSave_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("seven characters") << "1:30:00"
                                          << "01:30:00";
        QTest::newRow("eight characters") << "12:00:00"
                                          << "12:00:00";
        QTest::newRow("empty") << ""
                               << "01:30:00";
        QTest::newRow("longer, kept as typed") << "02:10:00 aprox"
                                               << "02:10:00 aprox";
    }
    void theRunningTimeRuleAtSave()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        WindowFixture w;
        w.click(1);
        w.type(Field::Idzefo, QStringLiteral("1"));
        w.type(Field::Titulo, QStringLiteral("Alien"));
        if (!typed.isEmpty())
            w.type(Field::Duracion, typed);
        w.click(3);
        QCOMPARE(w.catalogue.open()->Recordset().text(Field::Duracion), stored);
    }

    void aSaveWithoutNumberOrTitleKeepsEverythingTyped()
    {
        WindowFixture w({film("1", "Alien")});
        w.click(1);
        w.type(Field::Idzefo, QStringLiteral("2"));
        w.type(Field::Director, QStringLiteral("Ridley Scott"));
        w.click(3);
        QCOMPARE(w.dialogs.messages, QStringList{kMissingNumberOrTitle});
        QVERIFY(addingState(w));
        QCOMPARE(w.text(Field::Idzefo), QStringLiteral("2"));
        QCOMPARE(w.text(Field::Director), QStringLiteral("Ridley Scott"));
        w.type(Field::Titulo, QStringLiteral(" "));
        w.click(3);
        QCOMPARE(w.dialogs.messages.size(), 1);
        QVERIFY(browsingState(w));
        QCOMPARE(w.storedTitles(), (QStringList{"Alien", " "}));
    }

    void aNumberThatIsNotWholeIsRefusedWithEverythingKept_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("cds");
        QTest::addColumn<QString>("message");
        QTest::newRow("letters") << "doce"
                                 << "1" << kNumberNotWhole;
        QTest::newRow("decimal comma") << "12,5"
                                       << "1" << kNumberNotWhole;
        QTest::newRow("too big to keep") << "99999999999999999999"
                                         << "1" << kNumberTooBig;
        QTest::newRow("cds too big to keep") << "12"
                                             << "-99999999999999999999" << kCdsTooBig;
        QTest::newRow("cds in letters") << "12"
                                        << "dos" << kCdsNotWhole;
        QTest::newRow("cds with decimals") << "12"
                                           << "1.5" << kCdsNotWhole;
    }
    void aNumberThatIsNotWholeIsRefusedWithEverythingKept()
    {
        QFETCH(QString, number);
        QFETCH(QString, cds);
        QFETCH(QString, message);
        WindowFixture w({film("1", "Alien")});
        w.click(1);
        w.type(Field::Idzefo, number);
        w.type(Field::Titulo, QStringLiteral("Blade Runner"));
        w.type(Field::Totalcds, cds);
        w.type(Field::Codec, QStringLiteral("XviD"));
        w.click(3);
        QCOMPARE(w.dialogs.messages, QStringList{message});
        QVERIFY(addingState(w));
        QCOMPARE(w.text(Field::Idzefo), number);
        QCOMPARE(w.text(Field::Titulo), QStringLiteral("Blade Runner"));
        QCOMPARE(w.text(Field::Totalcds), cds);
        QCOMPARE(w.text(Field::Codec), QStringLiteral("XviD"));
        QCOMPARE(w.storedTitles(), QStringList{"Alien"});
    }

    void blanksAroundANumberAreForgivenAndDuplicatesAllowed()
    {
        WindowFixture w({film("7", "Alien")});
        w.click(1);
        w.type(Field::Idzefo, QStringLiteral(" 7 "));
        w.type(Field::Titulo, QStringLiteral("Aliens"));
        w.type(Field::Totalcds, QStringLiteral(" 2"));
        w.click(3);
        QVERIFY(w.dialogs.messages.isEmpty());
        auto stored = w.catalogue.open();
        stored->Recordset().MoveLast();
        QCOMPARE(stored->Recordset().text(Field::Idzefo), QStringLiteral("7"));
        QCOMPARE(stored->Recordset().text(Field::Totalcds), QStringLiteral("2"));
    }

    void afterASaveClearAllIsDisarmedUntilTheMenuItemIsUsedAgain()
    {
        WindowFixture w({film("1", "Alien")});
        QAction* arm = w.item("activaborra");
        arm->trigger();
        QVERIFY(w.form.Command2()->isEnabled());
        QVERIFY(arm->isChecked());
        w.click(1);
        w.type(Field::Idzefo, QStringLiteral("2"));
        w.type(Field::Titulo, QStringLiteral("Aliens"));
        w.click(3);
        QVERIFY(!w.form.Command2()->isEnabled());
        QVERIFY(arm->isChecked());
        arm->trigger();
        QVERIFY(w.form.Command2()->isEnabled());
        QVERIFY(arm->isChecked());
        arm->trigger();
        QVERIFY(!w.form.Command2()->isEnabled());
        QVERIFY(!arm->isChecked());
    }

    void deletingShowsTheMessageAndThenTheFirstFilm()
    {
        WindowFixture w({film("1", "Alien"), film("2", "Aliens"), film("3", "Ben-Hur")});
        QTest::mouseClick(w.form.navigationBar()->lastButton(), Qt::LeftButton);
        QString shownAtMessage;
        w.dialogs.onMessage = [&](const QString&) { shownAtMessage = w.text(Field::Titulo); };
        w.click(4);
        QCOMPARE(w.dialogs.messages, QStringList{kFilmDeleted});
        QCOMPARE(shownAtMessage, QString());
        QCOMPARE(w.text(Field::Titulo), QStringLiteral("Alien"));
        QCOMPARE(w.caption("Label11"), QStringLiteral("2P."));
        QCOMPARE(w.storedTitles(), (QStringList{"Alien", "Aliens"}));
    }

    void deletingTheOnlyFilmEmptiesTheSummary()
    {
        WindowFixture w({film("1", "Alien")});
        QCOMPARE(w.caption("Label11"), QStringLiteral("1P."));
        w.click(4);
        QCOMPARE(w.dialogs.messages, QStringList{kFilmDeleted});
        for (const char* name : {"Label7", "Label8", "Label11", "Label13", "Label16"})
            QCOMPARE(w.caption(name), QString());
        w.click(4);
        QCOMPARE(w.dialogs.messages.size(), 1);
    }

    void clearAllFromTheFirstFilmShowsTheMessageOnce()
    {
        WindowFixture w({film("1", "A"), film("2", "B"), film("3", "C")});
        w.item("activaborra")->trigger();
        w.click(2);
        QCOMPARE(w.dialogs.messages, QStringList{kCatalogueCleared});
        QCOMPARE(w.form.records().RecordCount(), 0);
        QCOMPARE(w.caption("Label11"), QString());
        QCOMPARE(w.text(Field::Titulo), QString());
        QVERIFY(w.form.Command2()->isEnabled());
        QVERIFY(w.item("activaborra")->isChecked());
        QCOMPARE(w.storedTitles(), QStringList());
    }

    void clearAllFromTheSecondFilmShowsTheMessageTwice()
    {
        WindowFixture w({film("1", "A"), film("2", "B"), film("3", "C")});
        QTest::mouseClick(w.form.navigationBar()->nextButton(), Qt::LeftButton);
        w.item("activaborra")->trigger();
        QStringList leftAtMessage;
        w.dialogs.onMessage = [&](const QString&) {
            leftAtMessage << QString::number(w.form.records().RecordCount()) + u':' + w.text(Field::Titulo);
        };
        w.click(2);
        QCOMPARE(w.dialogs.messages, (QStringList{kCatalogueCleared, kCatalogueCleared}));
        QCOMPARE(leftAtMessage, (QStringList{"1:A", "0:"}));
        QCOMPARE(w.storedTitles(), QStringList());
    }

    void clearAllOnAnEmptyCatalogueSaysNothing()
    {
        WindowFixture w;
        w.item("activaborra")->trigger();
        w.click(2);
        QVERIFY(w.dialogs.messages.isEmpty());
    }

    void clearAllWhileAddingDropsTheNewFilmFirst()
    {
        WindowFixture w({film("1", "A"), film("2", "B")});
        w.item("activaborra")->trigger();
        w.click(1);
        w.type(Field::Idzefo, QStringLiteral("3"));
        w.type(Field::Titulo, QStringLiteral("Sin guardar"));
        w.click(2);
        QCOMPARE(w.dialogs.messages, QStringList{kCatalogueCleared});
        QCOMPARE(w.storedTitles(), QStringList());
        QVERIFY(browsingState(w));
        w.click(1);
        w.type(Field::Idzefo, QStringLiteral("1"));
        w.type(Field::Titulo, QStringLiteral("Nueva"));
        w.click(3);
        QCOMPARE(w.storedTitles(), QStringList{"Nueva"});
        QCOMPARE(w.caption("Label11"), QStringLiteral("1P."));
    }

    void closingWhileAddingDropsTheNewFilmWithoutAQuestion()
    {
        auto w = std::make_unique<WindowFixture>(std::vector<MovieRecord>{film("1", "Alien")});
        w->click(1);
        w->type(Field::Idzefo, QStringLiteral("2"));
        w->type(Field::Titulo, QStringLiteral("Sin guardar"));
        w->form.close();
        QVERIFY(w->dialogs.messages.isEmpty());
        QCOMPARE(w->storedTitles(), QStringList{"Alien"});
    }

    void addingOnAnEmptyCatalogueGivesASummaryOfOne()
    {
        WindowFixture w;
        w.click(1);
        w.type(Field::Idzefo, QStringLiteral("1"));
        w.type(Field::Titulo, QStringLiteral("Alien"));
        w.click(3);
        QCOMPARE(w.caption("Label7"), QStringLiteral("1:30:0"));
        QCOMPARE(w.caption("Label11"), QStringLiteral("1P."));
        QCOMPARE(w.caption("Label16"), QStringLiteral("1"));
    }

    void aSaveOnAFullDiskIsRefusedWithEverythingKept()
    {
        if (const QString why = SmallDisk::unavailable(); !why.isEmpty())
            QSKIP(qPrintable(why));
        SmallDisk disk;
        WindowFixture w({film("1", "Alien")}, QLocale(QLocale::Spanish, QLocale::Spain), disk.path());
        disk.fillLeaving(8 * 1024);
        const QString title = QStringLiteral("El Señor De Los Anillos ") + QString(60000, u'x');
        w.saveFilm(QStringLiteral("2"), title);
        QCOMPARE(w.dialogs.messages.size(), 1);
        const QString message = w.dialogs.messages[0];
        QVERIFY2(message.contains(QStringLiteral("el disco está lleno")), qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("\"Peliculas.mdb\" de la carpeta \"%1\"").arg(disk.path())),
                 qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("No se ha guardado nada")), qPrintable(message));
        QVERIFY(addingState(w));
        QCOMPARE(w.text(Field::Titulo), title);
        QCOMPARE(w.storedTitles(), QStringList{"Alien"});
        QCOMPARE(filesIn(disk.path()), (QStringList{"Peliculas.mdb", "relleno"}));
    }

    void aCatalogueRemovedOrReplacedWhileOpenIsNeverWrittenTo_data()
    {
        QTest::addColumn<bool>("replaced");
        QTest::newRow("removed") << false;
        QTest::newRow("another catalogue copied over it") << true;
    }
    void aCatalogueRemovedOrReplacedWhileOpenIsNeverWrittenTo()
    {
        QFETCH(bool, replaced);
        WindowFixture w({film("1", "Alien")});
        TempCatalogue other({film("9", "Zelig")});
        QFile otherFile(other.path());
        QVERIFY(otherFile.open(QIODevice::ReadOnly));
        const QByteArray otherBytes = otherFile.readAll();
        if (!replaced)
            QFile::remove(w.catalogue.path());
        if (replaced) {
            // Copied over in place, as cp does: the same file, another catalogue inside.
            QFile file(w.catalogue.path());
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(otherBytes) == otherBytes.size());
        }
        w.saveFilm(QStringLiteral("2"), QStringLiteral("Brazil"));
        QCOMPARE(w.dialogs.messages.size(), 1);
        const QString message = w.dialogs.messages[0];
        QVERIFY2(message.contains(QStringLiteral("\"Peliculas.mdb\" de la carpeta")), qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("No se ha guardado nada")), qPrintable(message));
        QVERIFY(addingState(w));
        QCOMPARE(w.text(Field::Titulo), QStringLiteral("Brazil"));
        QCOMPARE(filesIn(w.catalogue.folder()), replaced ? QStringList{"Peliculas.mdb"} : QStringList{});
        if (replaced) {
            QFile file(w.catalogue.path());
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), otherBytes);
        }
    }

    void theBusyCursorIsUpWhileACommandWorksAndGoneAfter()
    {
        WindowFixture w({film("1", "Alien"), film("2", "Brazil")});
        std::optional<Qt::CursorShape> duringTheCommand;
        w.dialogs.onMessage = [&](const QString&) {
            if (const QCursor* cursor = QApplication::overrideCursor())
                duringTheCommand = cursor->shape();
        };
        w.click(4);
        QCOMPARE(duringTheCommand, std::optional<Qt::CursorShape>(Qt::WaitCursor));
        QVERIFY(!QApplication::overrideCursor());
    }

    void menuShortcutsDoNothingWhileAdding()
    {
        WindowFixture w({film("1", "Alien")});
        w.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.form));
        w.click(1);
        QSignalSpy ordered(w.item("ordtitu"), &QAction::triggered);
        QTest::keyClick(w.form.box(Field::Titulo), Qt::Key_F, Qt::ControlModifier);
        QTest::keyClick(w.form.box(Field::Titulo), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(ordered.count(), 0);
        QVERIFY(!w.form.Command2()->isEnabled());
    }
};

QTEST_MAIN(EditingTest)
#include "EditingTest.moc"
