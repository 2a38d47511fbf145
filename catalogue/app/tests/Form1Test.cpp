#include "Twips.h"
#include "RecordSources.h"
#include "WindowFixture.h"

#include <QDir>
#include <QMenu>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace catalogue;
using namespace catalogue::testing;

class Form1Test : public QObject {
    Q_OBJECT
private slots:
    void startsOnTheFirstFilmWithTheBrowsingStates()
    {
        WindowFixture w({film("7", "Alien"), film("3", "Brazil")});
        QCOMPARE(w.text(Field::Idzefo), QStringLiteral("7"));
        QCOMPARE(w.text(Field::Titulo), QStringLiteral("Alien"));
        QCOMPARE(w.text(Field::Codec), QStringLiteral("Divx5.02"));
        for (Field f :
             {Field::Idzefo, Field::Titulo, Field::Duracion, Field::Tipopeli, Field::Director, Field::Totalcds})
            QVERIFY2(w.form.box(f)->isLocked(), qPrintable(boxName(f)));
        QVERIFY(!w.form.box(Field::Codec)->isLocked());
        QVERIFY(w.form.Command1()->isEnabled());
        QVERIFY(w.form.Command4()->isEnabled());
        for (const QPushButton* button : {w.form.Command2(), w.form.Command3(), w.form.Command5(), w.form.Command6()})
            QVERIFY2(!button->isEnabled(), qPrintable(button->objectName()));
        QVERIFY(w.form.opciones()->isEnabled());
        QVERIFY(w.item("acerquita")->isEnabled());
        QVERIFY(w.item("activaborra")->isCheckable());
        QVERIFY(!w.item("activaborra")->isChecked());
        QVERIFY(w.form.navigationBar()->isAvailable());
        QVERIFY(w.form.Timer2()->isActive());
        QCOMPARE(w.form.Timer2()->interval(), 10);
        QCOMPARE(w.caption("quebus"), QString());
        QCOMPARE(w.form.Data1().RecordSource(), QStringLiteral("Pelis"));
    }

    void anEmptyCatalogueShowsEmptyBoxesAndLabels()
    {
        WindowFixture w;
        for (Field f : allFields)
            QCOMPARE(w.text(f), QString());
        for (const char* name : {"Label7", "Label8", "Label11", "Label13", "Label16"})
            QCOMPARE(w.caption(name), QString());
        QVERIFY(w.form.Command1()->isEnabled());
        QVERIFY(w.form.opciones()->isEnabled());
        QVERIFY(w.dialogs.messages.isEmpty());
    }

    void summaryOfOneFilm()
    {
        WindowFixture w({film("12", "Alien")});
        QCOMPARE(w.caption("Label7"), QStringLiteral("1:30:0"));
        QCOMPARE(w.caption("Label8"), QStringLiteral("1:30:0"));
        QCOMPARE(w.caption("Label11"), QStringLiteral("1P."));
        QCOMPARE(w.caption("Label13"), QStringLiteral(",06"));
        QCOMPARE(w.caption("Label16"), QStringLiteral("12"));
    }

    void summaryTruncatesTheAverage()
    {
        WindowFixture w({film("1", "A").time("01:00:00"), film("2", "B").time("00:00:01")});
        QCOMPARE(w.caption("Label8"), QStringLiteral("1:0:1"));
        QCOMPARE(w.caption("Label7"), QStringLiteral("0:30:0"));
    }

    void anEmptyRunningTimeCountsAsAFilmWithoutTime()
    {
        WindowFixture w({film("1", "A").time(""), film("2", "B").time("02:00:00")});
        QCOMPARE(w.caption("Label7"), QStringLiteral("1:0:0"));
        QCOMPARE(w.caption("Label8"), QStringLiteral("2:0:0"));
        QCOMPARE(w.caption("Label11"), QStringLiteral("2P."));
    }

