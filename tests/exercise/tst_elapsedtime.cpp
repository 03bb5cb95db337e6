#include "exercise/elapsedtime.h"

#include <QTest>

class TestElapsedTime : public QObject
{
    Q_OBJECT
private slots:
    void format_data();
    void format();
    void betweenDropsPartsOfASecond_data();
    void betweenDropsPartsOfASecond();
};

void TestElapsedTime::format_data()
{
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<QString>("text");
    QTest::newRow("start") << qint64(0) << "00:00:00";
    QTest::newRow("59 s") << qint64(59) << "00:00:59";
    QTest::newRow("1 min") << qint64(60) << "00:01:00";
    QTest::newRow("3 min 27 s") << qint64(207) << "00:03:27";
    QTest::newRow("1 h") << qint64(3600) << "01:00:00";
    QTest::newRow("last second of a day") << qint64(86399) << "23:59:59";
    QTest::newRow("a whole day") << qint64(86400) << "00:00:00";
    QTest::newRow("a day and 1 h 2 min 3 s") << qint64(86400 + 3723) << "01:02:03";
    QTest::newRow("three days and 10 h") << qint64(3 * 86400 + 36000) << "10:00:00";
    QTest::newRow("clock set back") << qint64(-5) << "00:00:00";
}

void TestElapsedTime::format()
{
    QFETCH(qint64, seconds);
    QFETCH(QString, text);
    QCOMPARE(elapsedtime::format(seconds), text);
}

void TestElapsedTime::betweenDropsPartsOfASecond_data()
{
    QTest::addColumn<QDateTime>("start");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QString>("text");
    const QDate day(2026, 5, 12);
    QTest::newRow("0.9 s") << QDateTime(day, QTime(10, 0, 0, 100))
                           << QDateTime(day, QTime(10, 0, 1, 0)) << "00:00:00";
    QTest::newRow("1.9 s") << QDateTime(day, QTime(10, 0, 0, 0))
                           << QDateTime(day, QTime(10, 0, 1, 900)) << "00:00:01";
    QTest::newRow("over midnight") << QDateTime(day, QTime(23, 59, 30))
                                   << QDateTime(day.addDays(1), QTime(0, 1, 0)) << "00:01:30";
    QTest::newRow("over a day") << QDateTime(day, QTime(8, 0, 0))
                                << QDateTime(day.addDays(1), QTime(9, 30, 15)) << "01:30:15";
}

void TestElapsedTime::betweenDropsPartsOfASecond()
{
    QFETCH(QDateTime, start);
    QFETCH(QDateTime, now);
    QFETCH(QString, text);
    QCOMPARE(elapsedtime::between(start, now), text);
}

QTEST_GUILESS_MAIN(TestElapsedTime)
#include "tst_elapsedtime.moc"
