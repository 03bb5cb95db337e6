// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "questiongenerator.h"

#include <algorithm>

namespace questiongenerator {

static int wholePart(double r, int range)
{
    return static_cast<int>(r * range);
}

Question drawQuestion(int level, const Draw &draw)
{
    Question q;
    switch (level) {
    case 1: {
        const int x = wholePart(draw(), 121);
        q.first = x / 11;
        q.second = x % 11;
        break;
    }
    case 2: {
        q.first = wholePart(draw(), 11) + 10;
        q.second = wholePart(draw(), 10);
        break;
    }
    case 3: {
        q.first = wholePart(draw(), 80) + 20;
        q.second = wholePart(draw(), 11);
        break;
    }
    case 4: {
        q.first = wholePart(draw(), 11) + 10;
        q.second = wholePart(draw(), 11) + 10;
        break;
    }
    case 5: {
        // Each operand: the ones digit first, then the tens digit 1..9.
        const int ones1 = wholePart(draw(), 10);
        const int tens1 = wholePart(draw(), 9) + 1;
        const int ones2 = wholePart(draw(), 10);
        const int tens2 = wholePart(draw(), 9) + 1;
        q.first = 10 * tens1 + ones1;
        q.second = 10 * tens2 + ones2;
        break;
    }
    case 6: {
        // Each operand: tens, then ones, then the hundreds digit 1..9.
        const int tens1 = wholePart(draw(), 10);
        const int ones1 = wholePart(draw(), 10);
        const int hundreds1 = wholePart(draw(), 9) + 1;
        const int tens2 = wholePart(draw(), 10);
        const int ones2 = wholePart(draw(), 10);
        const int hundreds2 = wholePart(draw(), 9) + 1;
        q.first = 100 * hundreds1 + 10 * tens1 + ones1;
        q.second = 100 * hundreds2 + 10 * tens2 + ones2;
        break;
    }
    default:
        break;
    }
    q.sum = q.first + q.second;
    return q;
}

QList<Question> generate(int level, int count, const Draw &draw)
{
    QList<Question> set;
    set.reserve(qMax(count, 0));
    for (int n = 0; n < count; ++n) {
        Question q;
        for (int attempts = 1;; ++attempts) {
            q = drawQuestion(level, draw);
            const bool repeated = std::any_of(set.cbegin(), set.cend(), [&q](const Question &e) {
                return e.first == q.first && e.second == q.second;
            });
            if (attempts >= MaxAttempts || !repeated) {
                break;
            }
        }
        set.append(q);
    }
    return set;
}

} // namespace questiongenerator
