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
    void oneSeriesPerLevelInTimeOrder()
    {
        // Out of order where two histories were put together; some results cannot be placed.
        const ProgressSeries s = build("12/5/2026 1:23:45 PM#3#81#00:03:27\r\n"
                                       "12/1/2026 9:00:00 AM#1#50#00:10:30\r\n"
                                       "yesterday#1#50#00:01:00\r\n"
                                       "12/1/2026#1#101#00:01:00\r\n"
                                       "11/30/2026 10:00:00 AM#3#6#01:02:03\r\n"
                                       "12/2/2026#1#100#00:60:00\r\n");
        QCOMPARE(s.unplaced(), 2);
        QCOMPARE(s.series().size(), 2);
        QCOMPARE(s.series().at(0).level, 1);
        QCOMPARE(
            s.series().at(0).points,
            (QList<Point> {{at(12, 1, 9, 0), 50, 10.5}, {at(12, 2, 0, 0), 100, std::nullopt}}));
        QCOMPARE(s.series().at(1).level, 3);
        QCOMPARE(s.series().at(1).points,
                 (QList<Point> {{at(11, 30, 10, 0), 6, 62 + 3 / 60.0},
                                {at(12, 5, 13, 23, 45), 81, 3 + 27 / 60.0}}));
        QVERIFY(!s.dailyMeans());
    }

    // A level no exercise is set at is as unreadable as a broken date: no series of its own.
    void onlyLevelsOneToSixAreCharted_data()
    {
        QTest::addColumn<QByteArray>("level");
        QTest::addColumn<QList<int>>("levels"); // of the series, beside a result of level 2
        QTest::newRow("1") << QByteArray("1") << QList<int> {1, 2};
        QTest::newRow("6") << QByteArray("6") << QList<int> {2, 6};
        QTest::newRow("06") << QByteArray("06") << QList<int> {2, 6};
        QTest::newRow("0") << QByteArray("0") << QList<int> {2};
        QTest::newRow("00") << QByteArray("00") << QList<int> {2};
        QTest::newRow("7") << QByteArray("7") << QList<int> {2};
        QTest::newRow("99") << QByteArray("99") << QList<int> {2};
        QTest::newRow("-1") << QByteArray("-1") << QList<int> {2};
        QTest::newRow("none") << QByteArray() << QList<int> {2};
    }
    void onlyLevelsOneToSixAreCharted()
    {
        QFETCH(QByteArray, level);
        QFETCH(QList<int>, levels);
        const ProgressSeries s = build("12/1/2026 9:00:00 AM#2#50#00:10:30\r\n"
                                       "12/2/2026 9:00:00 AM#"
                                       + level + "#75#00:05:00\r\n");
        QList<int> charted;
        for (const ProgressSeries::Series &series : s.series()) {
            charted.append(series.level);
        }
        QCOMPARE(charted, levels);
        QCOMPARE(s.unplaced(), 2 - levels.size());
    }
};

QTEST_GUILESS_MAIN(tst_progressseries)
#include "tst_progressseries.moc"
