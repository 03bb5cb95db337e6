// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercisesheet.h"

#include "answertext.h"
#include "elapsedtime.h"

#include <algorithm>

void ExerciseSheet::start(int level, const QList<Question> &questions, const QDateTime &now)
{
    m_level = level;
    m_questions = questions;
    m_answers = QList<QString>(questions.size());
    m_lastGood.resize(questions.size());
    m_marks.clear();
    m_checked = false;
    m_msecs = QList<qint64>(questions.size(), 0);
    m_given = QList<QString>(questions.size());
    m_focusedSince = now; // a box that keeps the focus from the last sheet starts again now
    m_questionLevels.clear();
    m_start = now;
    m_elapsed = elapsedtime::format(0);
}

void ExerciseSheet::startReview(int level, const QList<Question> &questions,
                                const QList<int> &levels, const QDateTime &now)
{
    start(level, questions, now);
    m_questionLevels = levels;
}

QString ExerciseSheet::type(int n, const QString &typed)
{
    const answertext::Filtered kept = answertext::filter(typed, m_lastGood[n - 1]);
    m_lastGood[n - 1] = kept.lastGood;
    m_answers[n - 1] = kept.text;
    return kept.text;
}

void ExerciseSheet::tick(const QDateTime &now)
{
    m_elapsed = elapsedtime::between(m_start, now);
}

void ExerciseSheet::focusQuestion(int n, const QDateTime &now)
{
    if (!m_checked && contains(m_focused)) {
        // A clock set back counts nothing rather than less than nothing.
        m_msecs[m_focused - 1] += qMax<qint64>(0, m_focusedSince.msecsTo(now));
    }
    m_focused = n;
    m_focusedSince = now;
}

void ExerciseSheet::check()
{
    m_marks.clear();
    for (int n = 1; n <= count(); ++n) {
        m_given[n - 1] = answer(n);
        const scoring::Mark mark = scoring::markAnswer(answer(n), question(n).sum);
        m_answers[n - 1] = mark.shownText;
        m_marks.append(mark);
    }
    m_checked = true;
}

int ExerciseSheet::rightCount() const
{
    return int(std::count_if(m_marks.cbegin(), m_marks.cend(),
                             [](const scoring::Mark &m) { return m.right; }));
}

int ExerciseSheet::firstWrong() const
{
    const auto wrong = std::find_if(m_marks.cbegin(), m_marks.cend(),
                                    [](const scoring::Mark &m) { return !m.right; });
    return wrong == m_marks.cend() ? 0 : int(wrong - m_marks.cbegin()) + 1;
}

HistoryRecord ExerciseSheet::resultRecord(const QDateTime &checkedAt) const
{
    return scoring::resultRecord(checkedAt, m_level, percent(), m_elapsed);
}

QList<AnswerRecord> ExerciseSheet::answerRecords(const QDateTime &checkedAt) const
{
    QList<AnswerRecord> records;
    for (int n = 1; n <= count(); ++n) {
        const Question &q = question(n);
        // Digits alone are kept as typed; anything else is written as no answer.
        records.append({.checked = {checkedAt.date(), checkedAt.time()},
                        .level = questionLevel(n),
                        .review = isReview(),
                        .first = q.first,
                        .second = q.second,
                        .answer = givenAnswer(n).trimmed().toLatin1(),
                        .right = mark(n).right,
                        .ms = msecsOn(n)});
    }
    return records;
}
