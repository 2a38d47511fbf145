#include "AboutWindow.h"
#include "ContactLinks.h"
#include "LinkOpener.h"
#include "RuleLine.h"
#include "WebLinksTesting.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

using namespace catalogue;
using namespace catalogue::testing;

namespace {

QRect twipsRect(int left, int top, int width, int height)
{
    return {left / 15, top / 15, width / 15, height / 15};
}

} // namespace

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

    void controlsStandWhereTheLayoutPutsThem_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<QString>("toolTip");
        const QColor yellow(255, 255, 0), magenta(255, 0, 255), red(255, 0, 0);
        QTest::newRow("Label1") << "Label1" << twipsRect(120, 120, 2775, 855) << yellow << QString();
        QTest::newRow("Label2") << "Label2" << twipsRect(120, 1080, 1815, 255) << magenta
                                << "Visita Mi Web ---> ^Brisvel^ WEB SERVER";
        QTest::newRow("Label3") << "Label3" << twipsRect(120, 1320, 2055, 255) << magenta
                                << "VISITA LA WEB DE MI PUEBLO: ALCALÁ DEL JÚCAR (ALBACETE)";
        QTest::newRow("Label4") << "Label4" << twipsRect(2400, 1200, 495, 255) << red
                                << "Pinchame Para Mandarme Un Email";
        QTest::newRow("Image1") << "Image1" << twipsRect(3120, 120, 1455, 1455) << QColor()
                                << "^Brisvel^ Logo";
    }

    void controlsStandWhereTheLayoutPutsThem()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QColor, colour);
        QFETCH(QString, toolTip);
        RecordingLinkOpener links;
        Form2 window(links);
        auto* label = window.findChild<QLabel*>(name);
        QVERIFY(label);
        QCOMPARE(label->geometry(), geometry);
        QCOMPARE(label->toolTip(), toolTip);
        if (colour.isValid())
            QCOMPARE(label->palette().color(QPalette::WindowText), colour);
    }

    void dedicationWrapsAndLogoIsStretched()
    {
        RecordingLinkOpener links;
        Form2 window(links);
        auto* dedication = window.findChild<QLabel*>("Label1");
        QCOMPARE(dedication->text(),
                 QStringLiteral("Programa dedicado a todos aquell@s que os encante tener bien "
                                "organizadas vuestras listas de películas. Espero que os sirva de "
                                "utilidad..."));
        QVERIFY(dedication->wordWrap());
        // All of it shows within the label's twips-given size.
        const QRect room(0, 0, dedication->width(), 10000);
        QVERIFY(dedication->fontMetrics().boundingRect(room, Qt::TextWordWrap, dedication->text()).height()
                <= dedication->height());
        auto* logo = window.findChild<QLabel*>("Image1");
        QCOMPARE(logo->pixmap().size(), QSize(65, 66));
        QVERIFY(logo->hasScaledContents());
    }

    void rulesAreGreenOnBlack()
    {
        RecordingLinkOpener links;
        Form2 window(links);
        const QImage image = window.grab().toImage();
        const QColor green(0, 255, 0);
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
                QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                         qPrintable(name));
            }
        }
        QCOMPARE(links.opened.size(), 3);
        QTest::mouseClick(window.findChild<QLabel*>("Label1"), Qt::LeftButton);
        QTest::mouseClick(window.findChild<QLabel*>("Image1"), Qt::LeftButton);
        QTest::mouseClick(window.findChild<QLabel*>("Label4"), Qt::RightButton);
        QCOMPARE(links.opened.size(), 3);
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
