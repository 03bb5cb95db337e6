// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/report/classoverview.h"

#include <QDialog>
#include <QSortFilterProxyModel>

class QPushButton;
class QTableView;

// Every student on the roster at a glance, for the teacher: work of the last week and month,
// the last sheet, the recent mean and trend at each level, the weak facts. Sorted by any
// column with a click on its heading; exported for a spreadsheet and printed on one page, in
// the order shown. Shown modally from the report.
class ClassWindow : public QDialog
{
    Q_OBJECT
public:
    explicit ClassWindow(QList<classoverview::StudentSummary> students, QWidget *parent = nullptr);

    QTableView *table() const { return m_table; }
    // The cells as shown, row by row in the order shown.
    QList<QStringList> shownRows() const;

private:
    void exportTable();
    void printTable();

    ClassOverviewModel m_model;
    QSortFilterProxyModel m_sorted;
    QTableView *m_table = nullptr;
    QPushButton *m_export = nullptr;
    QPushButton *m_print = nullptr;
    QPushButton *m_close = nullptr;
};
