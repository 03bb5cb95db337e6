// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

// Splits 8-bit text into lines. A line ends at CR LF, at a lone CR or at a lone LF (files
// edited on this system end their lines so); a last line without an end is a line too.
QList<QByteArray> splitLines(QByteArrayView text);

// Calls back once per line, without keeping them all; returns early when told to stop.
template<class F> void forEachLine(QByteArrayView text, F &&onLine)
{
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n') {
            continue;
        }
        onLine(text.sliced(start, i - start));
        if (c == '\r' && i + 1 < n && text[i + 1] == '\n') {
            ++i;
        }
        start = i + 1;
    }
    if (start < n) {
        onLine(text.sliced(start));
    }
}
