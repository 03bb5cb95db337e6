// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "studentname.h"

namespace studentname {

bool isAcceptable(const QString &text)
{
    for (QChar c : text) {
        const char16_t u = c.toUpper().unicode();
        if (u != u' ' && (u < u'A' || u > u'Z')) {
            return false;
        }
    }
    return true;
}

QString trimmed(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == u' ') {
        ++first;
    }
    while (last > first && text.at(last - 1) == u' ') {
        --last;
    }
    return text.sliced(first, last - first);
}

} // namespace studentname
