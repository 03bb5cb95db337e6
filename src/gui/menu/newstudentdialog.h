// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gui/base/controltable.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class Session;

// Asks for a new student's name, keeps it to upper-case letters and blanks, and adds the
// student: to the list, to the roster file, and with an empty history file.
class NewStudentDialog : public QDialog
{
    Q_OBJECT
public:
    explicit NewStudentDialog(Session &session, QWidget *parent = nullptr);

private:
    void keepNameAcceptable();
    void addStudent();

    Session &m_session;
    ui::FormControls m_controls;
    QString m_lastGoodName;
    bool m_inChange = false;

    QLineEdit *m_name = nullptr;
    QPushButton *m_cancel = nullptr;
    QPushButton *m_ok = nullptr;
};
