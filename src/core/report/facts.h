// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/exercise/errordiagnosis.h"
#include "core/records/answerlog.h"

#include <QList>

#include <array>
#include <map>

// What a student's record of answers says of each fact (one sum, first + second): never
// seen, wrong recently, right but slow, or right and quick. For the first level every sum
// from 0 + 0 to 10 + 10 makes a grid; for the others the slips are counted by kind.
namespace facts {

// Right within this many milliseconds is quick: recalled, not counted out.
inline constexpr qint64 QuickMs = 3000;
// A fact answered wrong in any of its last this many answers was wrong recently.
inline constexpr int RecentAnswers = 3;
// The slips of a level are taken from its answers of this many recent sheets.
inline constexpr int RecentSheets = 10;
inline constexpr int GridSize = 11; // 0 to 10

enum class Mastery { NeverSeen, WrongRecently, Slow, Quick };

struct Fact
{
    int first = 0;
    int second = 0;
    auto operator<=>(const Fact &) const = default;
};

// A fact's last answers, newest last.
struct History
{
    int level = 1;
    QList<AnswerRecord> last; // at most RecentAnswers
    int answered = 0;
    int wrong = 0;
};

Mastery masteryOf(const History &history);

// A slip of a kind, as often as it was made, with the latest example.
struct Slip
{
    errordiagnosis::ErrorKind kind = errordiagnosis::ErrorKind::Other;
    int count = 0;
    AnswerRecord example;
};

// A sum missed, as often as it was missed.
struct Missed
{
    Fact fact;
    int wrong = 0;
    int answered = 0;
};

// Every fact of a student's answers, read in file order (which is the order they were
// checked); the records of a review sheet count for the level their questions come from.
class FactRecord
{
public:
    void add(const AnswerRecord &record);
    void addAll(const QList<AnswerRecord> &records);

    // The first level's grid: cell [first][second].
    Mastery gridCell(int first, int second) const;
    // The slips at a level over its recent sheets, most frequent first.
    QList<Slip> slips(int level) const;
    // The sums most often missed at a level, most missed first, at most `count` of them.
    QList<Missed> mostMissed(int level, int count = 5) const;
    // Facts wrong recently or right but slow, at any level: the review sheet's matter.
    QList<std::pair<Fact, History>> weakFacts() const;
    // The levels with at least one answer.
    QList<int> levels() const;

private:
    std::map<std::pair<int, Fact>, History> m_facts; // by level and sum
    // Per level, the recent sheets' answers: a sheet is the records of one check moment.
    std::array<QList<QList<AnswerRecord>>, 6> m_recentSheets;
};

} // namespace facts