    void daysAlwaysShowTheSeparator()
    {
        WindowFixture w({film("1", "A").time("24:00:00"), film("2", "B").time("24:00:00")});
        QCOMPARE(w.caption("Label13"), QStringLiteral("2,"));
        WindowFixture english({film("1", "A").time("36:00:00")}, QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(english.caption("Label13"), QStringLiteral("1.5"));
    }

    void aRunningTimeThatIsNotANumberCountsAsZero()
    {
        WindowFixture w({film("1", "A").time("ab:30:00"), film("2", "B").time("01:cd:00")});
        QCOMPARE(w.caption("Label8"), QStringLiteral("1:30:0"));
        QVERIFY(w.dialogs.messages.isEmpty());
    }

    void theLastFilmFollowsTheOrderInForce()
    {
        WindowFixture w({film("1", "Zodiac"), film("2", "Alien"), film("3", "Memento")});
        QCOMPARE(w.caption("Label16"), QStringLiteral("3"));
        w.data1->setRecordSource(recordSources::kByTitle.toString());
        w.data1->Refresh();
        w.form.Form_Initialize();
        QCOMPARE(w.caption("Label16"), QStringLiteral("1"));
        QCOMPARE(w.text(Field::Titulo), QStringLiteral("Alien"));
    }

    void aHundredThousandFilmsAreSummed()
    {
        std::vector<MovieRecord> films;
        for (int i = 1; i <= 100000; ++i)
            films.push_back(film(QString::number(i), "Film").time("02:00:00"));
        WindowFixture w(films);
        QCOMPARE(w.caption("Label11"), QStringLiteral("100000P."));
        QCOMPARE(w.caption("Label8"), QStringLiteral("200000:0:0"));
        QCOMPARE(w.caption("Label16"), QStringLiteral("100000"));
    }

    void aNegativeRunningTimeShowsItsSignInFront()
    {
        // Stored as typed; days follow the hours shown, and the sign comes once, first.
        WindowFixture one({film("1", "A").time("-5:00:00")});
        QCOMPARE(one.caption("Label7"), QStringLiteral("-5:0:0"));
        QCOMPARE(one.caption("Label8"), QStringLiteral("-5:0:0"));
        QCOMPARE(one.caption("Label13"), QStringLiteral("-,21"));
        WindowFixture mixed({film("1", "A").time("-5:30:00"), film("2", "B").time("00:00:10")});
        QCOMPARE(mixed.caption("Label8"), QStringLiteral("-4:29:50"));
        QCOMPARE(mixed.caption("Label7"), QStringLiteral("-2:14:55"));
        QCOMPARE(mixed.caption("Label13"), QStringLiteral("-,19"));
    }

    void aFiveDigitCountFitsItsLabel()
    {
        std::vector<MovieRecord> films;
        for (int i = 90000; i < 100000; ++i)
            films.push_back(film(QByteArray::number(i).constData(), "Film"));
        WindowFixture w(films);
        for (const QLabel* label : {w.form.Label11(), w.form.Label16()}) {
            const QByteArray name = label->objectName().toLatin1();
            QVERIFY2(QFontMetrics(label->font()).horizontalAdvance(label->text()) <= label->width(), name);
            QVERIFY2(label->font().pointSizeF() < 8, name);
        }
        QCOMPARE(w.caption("Label11"), QStringLiteral("10000P."));
        QCOMPARE(w.caption("Label16"), QStringLiteral("99999"));
        QCOMPARE(w.form.Label11()->geometry(), twipsRect(7200, 3435, 495, 255));
        QCOMPARE(w.form.Label16()->geometry(), twipsRect(6600, 3360, 375, 255));
        // A short count keeps the window's font.
        WindowFixture small({film("7", "Alien")});
        QCOMPARE(small.form.Label11()->font().pointSizeF(), 8.0);
    }

    void theNavigationBarMovesAndGreysItsEnds()
    {
        WindowFixture w({film("1", "A"), film("2", "B"), film("3", "C")});
        NavigationBar* bar = w.form.navigationBar();
        QVERIFY(!bar->firstButton()->isEnabled());
        QVERIFY(!bar->previousButton()->isEnabled());
        QTest::mouseClick(bar->nextButton(), Qt::LeftButton);
        QCOMPARE(w.text(Field::Titulo), QStringLiteral("B"));
        QVERIFY(bar->previousButton()->isEnabled());
        QTest::mouseClick(bar->lastButton(), Qt::LeftButton);
        QCOMPARE(w.text(Field::Titulo), QStringLiteral("C"));
        QVERIFY(!bar->nextButton()->isEnabled());
        QVERIFY(!bar->lastButton()->isEnabled());
        QTest::mouseClick(bar->previousButton(), Qt::LeftButton);
        QCOMPARE(w.text(Field::Titulo), QStringLiteral("B"));
        QTest::mouseClick(bar->firstButton(), Qt::LeftButton);
        QCOMPARE(w.text(Field::Titulo), QStringLiteral("A"));
    }

    void aTypedCodecIsStoredOnTheNextMoveAndTheLockedBoxesStay()
    {
        WindowFixture w({film("1", "Alien"), film("2", "Aliens")});
        w.form.show();
        BoundBox* a = w.form.box(Field::Idzefo);
        a->setFocus();
        QTest::keyClicks(a, QStringLiteral("99"));
        QCOMPARE(a->text(), QStringLiteral("1"));
        BoundBox* g = w.form.box(Field::Codec);
        g->setFocus();
        g->selectAll();
        QTest::keyClicks(g, QStringLiteral("XviD"));
        QTest::mouseClick(w.form.navigationBar()->nextButton(), Qt::LeftButton);
        QCOMPARE(w.text(Field::Titulo), QStringLiteral("Aliens"));
        QCOMPARE(w.text(Field::Codec), QStringLiteral("Divx5.02"));

        // A refresh is a change of row too: the second edit is kept as well.
        g->selectAll();
        QTest::keyClicks(g, QStringLiteral("H.264"));
        w.data1->Refresh();
        auto reopened = w.catalogue.open();
        RecordSet& rs = reopened->Recordset();
        QCOMPARE(rs.text(Field::Codec), QStringLiteral("XviD"));
        QCOMPARE(rs.text(Field::Idzefo), QStringLiteral("1"));
        rs.MoveNext();
        QCOMPARE(rs.text(Field::Codec), QStringLiteral("H.264"));
    }

    void aTypedCodecIsKeptWhenTheWindowCloses()
    {
        auto w = std::make_unique<WindowFixture>(std::vector<MovieRecord>{film("1", "Alien")});
        w->form.box(Field::Codec)->setText(QStringLiteral("AV1"));
        w->form.box(Field::Codec)->setModified(true);
        w->form.close();
        QCOMPARE(w->catalogue.open()->Recordset().text(Field::Codec), QStringLiteral("AV1"));
    }

    void theMenuHoldsItsItemsInOrder()
    {
        WindowFixture w;
        const QList<QAction*> items = w.form.opciones()->actions();
        QCOMPARE(items.size(), 21);
        QCOMPARE(items.first()->objectName(), QStringLiteral("buscapelijeje"));
        QCOMPARE(items.first()->text(), QStringLiteral("Buscar Película"));
        QCOMPARE(items.last()->objectName(), QStringLiteral("sale"));
        QCOMPARE(items.last()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F1));
        QCOMPARE(w.form.opciones()->title(), QStringLiteral("Opciones"));
        QCOMPARE(w.item("acerquita")->text(), QStringLiteral("Acerca De..."));
        QVERIFY(w.item("acerquita")->menu() == nullptr);
    }

