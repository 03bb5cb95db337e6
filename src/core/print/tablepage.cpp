// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tablepage.h"

#include "printsurface.h"

#include <QCoreApplication>

#include <cmath>

namespace tablepage {

namespace {
constexpr int TitleHeight = 500;
constexpr int SubtitleHeight = 400;
constexpr int Gap = 100; // between columns

int headingsTop()
{
    return Top + TitleHeight + SubtitleHeight;
}

void printRow(PrintSurface &p, const Table &table, const QStringList &cells, double y)
{
    double left = Left;
    for (qsizetype c = 0; c < table.headings.size(); ++c) {
        const double width = table.columnWidths.value(c) - Gap;
        const QString text = fitted(p, cells.value(c), width);
        p.setCurrentY(y);
        p.setCurrentX(c == 0 ? left : left + width - std::round(p.textWidth(text)));
        p.print(text);
        left += table.columnWidths.value(c);
    }
}
} // namespace

int rowsThatFit()
{
    return (TableBottom - headingsTop()) / LineHeight - 1;
}

QString fitted(const PrintSurface &surface, const QString &text, double width)
{
    if (surface.textWidth(text) <= width) {
        return text;
    }
    QString cut = text;
    while (!cut.isEmpty() && surface.textWidth(cut + u'\u2026') > width) {
        cut.chop(cut.size() > 1 && cut.back().isLowSurrogate() ? 2 : 1);
    }
    return cut + u'\u2026';
}

void print(PrintSurface &p, const Table &table)
{
    p.setFontName(QStringLiteral("Arial"));
    p.setFontSize(TitlePoints);
    p.setCurrentX(Left);
    p.setCurrentY(Top);
    p.print(table.title);
    p.setFontSize(TextPoints);
    p.setCurrentX(Left);
    p.setCurrentY(Top + TitleHeight);
    p.print(table.subtitle);

    double y = headingsTop();
    printRow(p, table, table.headings, y);
    const int fit = rowsThatFit();
    for (qsizetype r = 0; r < table.rows.size() && r < fit; ++r) {
        y += LineHeight;
        printRow(p, table, table.rows.at(r), y);
    }
    if (table.rows.size() > fit) {
        p.setCurrentX(Left);
        p.setCurrentY(y + 2 * LineHeight);
        p.print(QCoreApplication::translate("tablepage", "Rows not on this page: %1.")
                    .arg(table.rows.size() - fit));
    }
    p.endDoc();
}

} // namespace tablepage
