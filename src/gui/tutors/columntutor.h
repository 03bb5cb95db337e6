// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/exercise/question.h"
#include "core/tutors/columnaddition.h"
#include "gui/base/controltable.h"

#include <QDialog>

class LineControl;
class QLabel;
class QLineEdit;
class QPushButton;

// The column-addition tutor: the pupil writes the answer of one question digit by digit,
// units first, and sees each right column worked out with its carry.
class ColumnTutor : public QDialog
{
    Q_OBJECT
public:
    // Explains the question; its number goes in the caption.
    ColumnTutor(const Question &question, int number, QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void explain(const Question &question, int number);
    void digitTyped(int column);
    void helpOrExit();
    void showSteps();

    ColumnAddition m_steps;
    ui::FormControls m_controls;

    // Each column's controls, units first.
    ui::ControlArray<QLineEdit> m_answerBoxes {0};
    ui::ControlArray<QLabel> m_carries {0};
    ui::ControlArray<QLabel> m_firstDigits {0};
    ui::ControlArray<QLabel> m_secondDigits {0};
    QLabel *m_pointer = nullptr;
    QLabel *m_hint = nullptr;
    QLabel *m_caption = nullptr;
    QLabel *m_carryCaption = nullptr;
    // The worked example of the last column answered right.
    QLabel *m_demoCarry = nullptr;
    QLabel *m_demoFirst = nullptr;
    QLabel *m_demoPlus = nullptr;
    QLabel *m_demoSecond = nullptr;
    LineControl *m_demoLine = nullptr;
    QLabel *m_demoTotal = nullptr;
    ui::ControlArray<LineControl> m_answerLines {0};
    ui::ControlArray<LineControl> m_carryLines {0};
    QPushButton *m_help = nullptr;
};
