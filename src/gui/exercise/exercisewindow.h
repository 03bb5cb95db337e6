// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/exercise/exercisesheet.h"
#include "exerciselayout.h"
#include "gui/base/controltable.h"
#include "gui/base/form.h"

namespace ui {
class WindowlessLabel;
class WindowlessLine;
} // namespace ui
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class Session;

// The exercise: sixteen addition questions of one level against a running clock, marked
// all at once with ticks, crosses and the right answers, scored, and added to the current
// student's history. The sheet holds the questions, answers and marks; the window shows it.
class ExerciseWindow : public Form
{
    Q_OBJECT
public:
    explicit ExerciseWindow(const Session &session);

    const ExerciseSheet &sheet() const { return m_sheet; }
    int level() const { return m_sheet.level(); }
    // The answer box that last had the focus; after checking, the first wrong question, or
    // -1 when every answer was right.
    int currentQuestion() const { return m_currentQuestion; }

    // One tick of the clock; the timer calls it every second while the clock runs.
    void tick();

protected:
    void scaleControls() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void setNewQuestions();
    void startReview();
    void showNewQuestions();
    void answerTyped(int n);
    void checkAnswers();
    void showMarks();
    void recordResult();
    void openTutor();
    int answerBoxIndex(const QObject *object) const;

    const Session &m_session;
    ExerciseSheet m_sheet;
    int m_currentQuestion = 0;
    QString m_answerHelp; // what an answer box is for, said again once new questions are set
    ExerciseLayout m_layout;

    QLineEdit *m_score = nullptr;
    QLineEdit *m_time = nullptr;
    QComboBox *m_levels = nullptr;
    QPushButton *m_helpMe = nullptr;
    QPushButton *m_menu = nullptr;
    QPushButton *m_new = nullptr;
    QPushButton *m_check = nullptr;
    QTimer *m_timer = nullptr;

    // Each question's controls; its number, operands and line are drawn by the frame.
    ui::ControlArray<ui::WindowlessLabel> m_numbers;
    ui::ControlArray<ui::WindowlessLabel> m_firstOperands;
    ui::ControlArray<ui::WindowlessLabel> m_plusSigns;
    ui::ControlArray<ui::WindowlessLabel> m_secondOperands;
    ui::ControlArray<ui::WindowlessLine> m_lines;
    ui::ControlArray<QLineEdit> m_answerBoxes;
    ui::ControlArray<QLabel> m_marks;
    ui::ControlArray<QLabel> m_corrections; // the right answer under a wrong one
};
