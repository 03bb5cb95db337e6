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
    void Form_Resize() override;

private:
    void Form_Load();
    void setNewQuestions();
    void cmdPrint_Click();
    void Command1_Click();
    void PrintWorksheet();
    worksheet::Set worksheetSet() const;

    ProportionalLayout m_layout;
    QList<Question> m_questions; // the set previewed, and printed as it is

    QGroupBox *Frame1 = nullptr;
    QGroupBox *Frame2 = nullptr;
    ui::WindowlessLabel *Label4 = nullptr; // the instructions, drawn by Frame2
    ui::WindowlessLabel *Label5 = nullptr;
    QComboBox *Combo1 = nullptr;
    QPushButton *CmdNew = nullptr;
    QPushButton *cmdPrint = nullptr;
    QPushButton *Command1 = nullptr;
    // The preview's cells, drawn by Frame1.
    ui::ControlArray<ui::WindowlessLabel> lblno;
    ui::ControlArray<ui::WindowlessLabel> m_firstOperands;
    ui::ControlArray<ui::WindowlessLabel> Label3;
    ui::ControlArray<ui::WindowlessLabel> m_secondOperands;
    ui::ControlArray<ui::WindowlessLine> Line1;
    ui::ControlArray<ui::WindowlessLine> Line2;
    ui::ControlArray<ui::WindowlessLine> Line3;
};
