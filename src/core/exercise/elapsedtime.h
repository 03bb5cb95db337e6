// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>
#include <QString>

// The exercise clock's text: hours, minutes and seconds with two digits each.
namespace elapsedtime {

// Hours count modulo 24, so a day and an hour reads "01:00:00". A negative span, which
// only a clock set back can give, reads "00:00:00".
QString format(qint64 seconds);

// Whole seconds from start to now; parts of a second are dropped.
QString between(const QDateTime &start, const QDateTime &now);

} // namespace elapsedtime
