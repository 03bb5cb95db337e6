// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gui/base/form.h"
#include "gui/base/proportionallayout.h"

#include <QByteArray>
#include <QPointer>
#include <QTimer>

#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class Session;

// The start-up window and hub: lists the students, greets the one picked, and opens the
// other windows. It keeps the session's current student in step with its list, and owns
// the windows it opens: closing the menu closes them.
class MainMenu : public Form
{
    Q_OBJECT
public:
    explicit MainMenu(Session &session);
    ~MainMenu() override;

    // The session main() gave the menu; the menu does not own it.
    Session &session() const { return m_session; }

protected:
    void aboutToClose() override;
    void scaleControls() override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void loadRoster();
    void pickStudent();
    void addStudent();
    void deleteStudent();
    void startExercise();
    void openPrintWindow();
    void openReport();
    void setWindowButtonsEnabled(bool enabled);
    void rereadRosterIfChanged();
    // Lists the roster as read, keeping the student picked where still listed.
    void showRoster(const QList<QByteArray> &names);
    void keepPick(const std::optional<QByteArray> &picked);
    void noteCurrentStudent();

    static constexpr int RosterCheckMs = 3000;

    Session &m_session;
    QByteArray m_rosterStamp; // the roster file as last read, to see another program's change
    QString m_rosterProblem; // the last read problem shown
    QTimer m_rosterCheck;
    ProportionalLayout m_layout;

    // The windows opened from here, while they are open.
    QPointer<Form> m_exercise;
    QPointer<Form> m_report;
    QPointer<Form> m_print;

    QPushButton *m_exit = nullptr;
    QPushButton *m_printExercise = nullptr;
    QPushButton *m_startExercise = nullptr;
    QPushButton *m_reports = nullptr;
    QPushButton *m_deleteStudent = nullptr;
    QPushButton *m_addStudent = nullptr;
    QComboBox *m_studentCombo = nullptr;
    QGroupBox *m_studentFrame = nullptr;
    QLabel *m_welcome = nullptr;
    QLabel *m_studentCaption = nullptr;
};
