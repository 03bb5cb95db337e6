#include "report/progressseries.h"
#include "report/recordindex.h"

#include <QtTest>

using Point = ProgressSeries::Point;

static ProgressSeries build(const QByteArray &content, qsizetype maxPoints = 2000)
{
    RecordIndex records;
    records.setContent(content);
    return ProgressSeries::build(records, maxPoints);
}

static QDateTime at(int year, int month, int day, int hour, int minute, int second = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second));
}

class tst_progressseries : public QObject
{
    Q_OBJECT
private slots:
    void oneSeriesPerLevelInTimeOrder()
    {
        // The file is out of order where two histories were put together.
        const ProgressSeries s = build("12/5/2026 1:23:45 PM#3#81#00:03:27\r\n"
                                       "12/1/2026 9:00:00 AM#1#50#00:10:30\r\n"
                                       "11/30/2026 10:00:00 AM#3#6#01:02:03\r\n"
                                       "12/2/2026#1#100#later\r\n");
        QCOMPARE(s.series().size(), 2);
        QCOMPARE(s.series().at(0).level, 1);
        QCOMPARE(s.series().at(0).points,
                 (QList<Point> {{at(2026, 12, 1, 9, 0), 50, 10.5},
                                {at(2026, 12, 2, 0, 0), 100, std::nullopt}}));
        QCOMPARE(s.series().at(1).level, 3);
        QCOMPARE(s.series().at(1).points,
                 (QList<Point> {{at(2026, 11, 30, 10, 0), 6, 62 + 3 / 60.0},
                                {at(2026, 12, 5, 13, 23, 45), 81, 3 + 27 / 60.0}}));
        QCOMPARE(s.unplaced(), 0);
        QVERIFY(!s.dailyMeans());
    }

    void resultsThatCannotBePlaced()
    {
        const ProgressSeries s = build("yesterday#1#50#00:01:00\r\n"
                                       "12/1/2026#one#50#00:01:00\r\n"
                                       "12/1/2026#1#101#00:01:00\r\n"
                                       "12/1/2026#1#-5#00:01:00\r\n"
                                       "12/1/2026#1##00:01:00\r\n"
                                       "12/1/2026#2#75#00:01:00\r\n"
                                       "not a record\r\n");
        QCOMPARE(s.unplaced(), 5);
        QCOMPARE(s.series().size(), 1);
        QCOMPARE(s.series().at(0).level, 2);
        QCOMPARE(s.series().at(0).points.size(), 1);
        QCOMPARE(s.series().at(0).points.at(0).score, 75.0);
    }

    void dailyMeansPastTheLimit()
    {
        const QByteArray content = "12/1/2026 9:00:00 AM#1#50#00:02:00\r\n"
                                   "12/1/2026 10:00:00 AM#1#100#bad\r\n"
                                   "12/1/2026 11:00:00 AM#1#60#00:04:00\r\n"
                                   "12/3/2026 9:00:00 AM#1#20#00:01:00\r\n"
                                   "12/3/2026 9:00:00 AM#2#20#00:01:00\r\n";
        const ProgressSeries s = build(content, 3);
        QVERIFY(s.dailyMeans());
        QCOMPARE(s.series().size(), 2);
        QCOMPARE(
            s.series().at(0).points,
            (QList<Point> {{at(2026, 12, 1, 12, 0), 70, 3.0}, {at(2026, 12, 3, 12, 0), 20, 1.0}}));
        // A level within the limit keeps its own points.
        QCOMPARE(s.series().at(1).points, (QList<Point> {{at(2026, 12, 3, 9, 0), 20, 1.0}}));

        QVERIFY(!build(content, 4).dailyMeans());
    }

    void minutes_data()
    {
        QTest::addColumn<QByteArray>("speed");
        QTest::addColumn<double>("minutes");
        QTest::addColumn<bool>("readable");
        QTest::newRow("minutes") << QByteArray("00:03:27") << 3.45 << true;
        QTest::newRow("too short") << QByteArray("0:03:27") << 0.0 << false;
        QTest::newRow("sixty minutes") << QByteArray("00:60:00") << 0.0 << false;
        QTest::newRow("letters") << QByteArray("00:0a:27") << 0.0 << false;
    }

    void minutes()
    {
        QFETCH(QByteArray, speed);
        QFETCH(double, minutes);
        QFETCH(bool, readable);
        const auto read = ProgressSeries::minutesOf(speed);
        QCOMPARE(read.has_value(), readable);
        if (readable) {
            QCOMPARE(*read, minutes);
        }
    }
};

QTEST_GUILESS_MAIN(tst_progressseries)
#include "tst_progressseries.moc"
