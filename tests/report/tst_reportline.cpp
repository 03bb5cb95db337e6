#include "records/history.h"
#include "report/reportline.h"

#include <QtTest>

#include <ctime>

static HistoryRecord record(const char *date, const char *level, const char *score,
                            const char *speed)
{
    return {date, level, score, speed};
}

class tst_reportline : public QObject
{
    Q_OBJECT
private slots:
    void line_data()
    {
        QTest::addColumn<HistoryRecord>("record");
        QTest::addColumn<QByteArray>("expected");

        const QByteArray gap16(16, ' ');
        const QByteArray gap7(7, ' ');
        QTest::newRow("written example")
            << record("12/5/2026 1:23:45 PM", "3", "81", "00:03:27")
            << "05/12/2026 13:23" + gap16 + "3" + gap7 + "  81%    00:03:27";
        QTest::newRow("score 6 gets three blanks")
            << record("1/9/2026 9:05:00 AM", "1", "6", "00:10:02")
            << "09/01/2026 09:05" + gap16 + "1" + gap7 + "   6%    00:10:02";
        QTest::newRow("score 81 gets two blanks")
            << record("10/31/2026 11:59:59 PM", "6", "81", "01:00:00")
            << "31/10/2026 23:59" + gap16 + "6" + gap7 + "  81%    01:00:00";
        QTest::newRow("score 100 gets one")
            << record("2/28/2027 12:00:00 PM", "2", "100", "00:00:59")
            << "28/02/2027 12:00" + gap16 + "2" + gap7 + " 100%    00:00:59";
        QTest::newRow("date alone is midnight")
            << record("7/1/2026", "5", "0", "00:02:30")
            << "01/07/2026 00:00" + gap16 + "5" + gap7 + "   0%    00:02:30";
        QTest::newRow("24-hour time")
            << record("7/1/2026 17:05", "5", "75", "00:02:30")
            << "01/07/2026 17:05" + gap16 + "5" + gap7 + "  75%    00:02:30";
        QTest::newRow("unreadable date shown as its text")
            << record("last Tuesday", "2", "94", "00:04:00")
            << "last Tuesday" + gap16 + "2" + gap7 + "  94%    00:04:00";
        QTest::newRow("impossible day shown as its text")
            << record("2/30/2026 1:00:00 PM", "2", "94", "00:04:00")
            << "2/30/2026 1:00:00 PM" + gap16 + "2" + gap7 + "  94%    00:04:00";
        QTest::newRow("fields as they stand")
            << record("1/2/2026 3:04:05 PM", "12", "1000", "00:01:00#extra")
            << "02/01/2026 15:04" + gap16 + "12" + gap7 + "1000%    00:01:00#extra";
    }

    void line()
    {
        QFETCH(HistoryRecord, record);
        QFETCH(QByteArray, expected);
        QCOMPARE(reportline::format(record), expected);
        // Each value ends under the last letter of its heading word.
        QCOMPARE(reportline::heading(),
                 QByteArray("Date" + QByteArray(24, ' ') + "Level" + QByteArray(7, ' ') + "Score"
                            + QByteArray(7, ' ') + "Speed"));
    }

    void writtenDatesReadBack_data()
    {
        QTest::addColumn<QDateTime>("when");
        QTest::addColumn<QByteArray>("shown");
        QTest::newRow("afternoon")
            << QDateTime(QDate(2026, 12, 5), QTime(13, 23, 45)) << QByteArray("05/12/2026 13:23");
        QTest::newRow("midnight") << QDateTime(QDate(2026, 1, 1), QTime(0, 0))
                                  << QByteArray("01/01/2026 00:00");
        QTest::newRow("last minute")
            << QDateTime(QDate(2029, 12, 31), QTime(23, 59, 59)) << QByteArray("31/12/2029 23:59");
    }

    void writtenDatesReadBack()
    {
        QFETCH(QDateTime, when);
        QFETCH(QByteArray, shown);
        QCOMPARE(reportline::dateText(history::formatDate(when)), shown);
    }

    void timeSkippedBySummerTimeReadsAsWritten()
    {
        const QByteArray previous = qgetenv("TZ");
        qputenv("TZ", "Europe/London");
        tzset();
        const bool inGap = !QDateTime(QDate(2026, 3, 29), QTime(1, 30)).isValid();
        const QByteArray shown = reportline::dateText("3/29/2026 1:30:00 AM");
        if (previous.isNull()) {
            qunsetenv("TZ");
        } else {
            qputenv("TZ", previous);
        }
        tzset();
        if (!inGap) {
            QSKIP("no zone information for Europe/London on this machine");
        }
        QCOMPARE(shown, QByteArray("29/03/2026 01:30"));
    }
};

QTEST_GUILESS_MAIN(tst_reportline)
#include "tst_reportline.moc"
