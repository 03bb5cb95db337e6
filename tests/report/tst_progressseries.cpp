// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/report/progressseries.h"
#include "core/report/recordindex.h"

#include <QtTest>

using Point = ProgressSeries::Point;

static QDateTime noon(int day)
{
    return QDateTime(QDate(2026, 12, day), QTime(12, 0));
}

// The points of the progress chart, a series per level (their order, the chart's axes and a
// few results at their times: tst_progresschart).
class tst_progressseries : public QObject
{
    Q_OBJECT
private slots:
    // Past the most points a level may show, each day of it is one point at noon: the mean
    // score, and the mean time of the results whose time reads back. Only levels 1 to 6 are
    // charted: another level is as unreadable as a broken date or score.
    void manyResultsBecomeDailyMeans()
    {
        RecordIndex records;
        records.setContent("12/1/2026 9:00:00 AM#1#50#00:10:00\r\n"
                           "12/1/2026 3:00:00 PM#1#70#00:20:00\r\n"
                           "12/1/2026 4:00:00 PM#1#90#bad\r\n"
                           "12/3/2026 9:00:00 AM#1#40#bad\r\n"
                           "12/2/2026 11:59:59 PM#1#100#00:01:30\r\n"
                           "12/2/2026 10:00:00 AM#6#80#00:02:00\r\n"
                           "12/2/2026 10:00:00 AM#0#80#00:02:00\r\n"
                           "12/2/2026 10:00:00 AM#7#80#00:02:00\r\n"
                           "12/2/2026 10:00:00 AM#2#101#00:02:00\r\n"
                           "yesterday#2#50#00:01:00\r\n");
        const ProgressSeries s = ProgressSeries::build(records, 3);
        QVERIFY(s.dailyMeans());
        QCOMPARE(s.unplaced(), 4);
        QCOMPARE(s.series().size(), 2);
        QCOMPARE(s.series().at(0).points,
                 (QList<Point> {{noon(1), 70, 15.0}, {noon(2), 100, 1.5}, {noon(3), 40, {}}}));
        QCOMPARE(s.series().at(1).level, 6);
        QCOMPARE(s.series().at(1).points, (QList<Point> {{noon(2), 80, 2.0}}));
        // Within the limit too, as two results of one day would be joined by an upright line.
        QCOMPARE(ProgressSeries::build(records, 6).series(), s.series());
    }

    // The chart's time view reads the time taken as hours, minutes and seconds.
    void timeTakenInMinutes_data()
    {
        QTest::addColumn<QByteArray>("speed");
        QTest::addColumn<double>("minutes"); // -1: does not read back
        QTest::newRow("hours, minutes and seconds") << QByteArray("02:03:06") << 123.1;
        QTest::newRow("60 minutes") << QByteArray("00:60:00") << -1.0;
        QTest::newRow("short") << QByteArray("0:03:27") << -1.0;
    }
    void timeTakenInMinutes()
    {
        QFETCH(QByteArray, speed);
        QFETCH(double, minutes);
        QCOMPARE(ProgressSeries::minutesOf(speed).value_or(-1.0), minutes);
    }
};

QTEST_GUILESS_MAIN(tst_progressseries)
#include "tst_progressseries.moc"
