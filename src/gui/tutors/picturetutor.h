#pragma once

#include "core/tutors/picturecount.h"
#include "gui/base/controltable.h"

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;

// The picture tutor: explains one small sum by counting on, one picture per press of "+",
// until the whole sum can be written out.
class PictureTutor : public QDialog
{
    Q_OBJECT
public:
    explicit PictureTutor(QWidget *parent = nullptr);

    // Sets the window up for question q_no of the shared question arrays.
    void initialize(qint16 &q_no);

private:
    void cmdplus_Click();
    void showCount();

    PictureCount m_count;
    std::array<QString, PictureCount::PictureCodes.size()> PicChars;
    qint16 PicIndex = 0;
    ui::FormControls m_controls;

    QWidget *Frame1 = nullptr;
    QLabel *lblop1 = nullptr;
    QLabel *lblplus = nullptr;
    QLabel *lblop2 = nullptr;
    ui::ControlArray<QLabel> lblsym2 {0};
    ui::ControlArray<QLabel> lblplace {0};
    QLabel *lblline1 = nullptr;
    QLabel *lblline2 = nullptr;
    QLabel *lblanswer = nullptr;
    QPushButton *cmdplus = nullptr;
    QLabel *Label1 = nullptr;
    QPushButton *cmdexit = nullptr;
};
