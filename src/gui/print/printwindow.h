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

// Makes paper worksheets: the user picks a level, the window draws 24 questions and
// previews them, and PRINT prints them as one page with a tear-off answer strip.
class PrintWindow : public Form
{
    Q_OBJECT
public:
    PrintWindow();

protected:
    void scaleControls() override;

private:
    void setNewQuestions();
    void askAndPrint();
    void printWorksheet();
    worksheet::Set worksheetSet() const;

    ProportionalLayout m_layout;
    QList<Question> m_questions; // the set previewed, and printed as it is

    QGroupBox *m_preview = nullptr; // holds and draws the preview's cells
    QComboBox *m_level = nullptr;
    QPushButton *m_print = nullptr;
    // The preview's operands, cell by cell.
    ui::ControlArray<ui::WindowlessLabel> m_firstOperands;
    ui::ControlArray<ui::WindowlessLabel> m_secondOperands;
};
