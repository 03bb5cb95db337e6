#include "core/exercise/elapsedtime.h"

#include <QTest>
#include <QTimeZone>

// The clock's text is what goes into the history: it must never read negative or jump.
class tst_elapsedtime : public QObject
{
    Q_OBJECT
private slots:
    void between_data()
    {
        QTest::addColumn<QDateTime>("start");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QString>("text");
        const QDate day(2026, 5, 12);
        const QDateTime ten(day, QTime(10, 0));
        QTest::newRow("parts of a second dropped")
            << QDateTime(day, QTime(10, 0, 0, 100)) << ten.addSecs(1) << "00:00:00";
        QTest::newRow("over midnight") << QDateTime(day, QTime(23, 59, 30))
                                       << QDateTime(day.addDays(1), QTime(0, 1)) << "00:01:30";
        QTest::newRow("a day and more: hours modulo 24")
            << ten << ten.addSecs(86400 + 3723) << "01:02:03";
        QTest::newRow("clock set back") << ten << ten.addSecs(-5) << "00:00:00";
        const QDateTime beforeSwitch(QDate(2026, 3, 29), QTime(0, 59), QTimeZone("Europe/London"));
        QTest::newRow("summer time begins: real seconds")
            << beforeSwitch << beforeSwitch.addSecs(120) << "00:02:00";
    }

    void between()
    {
        QFETCH(QDateTime, start);
        QFETCH(QDateTime, now);
        QFETCH(QString, text);
        QCOMPARE(elapsedtime::between(start, now), text);
    }
};

QTEST_GUILESS_MAIN(tst_elapsedtime)
#include "tst_elapsedtime.moc"
