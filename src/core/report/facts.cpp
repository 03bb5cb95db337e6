// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "facts.h"

#include <algorithm>

namespace facts {

Mastery masteryOf(const History &history)
{
    if (history.last.isEmpty()) {
        return Mastery::NeverSeen;
    }
    if (std::any_of(history.last.begin(), history.last.end(),
                    [](const AnswerRecord &r) { return !r.right; })) {
        return Mastery::WrongRecently;
    }
    return history.last.constLast().ms <= QuickMs ? Mastery::Quick : Mastery::Slow;
}

void FactRecord::add(const AnswerRecord &record)
{
    if (record.level < 1 || record.level > 6) {
        return;
    }
    History &h = m_facts[{record.level, Fact {record.first, record.second}}];
    h.level = record.level;
    ++h.answered;
    h.wrong += record.right ? 0 : 1;
    if (h.last.size() == RecentAnswers) {
        h.last.removeFirst();
    }
    h.last.append(record);

    // The answers of one check share its moment.
    QList<QList<AnswerRecord>> &sheets = m_recentSheets[std::size_t(record.level - 1)];
    if (sheets.isEmpty() || !(sheets.constLast().constFirst().checked == record.checked)) {
        if (sheets.size() == RecentSheets) {
            sheets.removeFirst();
        }
        sheets.append(QList<AnswerRecord>());
    }
    sheets.last().append(record);
}

void FactRecord::addAll(const QList<AnswerRecord> &records)
{
    for (const AnswerRecord &r : records) {
        add(r);
    }
}

Mastery FactRecord::gridCell(int first, int second) const
{
    const auto found = m_facts.find({1, Fact {first, second}});
    return found == m_facts.end() ? Mastery::NeverSeen : masteryOf(found->second);
}

QList<Slip> FactRecord::slips(int level) const
{
    QList<Slip> slips;
    if (level < 1 || level > 6) {
        return slips;
    }
    for (const QList<AnswerRecord> &sheet : m_recentSheets[std::size_t(level - 1)]) {
        for (const AnswerRecord &r : sheet) {
            if (r.right) {
                continue;
            }
            bool ok = false;
            const int given = r.answer.toInt(&ok);
            const errordiagnosis::ErrorKind kind = errordiagnosis::classify(
                r.first, r.second, ok ? std::optional(given) : std::nullopt);
            auto slip = std::find_if(slips.begin(), slips.end(),
                                     [kind](const Slip &s) { return s.kind == kind; });
            if (slip == slips.end()) {
                slips.append({kind, 0, r});
                slip = slips.end() - 1;
            }
            ++slip->count;
            slip->example = r; // the latest
        }
    }
    std::stable_sort(slips.begin(), slips.end(),
                     [](const Slip &a, const Slip &b) { return a.count > b.count; });
    return slips;
}

QList<Missed> FactRecord::mostMissed(int level, int count) const
{
    QList<Missed> missed;
    for (const auto &[key, h] : m_facts) {
        if (key.first == level && h.wrong > 0) {
            missed.append({key.second, h.wrong, h.answered});
        }
    }
    std::stable_sort(missed.begin(), missed.end(),
                     [](const Missed &a, const Missed &b) { return a.wrong > b.wrong; });
    return missed.mid(0, count);
}

QList<std::pair<Fact, History>> FactRecord::weakFacts() const
{
    QList<std::pair<Fact, History>> weak;
    for (const auto &[key, h] : m_facts) {
        const Mastery m = masteryOf(h);
        if (m == Mastery::WrongRecently || m == Mastery::Slow) {
            weak.append({key.second, h});
        }
    }
    return weak;
}

QList<int> FactRecord::levels() const
{
    QList<int> levels;
    for (const auto &[key, h] : m_facts) {
        if (levels.isEmpty() || levels.constLast() != key.first) {
            levels.append(key.first);
        }
    }
    return levels;
}

} // namespace facts
