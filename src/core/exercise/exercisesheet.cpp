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
    m_start = now;
    m_elapsed = elapsedtime::format(0);
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

void ExerciseSheet::check()
{
    m_marks.clear();
    for (int n = 1; n <= count(); ++n) {
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
