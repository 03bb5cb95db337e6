// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "classwindow.h"

#include "core/print/tablepage.h"
#include "core/report/csvexport.h"
#include "gui/base/msgbox.h"
#include "gui/base/placement.h"
#include "gui/seams/clock.h"
#include "gui/seams/savedialog.h"
#include "tableprinting.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QVBoxLayout>

// Meant to be resized, as the chart is: laid out by layouts rather than a design table.
ClassWindow::ClassWindow(QList<classoverview::StudentSummary> students, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Class"));
    m_model.setSummaries(std::move(students));
    m_sorted.setSourceModel(&m_model);
    m_sorted.setSortRole(ClassOverviewModel::SortRole);

    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("classTable"));
    m_table->setAccessibleName(tr("Students of the class"));
    m_table->setAccessibleDescription(tr("One row for each student: sheets, scores and weak sums"));
    m_table->setModel(&m_sorted);
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(ClassOverviewModel::Student, Qt::AscendingOrder);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->resizeColumnsToContents();

    m_export = new QPushButton(tr("Export..."), this);
    m_export->setObjectName(QStringLiteral("export"));
    m_export->setAccessibleDescription(tr("Save the table as a CSV file"));
    m_print = new QPushButton(tr("Print..."), this);
    m_print->setObjectName(QStringLiteral("print"));
    m_print->setAccessibleDescription(tr("Print the table or save it as PDF"));
    m_close = new QPushButton(tr("Close"), this);
    m_close->setObjectName(QStringLiteral("close"));
    m_close->setAccessibleDescription(tr("Close the class overview and go back to the report"));
    m_close->setDefault(true);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_export);
    buttons->addWidget(m_print);
    buttons->addStretch(1);
    buttons->addWidget(m_close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_table, 1);
    layout->addLayout(buttons);
    // Wide enough for every column, within what the screen shows: a small screen scrolls.
    const QSize room = screen()->availableGeometry().size() * 9 / 10;
    resize(qBound(480, m_table->horizontalHeader()->length() + 40, room.width()),
           qMin(480, room.height()));
    ui::fitToScreen(this);

    connect(m_export, &QPushButton::clicked, this, &ClassWindow::exportTable);
    connect(m_print, &QPushButton::clicked, this, &ClassWindow::printTable);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
}

QList<QStringList> ClassWindow::shownRows() const
{
    QList<QStringList> rows;
    for (int r = 0; r < m_sorted.rowCount(); ++r) {
        const int source = m_sorted.mapToSource(m_sorted.index(r, 0)).row();
        QStringList cells;
        for (int c = 0; c < m_model.columnCount(); ++c) {
            cells.append(m_model.cellText(source, c));
        }
        rows.append(cells);
    }
    return rows;
}

void ClassWindow::exportTable()
{
    const QString path = ui::askSaveFileName(
        this, {tr("Export class"), tr("class.csv"), tr("CSV files (*.csv);;All files (*)")});
    if (path.isEmpty()) {
        return;
    }
    QList<classoverview::StudentSummary> shown;
    for (int r = 0; r < m_sorted.rowCount(); ++r) {
        shown.append(m_model.summaries().at(m_sorted.mapToSource(m_sorted.index(r, 0)).row()));
    }
    const FileResult written = csvexport::writeClass(path, shown);
    if (!written.ok) {
        ui::warn(this, written.message);
    }
}

void ClassWindow::printTable()
{
    tablepage::Table table;
    table.title = tr("Class report");
    table.subtitle = QLocale().toString(ui::now().date(), QLocale::LongFormat);
    for (int c = 0; c < m_model.columnCount(); ++c) {
        table.headings.append(ClassOverviewModel::headerText(c));
        table.columnWidths.append(c == ClassOverviewModel::Student ? 2000 : 750);
    }
    table.rows = shownRows();
    printOrSaveTable(this, table,
                     {table.title,
                      tr("Do you want to save the class report as a PDF file instead?"),
                      tr("Save Class Report"), tr("class.pdf")});
}
