#include "AboutWindowOpener.h"
#include "ContactLinks.h"
#include "LinkOpener.h"
#include "RuleLine.h"
#include "WebLinksTesting.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

using namespace catalogue;
using namespace catalogue::testing;

class AboutWindowTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        for (Form2* window : openAboutWindows())
            window->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void windowIsABlackModelessWindowOfItsOwn()
    {
        RecordingLinkOpener links;
        Form2 window(links);
        QCOMPARE(window.windowTitle(), QStringLiteral("Acerca De ^Brisvel^ Catálogo Divx"));
        QCOMPARE(window.size(), QSize(312, 111)); // 4680 x 1665 twips
        QCOMPARE(window.parentWidget(), nullptr);
        QVERIFY(window.isWindow());
        QCOMPARE(window.windowModality(), Qt::NonModal);
        QCOMPARE(window.palette().color(QPalette::Window), QColor(0, 0, 0));
        const QList<QSize> iconSizes = window.windowIcon().availableSizes();
        QVERIFY(iconSizes.contains(QSize(32, 32)));
        QVERIFY(iconSizes.contains(QSize(16, 16)));
    }

    void dedicationWrapsAndLogoIsStretched()
    {
        RecordingLinkOpener links;
        Form2 window(links);
        auto* dedication = window.findChild<QLabel*>("Label1");
        QCOMPARE(dedication->text(), QStringLiteral("Programa dedicado a todos aquell@s que os encante tener bien "
                                                    "organizadas vuestras listas de películas. Espero que os sirva de "
                                                    "utilidad..."));
        QVERIFY(dedication->wordWrap());
        // All of it shows within the label's twips-given size.
        const QRect room(0, 0, dedication->width(), 10000);
        QVERIFY(dedication->fontMetrics().boundingRect(room, Qt::TextWordWrap, dedication->text()).height() <=
                dedication->height());
        auto* logo = window.findChild<QLabel*>("Image1");
        QCOMPARE(logo->pixmap().size(), QSize(65, 66));
        QVERIFY(logo->hasScaledContents());
    }

    void controlsStandInTheirColoursWhereTheLayoutPutsThem()
    {
        RecordingLinkOpener links;
        Form2 window(links);
        // Pixels of 15 twips each.
        const QColor yellow(255, 255, 0), magenta(255, 0, 255), red(255, 0, 0), green(0, 255, 0);
        const struct {
            const char* name;
            QRect geometry;
            QColor colour;
            QString toolTip;
        } labels[] = {
            {"Label1", {8, 8, 185, 57}, yellow, {}},
            {"Label2", {8, 72, 121, 17}, magenta, "Visita Mi Web ---> ^Brisvel^ WEB SERVER"},
            {"Label3", {8, 88, 137, 17}, magenta, "VISITA LA WEB DE MI PUEBLO: ALCALÁ DEL JÚCAR (ALBACETE)"},
            {"Label4", {160, 80, 33, 17}, red, "Pinchame Para Mandarme Un Email"},
            {"Image1", {208, 8, 97, 97}, {}, "^Brisvel^ Logo"},
        };
        for (const auto& expected : labels) {
            auto* label = window.findChild<QLabel*>(expected.name);
            QVERIFY2(label, expected.name);
            QCOMPARE(label->geometry(), expected.geometry);
            QCOMPARE(label->toolTip(), expected.toolTip);
            if (expected.colour.isValid())
                QCOMPARE(label->palette().color(QPalette::WindowText), expected.colour);
        }

        const QImage image = window.grab().toImage();
        for (const char* name : {"Line1", "Line2", "Line3"})
            QCOMPARE(window.findChild<RuleLine*>(name)->colour(), green);
        QCOMPARE(window.findChild<RuleLine*>("Line2")->geometry(), QRect(0, 64, 201, 1));
        QCOMPARE(window.findChild<RuleLine*>("Line3")->geometry(), QRect(152, 64, 1, 49));
        QCOMPARE(window.findChild<RuleLine*>("Line1")->geometry(), QRect(200, 0, 1, 113));
        QCOMPARE(image.pixelColor(100, 64), green);  // horizontal rule under the dedication
        QCOMPARE(image.pixelColor(152, 100), green); // between the addresses and "Email"
        QCOMPARE(image.pixelColor(200, 5), green);   // before the logo
        QCOMPARE(image.pixelColor(180, 60), QColor(0, 0, 0));
    }

    void linkLabelsShowWhatTheyOpen()
    {
        RecordingLinkOpener links;
        Form2 window(links);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QList<QPair<QString, QString>> expected = {
            {"Label2", kContactWebSite.toString()},
            {"Label3", kSecondWebSite.toString()},
            {"Label4", kContactMailLink.toString()},
        };
        for (const auto& [name, link] : expected) {
            auto* label = window.findChild<QLabel*>(name);
            QTest::mouseClick(label, Qt::LeftButton);
            QCOMPARE(links.opened.last(), qMakePair(link, static_cast<QWidget*>(&window)));
            if (name != "Label4") {
                QCOMPARE(label->text(), link);
                // The whole address fits in the label, so what it shows is what it opens.
                QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(), qPrintable(name));
            }
        }
        QCOMPARE(links.opened.size(), 3);
        // The second address is a web site on port 4003.
        const QUrl second(kSecondWebSite.toString());
        QVERIFY(second.scheme() == "https" || second.scheme() == "http");
        QCOMPARE(second.port(), 4003);
        QTest::mouseClick(window.findChild<QLabel*>("Label1"), Qt::LeftButton);
        QTest::mouseClick(window.findChild<QLabel*>("Image1"), Qt::LeftButton);
        QTest::mouseClick(window.findChild<QLabel*>("Label4"), Qt::RightButton);
        QCOMPARE(links.opened.size(), 3);
    }

    void theKeyboardFollowsEachLinkInTurn()
    {
        RecordingLinkOpener links;
        Form2 window(links);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QStringView inTabOrder[] = {kContactWebSite, kSecondWebSite, kContactMailLink};
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
        QCOMPARE(links.opened.size(), 3);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(links.opened[i].first, inTabOrder[i].toString());
    }

    void openingTwiceGivesOneWindow()
    {
        RecordingLinkOpener links;
        AboutWindowOpener opener(links);
        Form2* first = opener.show();
        Form2* second = opener.show();
        QCOMPARE(second, first);
        QCOMPARE(openAboutWindows().size(), 1);
        QVERIFY(!first->isModal());

        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(qAbs(first->geometry().center().x() - screen.center().x()) <= 20);
        QVERIFY(qAbs(first->geometry().center().y() - screen.center().y()) <= 40);
    }

    void escapeClosesItAndTheNextUseOpensItAgain()
    {
        RecordingLinkOpener links;
        AboutWindowOpener opener(links);
        QPointer<Form2> first = opener.show();
        QVERIFY(QTest::qWaitForWindowActive(first));
        QTest::keyClick(first, Qt::Key_Escape);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());
        QVERIFY(opener.window() == nullptr);
        Form2* again = opener.show();
        QVERIFY(again);
        QVERIFY(again->isVisible());
        QCOMPARE(openAboutWindows().size(), 1);
    }
};

QTEST_MAIN(AboutWindowTest)
#include "AboutWindowTest.moc"
