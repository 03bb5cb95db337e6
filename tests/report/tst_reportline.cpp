// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/records/history.h"
#include "core/report/reportline.h"

#include <QtTest>

// A result as the report's list shows it, each value ending under its heading word.
class tst_reportline : public QObject
{
    Q_OBJECT
private slots:
    void line_data()
    {
        QTest::addColumn<HistoryRecord>("record");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("written example")
            << HistoryRecord {"12/5/2026 1:23:45 PM", "3", "81", "00:03:27"}
            << QByteArray("05/12/2026 13:23                3         81%    00:03:27");
        QTest::newRow("score 6 gets three blanks, 24-hour time")
            << HistoryRecord {"1/9/2026 17:05", "1", "6", "00:10:02"}
            << QByteArray("09/01/2026 17:05                1          6%    00:10:02");
        QTest::newRow("unreadable date shown as its text")
            << HistoryRecord {"last Tuesday", "2", "94", "00:04:00"}
            << QByteArray("last Tuesday                2         94%    00:04:00");
        QTest::newRow("fields as they stand")
            << HistoryRecord {"1/2/2026 3:04:05 PM", "12", "1000", "00:01:00#extra"}
            << QByteArray("02/01/2026 15:04                12       1000%    00:01:00#extra");
    }

    void line()
    {
        QFETCH(HistoryRecord, record);
        QFETCH(QByteArray, expected);
        QCOMPARE(reportline::format(record), expected);
    }
};

QTEST_GUILESS_MAIN(tst_reportline)
#include "tst_reportline.moc"
