#pragma once

#include "records/studentlist.h"
#include "ui/form.h"
#include "ui/proportionallayout.h"

#include <QByteArray>
#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

// The start-up window and hub: lists the students, greets the one picked, and opens the
// other windows. Its list is where the rest of the program finds the current student.
class MainPortal : public Form
{
    Q_OBJECT
public:
    MainPortal();

    // The name picked in the student list; none before a pick and after a delete.
    std::optional<QByteArray> currentStudent() const;
    StudentList &students() { return m_students; }

protected:
    void Form_Unload() override;
    void Form_Resize() override;

private:
    void Form_Load();
    void Combo1_Click();
    void btnAddStduent_Click();
    void BtnDelStudent_Click();
    void Command1_Click();
    void Command2_Click();
    void Command4_Click();
    void setWindowButtonsEnabled(bool enabled);

    StudentList m_students;
    ProportionalLayout m_layout;

    QPushButton *Command5 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command4 = nullptr;
    QPushButton *BtnDelStudent = nullptr;
    QPushButton *btnAddStduent = nullptr;
    QComboBox *Combo1 = nullptr;
    QGroupBox *Frame1 = nullptr;
    QLabel *lblWelcome = nullptr;
    QLabel *Label1 = nullptr;
};
