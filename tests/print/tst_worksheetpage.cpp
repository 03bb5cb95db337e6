// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/print/printsurface.h"
#include "core/print/worksheetpage.h"
#include "support/recordingsurface.h"

#include <QTest>

#include <cmath>

class tst_worksheetpage : public QObject
{
    Q_OBJECT

private slots:
    // The blocks row by row, each line of a row left to right, then the tear line and the
    // answer strip, eight answers a line.
    void sequence()
    {
        // Operands of one, two and three digits in every column and both rows of a block.
        const QStringList texts {"7", "123", "45", "0", "999", "10", "8", "306"};
        worksheet::Set set;
        for (int n = 1; n <= worksheet::Questions; ++n) {
            set[n - 1] = {texts[(n - 1) % 8], texts[(n + 2) % 8], 10 * n};
        }
        RecordingSurface surface;
        worksheet::print(surface, set);
        const QStringList printed = surface.printed();
        const auto entry = &RecordingSurface::entry;
        // Operands end 1750 twips right of their block, their widths rounded half to even.
        const auto operand = [entry](const QString &text, double x, double y) {
            const double left = x + 1750 - std::nearbyint(RecordingSurface::widthOf(text, 20));
            return entry(text, left, y, 20);
        };
        // The first row: each line of its blocks, left to right; a block is 2600 twips wide.
        QCOMPARE(printed.mid(0, 4),
                 QStringList({entry(worksheet::numberText(1), 800, 800, 10),
                              operand(set[0].first, 800, 800),
                              entry(worksheet::numberText(2), 3400, 800, 10),
                              operand(set[1].first, 3400, 800)}));
        QCOMPARE(printed.mid(8, 2),
                 QStringList({entry("+", 1000, 1250, 20), operand(set[0].second, 800, 1250)}));
        // Six texts a block; the last block 2100 twips down a row.
        QCOMPARE(printed.at(143), entry("======", 800 + 3 * 2600 + 450, 800 + 5 * 2100 + 1450, 20));
        QCOMPARE(printed.at(144),
                 entry(QString(40, '-') + " Tear off Answer " + QString(37, '-'), 800, 13600, 10));
        // The strip prints the set's answer as given.
        const double stripLine = RecordingSurface::lineHeightOf(8);
        QCOMPARE(printed.mid(152, 3),
                 QStringList(
                     {entry("8) 80", 780 + 7 * 1200, 14100, 8),
                      entry(" ", 780 + 7 * 1200 + RecordingSurface::widthOf("8) 80", 8), 14100, 8),
                      "line ends"}));
        QCOMPARE(printed.at(155), entry("9) 90", 780, 14100 + stripLine, 8));
        QCOMPARE(printed.size(), 144 + 1 + 24 + 3 * 2 + 1);
        QCOMPARE(printed.last(), "end of document");
    }
};

QTEST_GUILESS_MAIN(tst_worksheetpage)
#include "tst_worksheetpage.moc"
