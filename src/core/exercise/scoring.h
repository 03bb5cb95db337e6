// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/records/history.h"

#include <QDateTime>
#include <QString>

// Marking one answer, the score of a sheet and the history record of a checked sheet.
namespace scoring {

inline constexpr int QuestionCount = 16;

struct Mark
{
    QString shownText; // what the answer box shows once marked
    bool right = false;
};

// Text that is not a number (the empty text included) is marked as "0"; a number is right
// when its value equals the sum, so "007" is right for 7.
Mark markAnswer(const QString &text, int sum);

// The percentage of right answers as a whole number, halves going to the even neighbour.
int scorePercent(int right, int questions = QuestionCount);

// The line a checked sheet adds to the student's history; speed is the clock's text.
HistoryRecord resultRecord(const QDateTime &checkedAt, int level, int percent,
                           const QString &speed);

} // namespace scoring
