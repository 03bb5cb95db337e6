// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "textlines.h"

QList<QByteArray> splitLines(QByteArrayView text)
{
    QList<QByteArray> lines;
    forEachLine(text, [&lines](QByteArrayView line) { lines.append(line.toByteArray()); });
    return lines;
}
