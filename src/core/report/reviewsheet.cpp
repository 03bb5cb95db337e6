// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reviewsheet.h"

#include "classoverview.h"
#include "core/records/history.h"

#include <algorithm>
#include <array>

namespace reviewsheet {

namespace {
// A fill question drawn again while it repeats one on the sheet, at most this many times:
// the lowest level has 121 sums, far more than a sheet holds.
constexpr int MaxFillAttempts = 50;

bool onSheet(const QList<Item> &items, const Question &q)
{
    return std::any_of(items.begin(), items.end(), [&q](const Item &i) {
        return i.question.first == q.first && i.question.second == q.second;
    });
}
} // namespace

QList<Item> draw(const facts::FactRecord &record, int fillLevel, int count,
                 const questiongenerator::Draw &draw)
{
    auto weak = record.weakFacts();
    const auto latest = [](const facts::History &h) { return h.last.constLast(); };
    std::stable_sort(weak.begin(), weak.end(), [&](const auto &a, const auto &b) {
        const bool aWrong = facts::masteryOf(a.second) == facts::Mastery::WrongRecently;
        const bool bWrong = facts::masteryOf(b.second) == facts::Mastery::WrongRecently;
        if (aWrong != bWrong) {
            return aWrong;
        }
        const AnswerRecord &x = latest(a.second);
        const AnswerRecord &y = latest(b.second);
        if (aWrong) {
            return std::tie(x.checked.date, x.checked.time)
                > std::tie(y.checked.date, y.checked.time);
        }
        return x.ms > y.ms;
    });

    QList<Item> items;
    for (const auto &[fact, history] : weak) {
        if (items.size() == count) {
            break;
        }
        const Question q {fact.first, fact.second, fact.first + fact.second};
        if (!onSheet(items, q)) {
            items.append({q, history.level});
        }
    }
    while (items.size() < count) {
        Question q;
        for (int attempt = 0; attempt < MaxFillAttempts; ++attempt) {
            q = questiongenerator::drawQuestion(fillLevel, draw);
            if (!onSheet(items, q)) {
                break;
            }
        }
        items.append({q, fillLevel});
    }
    return items;
}

QList<Item> drawFor(const QByteArray &student, int count, const questiongenerator::Draw &draw,
                    QString *problem)
{
    facts::FactRecord record;
    int fillLevel = 1;
    if (history::isSafeStudentName(student)) {
        const answerlog::Read read = answerlog::forEachRecord(
            answerlog::fileNameFor(student), [&record](const AnswerRecord &r) { record.add(r); });
        if (problem) {
            *problem = read.error;
        }
        // The date does not matter here: the latest sheet's level is read whatever its age.
        const classoverview::StudentSummary latest
            = classoverview::summarize(student, QDate::currentDate());
        fillLevel = latest.lastLevel > 0 ? latest.lastLevel : 1;
    }
    return reviewsheet::draw(record, fillLevel, count, draw);
}

int mainLevel(const QList<Item> &items)
{
    std::array<int, 7> counts {};
    for (const Item &i : items) {
        ++counts[std::size_t(std::clamp(i.level, 1, 6))];
    }
    int best = 1;
    for (int level = 1; level <= 6; ++level) {
        if (counts[std::size_t(level)] >= counts[std::size_t(best)]) {
            best = level;
        }
    }
    return best;
}

} // namespace reviewsheet
