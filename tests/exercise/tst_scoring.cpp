#include "exercise/scoring.h"
#include "records/history.h"

#include <QTest>

class TestScoring : public QObject
{
    Q_OBJECT
private slots:
    void percentHalvesToEven_data()
    {
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("percent");
        const int table[] = {0, 6, 12, 19, 25, 31, 38, 44, 50, 56, 62, 69, 75, 81, 88, 94, 100};
        for (int right = 0; right <= 16; ++right) {
            QTest::addRow("%d right", right) << right << table[right];
        }
    }

    void percentHalvesToEven()
    {
        QFETCH(int, right);
        QFETCH(int, percent);
        QCOMPARE(scoring::scorePercent(right), percent);
    }

    void marking_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("sum");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("right");

        QTest::newRow("right") << "12" << 12 << "12" << true;
        QTest::newRow("wrong") << "13" << 12 << "13" << false;
        QTest::newRow("leading zeros") << "007" << 7 << "007" << true;
        QTest::newRow("blanks around") << " 7 " << 7 << " 7 " << true;
        QTest::newRow("whole decimal") << "7.0" << 7 << "7.0" << true;
        QTest::newRow("fraction") << "7.5" << 7 << "7.5" << false;
        QTest::newRow("negative") << "-7" << 7 << "-7" << false;
        QTest::newRow("largest sum") << "1998" << 1998 << "1998" << true;
        QTest::newRow("empty is 0, wrong") << "" << 9 << "0" << false;
        QTest::newRow("empty is 0, right for 0 + 0") << "" << 0 << "0" << true;
        QTest::newRow("not a number is 0") << "abc" << 3 << "0" << false;
    }

    void marking()
    {
        QFETCH(QString, text);
        QFETCH(int, sum);
        QFETCH(QString, shown);
        QFETCH(bool, right);
        const scoring::Mark mark = scoring::markAnswer(text, sum);
        QCOMPARE(mark.shownText, shown);
        QCOMPARE(mark.right, right);
    }

    void record_data()
    {
        QTest::addColumn<QDateTime>("checkedAt");
        QTest::addColumn<qint16>("level");
        QTest::addColumn<int>("percent");
        QTest::addColumn<QString>("speed");
        QTest::addColumn<QByteArray>("line");

        QTest::newRow("afternoon")
            << QDateTime(QDate(2026, 5, 12), QTime(13, 23, 45)) << qint16(3) << 81 << "00:03:27"
            << QByteArray("5/12/2026 1:23:45 PM#3#81#00:03:27");
        QTest::newRow("morning, no score")
            << QDateTime(QDate(2026, 11, 3), QTime(9, 5, 0)) << qint16(6) << 0 << "01:00:00"
            << QByteArray("11/3/2026 9:05:00 AM#6#0#01:00:00");
        QTest::newRow("midnight leaves out the time")
            << QDateTime(QDate(2026, 1, 2), QTime(0, 0, 0)) << qint16(1) << 100 << "00:00:05"
            << QByteArray("1/2/2026#1#100#00:00:05");
    }

    void record()
    {
        QFETCH(QDateTime, checkedAt);
        QFETCH(qint16, level);
        QFETCH(int, percent);
        QFETCH(QString, speed);
        QFETCH(QByteArray, line);
        const HistoryRecord record = scoring::resultRecord(checkedAt, level, percent, speed);
        QCOMPARE(history::formatRecord(record), line);
        // The report reads the same record back, date included.
        QCOMPARE(history::parseRecord(line), std::optional(record));
        QCOMPARE(history::parseDate(record.Date), std::optional(checkedAt));
    }
};

QTEST_GUILESS_MAIN(TestScoring)
#include "tst_scoring.moc"
