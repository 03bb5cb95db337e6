#pragma once

#include "exerciselayout.h"
#include "gui/base/controltable.h"
#include "gui/base/form.h"

#include <QDateTime>
#include <QString>

#include <array>

namespace ui {
class WindowlessLabel;
class WindowlessLine;
} // namespace ui
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class Session;

// The exercise: sixteen addition questions of one level against a running clock, marked
// all at once with ticks, crosses and the right answers, scored, and added to the current
// student's history.
class ExerciseWindow : public Form
{
    Q_OBJECT
public:
    explicit ExerciseWindow(const Session &session);

    qint16 curLevel() const { return CurLevel; }
    // The answer box that last had the focus; after checking, the first wrong question, or
    // -1 when every answer was right.
    qint16 curQuestion() const { return CurQuestion; }

    // One tick of the clock; the timer calls it every second while the clock runs.
    void Timer1_Timer();

protected:
    void Form_Resize() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void Form_Load();
    void Combo1_Click();
    void CmdNew_Click();
    void cmdcheck_Click();
    void cmdHelpMe_Click();
    void NewQuestionSet();
    void SaveDesignLayout();
    void ResizeControls();
    void StartTiming();
    void Text1_GotFocus(int index);
    void Text1_Change(int index);
    int answerBoxIndex(const QObject *object) const;
    void recordResult(int percent);

    const Session &m_session;
    qint16 CurLevel = 1;
    qint16 CurQuestion = 0;
    QDateTime StartTime;
    std::array<QString, 17> LastGoodText;
    QString m_answerHelp; // what an answer box is for, said again once new questions are set
    ExerciseLayout m_layout;

    QGroupBox *Frame1 = nullptr;
    QLineEdit *txtScore = nullptr;
    QLineEdit *TxtTime = nullptr;
    QComboBox *Combo1 = nullptr;
    QPushButton *cmdHelpMe = nullptr;
    QPushButton *cmdMenu = nullptr;
    QPushButton *CmdNew = nullptr;
    QPushButton *cmdcheck = nullptr;
    QTimer *Timer1 = nullptr;

    // Each question's number, operands and line, drawn by Frame1.
    ui::ControlArray<ui::WindowlessLabel> lblno;
    ui::ControlArray<ui::WindowlessLabel> Label1;
    ui::ControlArray<ui::WindowlessLabel> Label3;
    ui::ControlArray<ui::WindowlessLabel> Label2;
    ui::ControlArray<ui::WindowlessLine> Line1;
    ui::ControlArray<QLineEdit> Text1;
    ui::ControlArray<QLabel> lblmark;
    ui::ControlArray<QLabel> lblAnswer;
};