    void shortcutsReachTheMenuFromATextBox_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("key");
        const char* names[] = {"buscapelijeje",   "buscadirector",   "pornumero",       "ordefecha",
                               "orddura",         "ordtitu",         "pordirector",     "oredipopeli",
                               "ordecantc",       "pelismas1cd",     "listadotitu",     "porelnumero",
                               "listadodirector", "ordelistpordura", "orportipodepeli", "ordenadaporcodecs",
                               "fegraytitu",      "alfasoloti",      "activaborra",     "estadis"};
        for (int i = 0; i < 20; ++i)
            QTest::newRow(names[i]) << QString::fromLatin1(names[i]) << int(Qt::Key_A + i);
    }
    void shortcutsReachTheMenuFromATextBox()
    {
        QFETCH(QString, item);
        QFETCH(int, key);
        // The listings and the statistics write their files in the current folder.
        TestFolder folder;
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(folder.path()));
        const auto back = qScopeGuard([&] { QDir::setCurrent(previous); });
        WindowFixture w({film("1", "Alien")});
        w.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.form));
        for (Field f : {Field::Codec, Field::Titulo}) {
            BoundBox* box = w.form.box(f);
            box->setFocus();
            QSignalSpy triggered(w.item(qPrintable(item)), &QAction::triggered);
            const QString before = box->text();
            QTest::keyClick(box, Qt::Key(key), Qt::ControlModifier);
            QCOMPARE(triggered.count(), 1);
            QCOMPARE(box->text(), before);
        }
    }

    void whileTheMenuIsDisabledTheBoxKeepsItsKeys()
    {
        WindowFixture w({film("1", "Alien")});
        w.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.form));
        w.form.opciones()->setEnabled(false);
        BoundBox* g = w.form.box(Field::Codec);
        g->setFocus();
        QTest::keyClick(g, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(g->selectedText(), g->text());
    }

    void saleEndsTheProgram()
    {
        WindowFixture w({film("1", "Alien")});
        w.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.form));
        w.form.box(Field::Codec)->setFocus();
        QTest::keyClick(w.form.box(Field::Codec), Qt::Key_F1, Qt::ControlModifier);
        QVERIFY(!w.form.isVisible());
    }

    void theOrangeLineSweepsInTwoHundredAndFourSteps()
    {
        WindowFixture w;
        w.form.Timer2()->stop();
        auto y = [&] { return w.form.frameLines()->line(QStringLiteral("Line10")).twips.y1(); };
        QCOMPARE(y(), 0);
        for (int i = 0; i < 203; ++i)
            w.form.Timer2_Timer();
        QCOMPARE(y(), 2030);
        w.form.Timer2_Timer();
        QCOMPARE(y(), 0);
        w.form.Timer2_Timer();
        QCOMPARE(y(), 10);
        QCOMPARE(w.form.frameLines()->line(QStringLiteral("Line10")).twips.x2(), 8040);
    }

    void theTimerMovesTheLineOnItsOwn()
    {
        WindowFixture w;
        QTRY_VERIFY(w.form.frameLines()->line(QStringLiteral("Line10")).twips.y1() > 0);
    }

    void theTabOrderFollowsTheCommandColumnAndTheFields()
    {
        WindowFixture w({film("1", "Alien")});
        for (QPushButton* button : {w.form.Command2(), w.form.Command5(), w.form.Command6()})
            button->setEnabled(true);
        QStringList order;
        QWidget* widget = w.form.Command2();
        for (int i = 0; i < 13; ++i) {
            order << widget->objectName();
            widget = widget->nextInFocusChain();
            while (!(widget->focusPolicy() & Qt::TabFocus))
                widget = widget->nextInFocusChain();
        }
        QCOMPARE(order, (QStringList{"Command2", "Command5", "Command6", "a", "b", "c", "d", "e", "f", "Command1",
                                     "Command3", "Command4", "g"}));
    }

    void controlsStandWhereTheLayoutPutsThem()
    {
        WindowFixture w;
        QCOMPARE(w.form.centralWidget()->size(), QSize(520, 293));
        QCOMPARE(w.form.box(Field::Titulo)->geometry(), QRect(120, 32, 273, 19));
        QCOMPARE(w.form.Command2()->geometry(), QRect(408, 112, 105, 17));
        QCOMPARE(w.form.navigationBar()->geometry(), QRect(266, 261, 201, 28));
        QCOMPARE(w.form.Label7()->font().pointSizeF(), 24.0);
        QVERIFY(w.form.Label7()->font().bold());
        QCOMPARE(w.form.Command1()->text(), QStringLiteral("&Añadir Película"));
        QCOMPARE(w.form.navigationBar()->toolTip(), QStringLiteral("Navegador De Pelis"));
    }

    void theLogoIsShownStretchedIntoImage1()
    {
        WindowFixture w;
        const QPixmap logo = w.form.Image1()->pixmap();
        QVERIFY2(!logo.isNull(), "the logo was not found in the program's resources");
        QCOMPARE(logo.size(), QSize(65, 66));
        QVERIFY(w.form.Image1()->hasScaledContents());
        QCOMPARE(w.form.Image1()->geometry(), QRect(475, 256, 41, 34));
    }
};

QTEST_MAIN(Form1Test)
#include "Form1Test.moc"
