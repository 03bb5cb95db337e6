// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/report/reportmodel.h"
#include "gui/base/form.h"

#include <QByteArray>

class QLabel;
class LineListView;
class QPushButton;
class Session;

// Lists the session's current student's results under a column heading, as they stood
// when the window opened; also charts them, exports them for a spreadsheet and shows the
// whole class at a glance. Only reads.
class ReportWindow : public Form
{
    Q_OBJECT
public:
    explicit ReportWindow(const Session &session);

private:
    void loadResults(const Session &session);
    void showProgressChart();
    void exportResults();
    void showClass();
    void showFacts();

    const Session &m_session;

    QByteArray m_student;
    ReportModel m_lines;

    QPushButton *m_close = nullptr;
    LineListView *m_results = nullptr;
    QLabel *m_studentLabel = nullptr;
    QPushButton *m_progress = nullptr;
    QPushButton *m_export = nullptr;
    QPushButton *m_class = nullptr;
    QPushButton *m_facts = nullptr;
};
