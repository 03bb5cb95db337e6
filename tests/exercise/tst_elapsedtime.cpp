#include "exercise/elapsedtime.h"

#include <QTest>

class TestElapsedTime : public QObject
{
    Q_OBJECT
private slots:
    void format_data()
    {
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("59 s") << qint64(59) << "00:00:59";
        QTest::newRow("3 min 27 s") << qint64(207) << "00:03:27";
        QTest::newRow("1 h") << qint64(3600) << "01:00:00";
        QTest::newRow("a whole day") << qint64(86400) << "00:00:00";
        QTest::newRow("a day and 1 h 2 min 3 s") << qint64(86400 + 3723) << "01:02:03";
        QTest::newRow("clock set back") << qint64(-5) << "00:00:00";
    }

    void format()
    {
        QFETCH(qint64, seconds);
        QFETCH(QString, text);
        QCOMPARE(elapsedtime::format(seconds), text);
    }

    void betweenDropsPartsOfASecond_data()
    {
        QTest::addColumn<QDateTime>("start");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QString>("text");
        const QDate day(2026, 5, 12);
        QTest::newRow("0.9 s") << QDateTime(day, QTime(10, 0, 0, 100))
                               << QDateTime(day, QTime(10, 0, 1, 0)) << "00:00:00";
        QTest::newRow("over midnight") << QDateTime(day, QTime(23, 59, 30))
                                       << QDateTime(day.addDays(1), QTime(0, 1, 0)) << "00:01:30";
    }

    void betweenDropsPartsOfASecond()
    {
        QFETCH(QDateTime, start);
        QFETCH(QDateTime, now);
        QFETCH(QString, text);
        QCOMPARE(elapsedtime::between(start, now), text);
    }
};

QTEST_GUILESS_MAIN(TestElapsedTime)
#include "tst_elapsedtime.moc"
