// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/exercise/question.h"
#include "core/print/worksheetpage.h"
#include "gui/base/form.h"
#include "gui/base/proportionallayout.h"

namespace ui {
class WindowlessLabel;
class WindowlessLine;
} // namespace ui
class QComboBox;
class QGroupBox;
class QPushButton;
class Session;

// Makes paper worksheets: the user picks a level, or a review of the current student's weak
// facts, the window draws 24 questions and previews them, and PRINT prints them as one page
// with a tear-off answer strip.
class PrintWindow : public Form
{
    Q_OBJECT
public:
    explicit PrintWindow(const Session &session);

protected:
    void scaleControls() override;

private:
    void setNewQuestions();
    void askAndPrint();
    void printWorksheet();
    worksheet::Set worksheetSet() const;

    const Session &m_session;
    bool m_review = false; // the set is the current student's review sheet

    ProportionalLayout m_layout;
    QList<Question> m_questions; // the set previewed, and printed as it is

    QGroupBox *m_preview = nullptr; // holds and draws the preview's cells
    QComboBox *m_level = nullptr;
    QPushButton *m_print = nullptr;
    // The preview's operands, cell by cell.
    ui::ControlArray<ui::WindowlessLabel> m_firstOperands;
    ui::ControlArray<ui::WindowlessLabel> m_secondOperands;
};
