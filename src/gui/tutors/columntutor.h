#pragma once

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
    explicit ColumnTutor(QWidget *parent = nullptr);

    // Sets the window up for question q_no of the shared question arrays.
    void initialize(qint16 &q_no);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void TxtAns_Change(int Index);
    void TxtAns_GotFocus(int Index);
    void cmdhelp_Click();
    void showSteps();

    ColumnAddition m_steps;
    ui::FormControls m_controls;

    QWidget *Frame1 = nullptr;
    ui::ControlArray<QLineEdit> TxtAns {0};
    ui::ControlArray<QLabel> lblCarry {0};
    ui::ControlArray<QLabel> lblOP1 {0};
    ui::ControlArray<QLabel> lblOP2 {0};
    QLabel *Label1 = nullptr;
    LineControl *Line1 = nullptr;
    QLabel *lblarrow = nullptr;
    QLabel *lblhint = nullptr;
    QLabel *lblQno = nullptr;
    QLabel *Labelcarry = nullptr;
    QLabel *lbldemoc = nullptr;
    QLabel *lbldemo1 = nullptr;
    QLabel *lbldemoplus = nullptr;
    QLabel *lbldemo2 = nullptr;
    LineControl *Line2 = nullptr;
    QLabel *lblans = nullptr;
    ui::ControlArray<LineControl> lineans {0};
    ui::ControlArray<LineControl> linecarry {0};
    QPushButton *cmdhelp = nullptr;
};
