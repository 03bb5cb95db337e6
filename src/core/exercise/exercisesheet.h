// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/records/answerlog.h"
#include "core/records/history.h"
#include "question.h"
#include "scoring.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// One exercise sheet: the questions of a level, the answers as typed, their marks once the
// sheet is checked, the score and the clock's text. Questions are numbered from 1, as the
// pupil sees them. The exercise window shows a sheet; a test can fill and check one alone.
class ExerciseSheet
{
public:
    // A fresh sheet: these questions, no answers or marks, the clock at 00:00:00 from now.
    void start(int level, const QList<Question> &questions, const QDateTime &now);
    // A review sheet: each question with the level it comes from; the sheet's level is the
    // one its history line gives.
    void startReview(int level, const QList<Question> &questions, const QList<int> &levels,
                     const QDateTime &now);
    bool isReview() const { return !m_questionLevels.isEmpty(); }
    // The level question n comes from: the sheet's, but on a review sheet its own.
    int questionLevel(int n) const
    {
        return isReview() ? m_questionLevels.value(n - 1, m_level) : m_level;
    }

    int level() const { return m_level; }
    int count() const { return int(m_questions.size()); }
    bool contains(int n) const { return n >= 1 && n <= count(); }
    const Question &question(int n) const { return m_questions.at(n - 1); }

    // The pupil changed answer n to `typed`; gives back what the box is to hold, which is
    // then the answer. Text that is not a number gives way to the box's last number.
    QString type(int n, const QString &typed);
    QString answer(int n) const { return m_answers.at(n - 1); }

    // The clock's text at `now`; the result record takes the text last shown.
    void tick(const QDateTime &now);
    QString elapsedText() const { return m_elapsed; }
    QDateTime startTime() const { return m_start; }

    // Marks every answer; an answer that is no number becomes "0" and is marked as that.
    void check();
    bool checked() const { return m_checked; }
    const scoring::Mark &mark(int n) const { return m_marks.at(n - 1); }
    int rightCount() const;
    int percent() const { return scoring::scorePercent(rightCount(), count()); }
    // The first question marked wrong, or 0 when every one is right.
    int firstWrong() const;

    // The line the checked sheet adds to the student's history.
    HistoryRecord resultRecord(const QDateTime &checkedAt) const;

    // The pupil is now at question n's box (0: at none). Until the sheet is checked, the time
    // spent at each box adds up, visit after visit.
    void focusQuestion(int n, const QDateTime &now);
    qint64 msecsOn(int n) const { return m_msecs.at(n - 1); }
    // The answer as it stood when the sheet was checked, before marking turned a blank or
    // text into "0".
    QString givenAnswer(int n) const { return m_given.at(n - 1); }

    // The lines the checked sheet adds to the student's record of answers; on a review sheet
    // each question keeps the level it was drawn from.
    QList<AnswerRecord> answerRecords(const QDateTime &checkedAt) const;

private:
    int m_level = 1;
    QList<Question> m_questions;
    QList<QString> m_answers;
    // Each box's last number stays from one sheet to the next, as the boxes are the same.
    QList<QString> m_lastGood;
    QList<scoring::Mark> m_marks;
    bool m_checked = false;
    QList<qint64> m_msecs;
    int m_focused = 0;
    QDateTime m_focusedSince;
    QList<QString> m_given;
    QList<int> m_questionLevels; // a review sheet's, question by question
    QDateTime m_start;
    QString m_elapsed;
};
