// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "studentlist.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <optional>

// What the windows of one run share: the folder the data files are in, the roster as the
// main menu lists it, and the student picked there. Made once by main() and handed to each
// window that needs it, so that no window has to find another to learn who is working.
class Session : public QObject
{
    Q_OBJECT
public:
    // The data files are reached by name in the working folder; the session remembers which
    // folder that was when it began.
    explicit Session(QObject *parent = nullptr);

    QString dataFolder() const { return m_dataFolder; }

    StudentList &students() { return m_students; }
    const StudentList &students() const { return m_students; }

    // The name picked in the main menu's list; none before a pick and after a delete.
    std::optional<QByteArray> currentStudent() const { return m_currentStudent; }
    void setCurrentStudent(const std::optional<QByteArray> &name) { m_currentStudent = name; }

private:
    QString m_dataFolder;
    StudentList m_students;
    std::optional<QByteArray> m_currentStudent;
};
