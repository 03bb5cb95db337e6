// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/report/progressseries.h"
#include "core/report/recordindex.h"

#include <QtTest>

using Point = ProgressSeries::Point;

static ProgressSeries build(const QByteArray &content)
{
    RecordIndex records;
    records.setContent(content);
    return ProgressSeries::build(records);
}

static QDateTime at(int month, int day, int hour, int minute, int second = 0)
{
    return QDateTime(QDate(2026, month, day), QTime(hour, minute, second));
}

class tst_progressseries : public QObject
{
    Q_OBJECT
private slots:
    // Out of order where two histories were put together; some results cannot be placed: a
    // broken date or score, a level no exercise is set at.
    void oneSeriesPerLevelInTimeOrder()
    {
        const ProgressSeries s = build("12/5/2026 1:23:45 PM#3#81#00:03:27\r\n"
                                       "12/1/2026 9:00:00 AM#1#50#00:10:30\r\n"
                                       "yesterday#1#50#00:01:00\r\n"
                                       "12/1/2026#1#101#00:01:00\r\n"
                                       "12/1/2026#0#50#00:01:00\r\n"
                                       "12/1/2026#7#50#00:01:00\r\n"
                                       "12/1/2026#6#50#00:01:00\r\n"
                                       "11/30/2026 10:00:00 AM#3#6#01:02:03\r\n"
                                       "12/2/2026#1#100#00:60:00\r\n");
        QCOMPARE(s.unplaced(), 4);
        QCOMPARE(s.series().size(), 3);
        QCOMPARE(s.series().at(0).level, 1);
        QCOMPARE(
            s.series().at(0).points,
            (QList<Point> {{at(12, 1, 9, 0), 50, 10.5}, {at(12, 2, 0, 0), 100, std::nullopt}}));
        QCOMPARE(s.series().at(1).level, 3);
        QCOMPARE(s.series().at(1).points,
                 (QList<Point> {{at(11, 30, 10, 0), 6, 62 + 3 / 60.0},
                                {at(12, 5, 13, 23, 45), 81, 3 + 27 / 60.0}}));
        QCOMPARE(s.series().at(2).level, 6);
        QVERIFY(!s.dailyMeans());
    }

    // Past the most points a level may show, each day of it is one point at noon: the mean
    // score, and the mean time of the results whose time reads back. A level within the
    // limit keeps its results as they are.
    void manyResultsBecomeDailyMeans()
    {
        RecordIndex records;
        records.setContent("12/1/2026 9:00:00 AM#1#50#00:10:00\r\n"
                           "12/1/2026 3:00:00 PM#1#70#00:20:00\r\n"
                           "12/1/2026 4:00:00 PM#1#90#bad\r\n"
                           "12/3/2026 9:00:00 AM#1#40#bad\r\n"
                           "12/2/2026 11:59:59 PM#1#100#00:01:30\r\n"
                           "12/2/2026 10:00:00 AM#2#80#00:02:00\r\n");
        const ProgressSeries s = ProgressSeries::build(records, 3);
        QVERIFY(s.dailyMeans());
        QCOMPARE(s.series().at(0).points,
                 (QList<Point> {{at(12, 1, 12, 0), 70, 15.0},
                                {at(12, 2, 12, 0), 100, 1.5},
                                {at(12, 3, 12, 0), 40, std::nullopt}}));
        QCOMPARE(s.series().at(1).points, (QList<Point> {{at(12, 2, 12, 0), 80, 2.0}}));
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
        QTest::newRow("60 seconds") << QByteArray("00:00:60") << -1.0;
        QTest::newRow("short") << QByteArray("0:03:27") << -1.0;
        QTest::newRow("empty") << QByteArray() << -1.0;
    }
    void timeTakenInMinutes()
    {
        QFETCH(QByteArray, speed);
        QFETCH(double, minutes);
        const std::optional<double> read = ProgressSeries::minutesOf(speed);
        QCOMPARE(read.value_or(-1.0), minutes);
    }
};

QTEST_GUILESS_MAIN(tst_progressseries)
#include "tst_progressseries.moc"
