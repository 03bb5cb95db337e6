// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/report/classoverview.h"

#include <QtTest>

#include <optional>

using namespace classoverview;

namespace {
const QDate Today(2026, 12, 7);

// A history line of a sheet checked `daysAgo` days before Today.
QByteArray sheet(int daysAgo, int level, int score)
{
    const QDate day = Today.addDays(-daysAgo);
    return QStringLiteral("%1/%2/%3 9:00:00 AM#%4#%5#00:03:00")
        .arg(day.month())
        .arg(day.day())
        .arg(day.year())
        .arg(level)
        .arg(score)
        .toLatin1();
}

StudentSummary summaryOf(const QList<QByteArray> &lines)
{
    Summarizer summarizer("ANN", Today);
    for (const QByteArray &line : lines) {
        summarizer.addLine(line);
    }
    return summarizer.result();
}
} // namespace

class tst_classoverview : public QObject
{
    Q_OBJECT
private slots:
    // Today and the six days before are the last week; a date ahead of today is in neither.
    void recentWork()
    {
        const StudentSummary s = summaryOf({sheet(0, 1, 50), sheet(6, 1, 60), sheet(7, 1, 70),
                                            sheet(29, 1, 80), sheet(30, 1, 90), sheet(-1, 2, 10),
                                            "someday#1#50#00:01:00", "12/1/2026#7#50#00:01:00"});
        QCOMPARE(s.sheetsLastWeek, 2);
        QCOMPARE(s.sheetsLast30Days, 4);
        QCOMPARE(s.unreadable, 2);
        // The latest date, wherever it stands in the file.
        QCOMPARE(s.lastSheet, Today.addDays(1));
        QCOMPARE(std::pair(s.lastLevel, s.lastScore), std::pair(2, 10));
    }

    // The mean of a level's last five sheets, and the way they head.
    void levelMeans_data()
    {
        QTest::addColumn<QList<int>>("scores"); // oldest first
        QTest::addColumn<double>("mean");
        QTest::addColumn<int>("trend"); // -1 down, 0 steady, 1 up, 9 none
        QTest::newRow("one sheet, no trend") << QList<int> {70} << 70.0 << 9;
        QTest::newRow("rising") << QList<int> {50, 60, 70} << 60.0 << 1;
        QTest::newRow("within a point a sheet") << QList<int> {80, 81, 80, 82} << 80.75 << 0;
        QTest::newRow("the last five only")
            << QList<int> {0, 0, 0, 100, 90, 80, 70, 60} << 80.0 << -1;
    }
    void levelMeans()
    {
        QFETCH(QList<int>, scores);
        QFETCH(double, mean);
        QFETCH(int, trend);
        QList<QByteArray> lines;
        for (qsizetype i = 0; i < scores.size(); ++i) {
            lines.append(sheet(int(scores.size() - i), 3, scores.at(i)));
        }
        const StudentSummary s = summaryOf(lines);
        QVERIFY(s.levels[3 - 1]);
        QCOMPARE(s.levels[3 - 1]->mean, mean);
        QCOMPARE(s.levels[3 - 1]->trend, trend == 9 ? std::nullopt : std::optional(Trend(trend)));
        QVERIFY(!s.levels[0] && !s.levels[1] && !s.levels[5]);
    }

    // The table as shown and heard, blanks where there is nothing. The roster read from files
    // and sorted by a click: tst_reportwindow.
    void tableAsShownAndHeard()
    {
        StudentSummary bobs;
        bobs.student = "bob";
        bobs.weakFacts = 3;
        ClassOverviewModel model;
        model.setSummaries({summaryOf({sheet(2, 1, 40), sheet(1, 1, 90)}), bobs});
        QStringList ann;
        QStringList bob;
        for (int c = 0; c < model.columnCount(); ++c) {
            ann.append(model.cellText(0, c));
            bob.append(model.cellText(1, c));
        }
        QCOMPARE(ann,
                 QStringList({"ANN", "2", "2", "2026-12-06", "1", "90%", "65 \u2191", "", "", "",
                              "", "", "0"}));
        QCOMPARE(bob, QStringList({"bob", "0", "0", "", "", "", "", "", "", "", "", "", "3"}));
        QCOMPARE(
            model.data(model.index(0, ClassOverviewModel::FirstLevelMean), Qt::AccessibleTextRole),
            "65, rising");
    }
};

QTEST_GUILESS_MAIN(tst_classoverview)
#include "tst_classoverview.moc"
