// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/print/tablepage.h"
#include "support/recordingsurface.h"

#include <QTest>

// The page of a table: where each cell lands, what is cut, and what does not fit.
class tst_tablepage : public QObject
{
    Q_OBJECT
    static QString at(const QString &text, double x, double y, double points = 8)
    {
        return RecordingSurface::entry(text, x, y, points);
    }

private slots:
    // The first column from the left edge, the others ending a gap before their right edge;
    // a cell wider than its column is cut with an ellipsis.
    void cellsInTheirColumns()
    {
        RecordingSurface surface;
        tablepage::print(surface,
                         {"Class",
                          "7 December 2026",
                          {"Student", "Score"},
                          {1100, 800},
                          {{"ANN", "90%"}, {"BARTHOLOMEW", "5%"}}});
        // At 8 points a character is 89 twips: a column of 1100 holds 11 less the gap.
        QCOMPARE(surface.printed(),
                 QStringList({at("Class", 600, 600, 16), at("7 December 2026", 600, 1100),
                              at("Student", 600, 1500), at("Score", 1700 + 700 - 445, 1500),
                              at("ANN", 600, 1760), at("90%", 2400 - 267, 1760),
                              at("BARTHOLOMEW", 600, 2020) /* 979 twips: fits */,
                              at("5%", 2400 - 178, 2020), "end of document"}));

        RecordingSurface narrow;
        tablepage::print(narrow, {"", "", {"Student"}, {700}, {{"BARTHOLOMEW"}}});
        QCOMPARE(narrow.printed().at(3), at(QString("BARTH") + QChar(0x2026), 600, 1760));
    }

    // Rows past the foot of the page are left off, and the page says how many.
    void rowsThatDoNotFit()
    {
        QList<QStringList> rows;
        for (int i = 0; i < tablepage::rowsThatFit() + 3; ++i) {
            rows.append({QString::number(i)});
        }
        RecordingSurface surface;
        tablepage::print(surface, {"", "", {"n"}, {1000}, rows});
        const QStringList printed = surface.printed();
        QCOMPARE(printed.size(), 3 + tablepage::rowsThatFit() + 2);
        QVERIFY(printed.at(printed.size() - 2).startsWith("\"Rows not on this page: 3.\""));
    }
};

QTEST_GUILESS_MAIN(tst_tablepage)
#include "tst_tablepage.moc"
