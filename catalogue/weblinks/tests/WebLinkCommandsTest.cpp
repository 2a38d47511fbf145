// The web searches, the mail link and the about window started from the real
// main window, with an opener that records what would go to the desktop.
#include "WebLinksTesting.h"
#include "WindowFixture.h"

#include <QPointer>
#include <QTest>

using namespace catalogue;
using namespace catalogue::testing;

class WebLinkCommandsTest : public QObject {
    Q_OBJECT

    struct Window {
        RecordingLinkOpener links;
        WindowFixture fixture{
            {film(QStringLiteral("1"), QStringLiteral("El Padrino")).director(QStringLiteral("Francis Ford Coppola"))},
            links};
    };

private slots:
    void theShownFilmIsSearchedByALeftDoubleClick()
    {
        Window w;
        QTest::mouseDClick(w.fixture.form.box(Field::Titulo), Qt::RightButton);
        QTest::mouseDClick(w.fixture.form.box(Field::Titulo), Qt::LeftButton);
        QTest::mouseDClick(w.fixture.form.box(Field::Director), Qt::MiddleButton);
        QTest::mouseDClick(w.fixture.form.box(Field::Director), Qt::LeftButton);
        QWidget* form1 = &w.fixture.form;
        QCOMPARE(w.links.opened,
                 (QList<QPair<QString, QWidget*>>{
                     {QStringLiteral("https://www.google.com/search?q=El+Padrino+Duracion"), form1},
                     {QStringLiteral("https://www.google.com/search?q=Francis+Ford+Coppola+Biograf%C3%ADa"), form1},
                 }));
    }

    void theTextShownIsSearchedEvenBeforeItIsSaved_data()
    {
        QTest::addColumn<Field>("box");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("query");
        QTest::newRow("two spaces") << Field::Titulo << QStringLiteral(" Uno  Dos ")
                                    << QStringLiteral("+Uno++Dos++Duracion");
        QTest::newRow("accents") << Field::Director << QStringLiteral("Pedro Almodóvar")
                                 << QStringLiteral("Pedro+Almod%C3%B3var+Biograf%C3%ADa");
        QTest::newRow("ampersand") << Field::Titulo << QStringLiteral("Fast & Furious")
                                   << QStringLiteral("Fast+%26+Furious+Duracion");
        QTest::newRow("empty") << Field::Director << QString() << QStringLiteral("+Biograf%C3%ADa");
    }

    void theTextShownIsSearchedEvenBeforeItIsSaved()
    {
        QFETCH(Field, box);
        QFETCH(QString, shown);
        QFETCH(QString, query);
        Window w;
        w.fixture.form.box(box)->setText(shown);
        QTest::mouseDClick(w.fixture.form.box(box), Qt::LeftButton);
        QCOMPARE(w.links.opened.size(), 1);
        QCOMPARE(w.links.opened.first().first, QStringLiteral("https://www.google.com/search?q=") + query);
        QVERIFY(w.fixture.form.records().text(box) != shown);
    }

    void theLogoOpensTheMailLink()
    {
        Window w;
        QTest::mouseClick(w.fixture.form.Image1(), Qt::LeftButton);
        QCOMPARE(w.links.opened,
                 (QList<QPair<QString, QWidget*>>{{QStringLiteral("mailto:brisvel@example.org"), &w.fixture.form}}));
    }

    void acercaDeTwiceOpensOneAboutWindowWhoseLinksItOwns()
    {
        Window w;
        w.fixture.item("acerquita")->trigger();
        w.fixture.item("acerquita")->trigger();
        const QList<Form2*> open = openAboutWindows();
        QCOMPARE(open.size(), 1);
        Form2* about = open.first();
        QVERIFY(!about->isModal());
        QVERIFY(about->parentWidget() == nullptr);

        for (const char* label : {"Label2", "Label3", "Label4"})
            QTest::mouseClick(about->findChild<QLabel*>(QString::fromLatin1(label)), Qt::LeftButton);
        QCOMPARE(w.links.opened, (QList<QPair<QString, QWidget*>>{
                                     {QStringLiteral("https://example.org/"), about},
                                     {QStringLiteral("https://example.org:4003/"), about},
                                     {QStringLiteral("mailto:brisvel@example.org"), about},
                                 }));
    }

    void theAboutWindowGoesWithTheMainWindow()
    {
        QPointer<Form2> about;
        {
            Window w;
            w.fixture.item("acerquita")->trigger();
            about = openAboutWindows().value(0);
            QVERIFY(about);
        }
        QVERIFY(about.isNull());
    }
};

QTEST_MAIN(WebLinkCommandsTest)
#include "WebLinkCommandsTest.moc"
