// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reportline.h"

#include <cstdio>

namespace reportline {

QByteArray heading()
{
    return QByteArray(Heading);
}

QByteArray dateText(QByteArrayView date)
{
    const auto when = history::parseDateAndTime(date);
    if (!when) {
        return date.toByteArray();
    }
    // Read as written, not placed in a time zone: a wall-clock time that the local zone
    // skips (the hour lost to summer time) still shows as written.
    char text[32];
    const int n = std::snprintf(text, sizeof text, "%02d/%02d/%04d %02d:%02d", when->date.day(),
                                when->date.month(), when->date.year(), when->time.hour(),
                                when->time.minute());
    return QByteArray(text, n);
}

QByteArray format(const HistoryRecord &record)
{
    constexpr qsizetype ScoreWidth = 4;
    QByteArray line = dateText(record.date);
    line.reserve(line.size() + 16 + record.level.size() + 7 + ScoreWidth + 5 + record.speed.size());
    line.append(16, ' ');
    line.append(record.level);
    line.append(7, ' ');
    if (record.score.size() < ScoreWidth) {
        line.append(ScoreWidth - record.score.size(), ' ');
    }
    line.append(record.score);
    line.append("%    ");
    line.append(record.speed);
    return line;
}

} // namespace reportline
