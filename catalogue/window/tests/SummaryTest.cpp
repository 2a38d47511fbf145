#include "Summary.h"

#include <QTest>

using namespace catalogue;

class SummaryTest : public QObject {
    Q_OBJECT
private slots:
    void runningTime_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("seconds");
        QTest::newRow("plain") << "01:30:00" << qint64(5400);
        QTest::newRow("seconds") << "00:00:59" << qint64(59);
        QTest::newRow("long hours") << "99:59:59" << qint64(99 * 3600 + 59 * 60 + 59);
        QTest::newRow("seconds with text after") << "01:00:5x" << qint64(3605);
        QTest::newRow("seconds not a number") << "01:00:xx" << qint64(3600);
        QTest::newRow("hours not a number") << "xx:30:00" << qint64(1800);
        QTest::newRow("minutes not a number") << "02:mm:10" << qint64(7210);
        QTest::newRow("longer than eight") << "01:30:00 (extendida)" << qint64(5400);
        QTest::newRow("other separators") << "01.30.00" << qint64(5400);
    }
    void runningTime()
    {
        QFETCH(QString, text);
        QFETCH(qint64, seconds);
        QCOMPARE(runningTimeSeconds(text), seconds);
    }

    void hoursMinutesSeconds()
    {
        QCOMPARE(formatHoursMinutesSeconds(5707), QStringLiteral("1:35:7"));
        QCOMPARE(formatHoursMinutesSeconds(0), QStringLiteral("0:0:0"));
        QCOMPARE(formatHoursMinutesSeconds(254 * 3600 + 3 * 60 + 50), QStringLiteral("254:3:50"));
        // Far past the 32,767 hours of a 16-bit counter.
        QCOMPARE(formatHoursMinutesSeconds(100000LL * 99 * 3600), QStringLiteral("9900000:0:0"));
    }

    void days_data()
    {
        QTest::addColumn<double>("days");
        QTest::addColumn<QString>("spanish");
        QTest::addColumn<QString>("english");
        QTest::newRow("two and a half") << 2.5 << "2,5"
                                        << "2.5";
        QTest::newRow("whole") << 3.0 << "3,"
                               << "3.";
        QTest::newRow("below one") << 0.25 << ",25"
                                   << ".25";
        QTest::newRow("one and a half hours") << 0.0625 << ",06"
                                              << ".06";
        QTest::newRow("rounds up") << 1.996 << "2,"
                                   << "2.";
        QTest::newRow("nothing") << 0.0 << ","
                                 << ".";
        QTest::newRow("trailing zero dropped") << 1.1 << "1,1"
                                               << "1.1";
        QTest::newRow("many days") << 12345.678 << "12345,68"
                                   << "12345.68";
    }
    void days()
    {
        QFETCH(double, days);
        QFETCH(QString, spanish);
        QFETCH(QString, english);
        QCOMPARE(formatDays(days, QLocale(QLocale::Spanish, QLocale::Spain)), spanish);
        QCOMPARE(formatDays(days, QLocale(QLocale::English, QLocale::UnitedStates)), english);
    }
};

QTEST_GUILESS_MAIN(SummaryTest)
#include "SummaryTest.moc"
