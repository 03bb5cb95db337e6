#pragma once

#include "gui/base/controltable.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class StudentList;

// Asks for a new student's name, keeps it to upper-case letters and blanks, and adds the
// student: to the list, to the roster file, and with an empty history file.
class NewStudentDialog : public QDialog
{
    Q_OBJECT
public:
    explicit NewStudentDialog(StudentList &students, QWidget *parent = nullptr);

private:
    void Form_Load();
    void txtStudent_Change();
    void OKButton_Click();

    StudentList &m_students;
    ui::FormControls m_controls;
    QString LastGoodName;
    bool m_inChange = false;

    QLineEdit *txtStudent = nullptr;
    QPushButton *CancelButton = nullptr;
    QPushButton *OKButton = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label1 = nullptr;
};
