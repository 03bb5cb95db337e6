// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scoring.h"

#include "answertext.h"

namespace scoring {

Mark markAnswer(const QString &text, int sum)
{
    const auto value = answertext::numericValue(text);
    if (!value) {
        return {QStringLiteral("0"), sum == 0};
    }
    return {text, *value == double(sum)};
}

int scorePercent(int right, int questions)
{
    if (questions <= 0) {
        return 0;
    }
    // Whole numbers throughout, so a half is seen exactly.
    const int scaled = right * 100;
    int percent = scaled / questions;
    const int twiceRest = 2 * (scaled % questions);
    if (twiceRest > questions || (twiceRest == questions && percent % 2 != 0)) {
        ++percent;
    }
    return percent;
}

HistoryRecord resultRecord(const QDateTime &checkedAt, int level, int percent, const QString &speed)
{
    return HistoryRecord {history::formatDate(checkedAt), QByteArray::number(level),
                          QByteArray::number(percent), speed.toLatin1()};
}

} // namespace scoring
