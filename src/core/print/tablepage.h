// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class PrintSurface;

// A page of one table, as the class overview and the fact view print it: a title, a line
// under it (the date, a key), the column headings and the rows, as many as fit; a note at the
// foot says how many did not. The first column is left-aligned, the others right-aligned.
namespace tablepage {

struct Table
{
    QString title;
    QString subtitle;
    QStringList headings;
    QList<int> columnWidths; // twips, one per heading
    QList<QStringList> rows;
};

inline constexpr int Left = 600;
inline constexpr int Top = 600;
inline constexpr int LineHeight = 260; // twips a row takes
inline constexpr int TableBottom = 15000; // below it no row is printed
inline constexpr double TitlePoints = 16;
inline constexpr double TextPoints = 8;

// How many rows fit under the headings.
int rowsThatFit();

// The text cut, with an ellipsis, to the width it may take on the surface in its font now.
QString fitted(const PrintSurface &surface, const QString &text, double width);

// Writes the page and ends the document.
void print(PrintSurface &surface, const Table &table);

} // namespace tablepage
