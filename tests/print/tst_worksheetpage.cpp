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
    // The whole sequence of texts, cursor positions and fonts: the blocks row by row, each
    // line of a row left to right, then the tear line and the answer strip.
    void fullSequence()
    {
        // Operands of one, two and three digits in every column and both rows of a block.
        const QStringList texts {"7", "123", "45", "0", "999", "10", "8", "306"};
        worksheet::Set set;
        for (int n = 1; n <= worksheet::Questions; ++n) {
            set[n - 1] = {texts[(n - 1) % 8], texts[(n + 2) % 8], 10 * n};
        }
        RecordingSurface surface;
        worksheet::print(surface, set);
        const auto entry = &RecordingSurface::entry;

        // Operands end 1750 twips right of their block, their widths rounded half to even.
        const auto operand = [entry](const QString &text, double x, double y) {
            const double left = x + 1750 - std::nearbyint(RecordingSurface::widthOf(text, 20));
            return entry(text, left, y, 20);
        };
        QStringList expected;
        for (int r = 0; r < 6; ++r) {
            const double y = 800 + 2100 * r;
            QStringList lines[4]; // each line of the row's blocks, left to right
            for (int c = 0; c < 4; ++c) {
                const double x = 800 + 2600 * c;
                const worksheet::Entry &e = set[4 * r + c];
                lines[0] << entry(worksheet::numberText(4 * r + c + 1), x, y, 10)
                         << operand(e.first, x, y);
                lines[1] << entry("+", x + 200, y + 450, 20) << operand(e.second, x, y + 450);
                lines[2] << entry("________", x + 200, y + 500, 20);
                lines[3] << entry("======", x + 450, y + 1450, 20);
            }
            expected << lines[0] << lines[1] << lines[2] << lines[3];
        }
        expected << entry(QString(40, '-') + " Tear off Answer " + QString(37, '-'), 800, 13600,
                          10);
        for (int k = 1; k <= 24; ++k) {
            // The strip prints the set's answer as given.
            const QString text = QStringLiteral("%1) %2").arg(k).arg(10 * k);
            const double x = 780 + 1200 * ((k - 1) % 8);
            const double y = 14100 + RecordingSurface::lineHeightOf(8) * ((k - 1) / 8);
            expected << entry(text, x, y, 8);
            if (k % 8 == 0) {
                expected << entry(" ", x + RecordingSurface::widthOf(text, 8), y, 8) << "line ends";
            }
        }
        expected << "end of document";
        QCOMPARE(surface.printed(), expected);
    }
};

QTEST_GUILESS_MAIN(tst_worksheetpage)
#include "tst_worksheetpage.moc"
