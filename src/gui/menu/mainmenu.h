#pragma once

#include "core/records/studentlist.h"
#include "gui/base/form.h"
#include "gui/base/proportionallayout.h"

#include <QByteArray>
#include <QTimer>
#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

// The start-up window and hub: lists the students, greets the one picked, and opens the
// other windows. Its list is where the rest of the program finds the current student.
class MainMenu : public Form
{
    Q_OBJECT
public:
    MainMenu();

    // The name picked in the student list; none before a pick and after a delete.
    std::optional<QByteArray> currentStudent() const;
    StudentList &students() { return m_students; }

protected:
    void Form_Unload() override;
    void Form_Resize() override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load();
    void Combo1_Click();
    void btnAddStduent_Click();
    void BtnDelStudent_Click();
    void Command1_Click();
    void Command2_Click();
    void Command4_Click();
    void setWindowButtonsEnabled(bool enabled);
    void rereadRosterIfChanged();
    // Lists the roster as read, keeping the student picked where still listed.
    void showRoster(const QList<QByteArray> &names);
    void keepPick(const std::optional<QByteArray> &picked);

    static constexpr int RosterCheckMs = 3000;

    StudentList m_students;
    QByteArray m_rosterStamp; // the roster file as last read, to see another program's change
    QString m_rosterProblem; // the last read problem shown
    QTimer m_rosterCheck;
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
