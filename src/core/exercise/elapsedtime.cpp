// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "elapsedtime.h"

namespace elapsedtime {

QString format(qint64 seconds)
{
    constexpr qint64 Day = 24 * 60 * 60;
    const qint64 s = seconds < 0 ? 0 : seconds % Day;
    return QStringLiteral("%1:%2:%3")
        .arg(s / 3600, 2, 10, QLatin1Char('0'))
        .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(s % 60, 2, 10, QLatin1Char('0'));
}

QString between(const QDateTime &start, const QDateTime &now)
{
    return format(start.msecsTo(now) / 1000);
}

} // namespace elapsedtime
