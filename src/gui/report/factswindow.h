// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/report/factgridmodel.h"
#include "core/report/facts.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class QStackedWidget;
class QTableView;
class QTableWidget;

// What one student knows, fact by fact: for the first level a grid of every sum from 0 + 0 to
// 10 + 10, each cell coloured and marked by its state; for the other levels the kinds of slip
// over the recent sheets, each with a real example, and the sums most often missed. Printed
// or saved as a PDF as shown. Shown modally from the report.
class FactsWindow : public QDialog
{
    Q_OBJECT
public:
    // `unreadLines`: lines of the student's record that are no answer.
    FactsWindow(facts::FactRecord record, const QString &student, qint64 unreadLines = 0,
                QWidget *parent = nullptr);

    int level() const;
    void setLevel(int level);
    QTableView *grid() const { return m_grid; }
    // The text under the view: the key to the grid, or what the level's answers hold.
    QString note() const;
    // The view as the printed page gives it.
    QList<QStringList> shownRows() const;
    QStringList shownHeadings() const;

private:
    void showLevel();
    void printView();

    facts::FactRecord m_record;
    QString m_student;
    qint64 m_unreadLines = 0;
    FactGridModel m_cells;
    QComboBox *m_levelChoice = nullptr;
    QStackedWidget *m_pages = nullptr;
    QTableView *m_grid = nullptr;
    QTableWidget *m_slips = nullptr;
    QLabel *m_note = nullptr;
    QPushButton *m_print = nullptr;
    QPushButton *m_close = nullptr;
};
