// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "factswindow.h"

#include "core/print/tablepage.h"
#include "gui/base/placement.h"
#include "gui/seams/clock.h"
#include "tableprinting.h"

#include <QColor>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// Colours told apart with any colour vision (Okabe and Ito's), each state with a mark of its
// own besides: the colour helps, the mark tells.
class MasteryColours : public QIdentityProxyModel
{
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role != Qt::BackgroundRole && role != Qt::ForegroundRole) {
            return QIdentityProxyModel::data(index, role);
        }
        const auto mastery
            = facts::Mastery(QIdentityProxyModel::data(index, FactGridModel::MasteryRole).toInt());
        if (role == Qt::ForegroundRole) {
            return mastery == facts::Mastery::NeverSeen ? QVariant() : QColor(Qt::black);
        }
        switch (mastery) {
        case facts::Mastery::Quick:
            return QColor(0x56, 0xB4, 0xE9); // sky blue
        case facts::Mastery::Slow:
            return QColor(0xF0, 0xE4, 0x42); // yellow
        case facts::Mastery::WrongRecently:
            return QColor(0xE6, 0x9F, 0x00); // orange
        case facts::Mastery::NeverSeen:
            break;
        }
        return {};
    }
};

QString sumText(const AnswerRecord &r)
{
    return QStringLiteral("%1 + %2 = %3")
        .arg(r.first)
        .arg(r.second)
        .arg(r.answer.isEmpty() ? QStringLiteral("?") : QString::fromLatin1(r.answer));
}

constexpr int GridPage = 0;
constexpr int SlipsPage = 1;

} // namespace

// Meant to be resized, as the chart is: laid out by layouts rather than a design table.
FactsWindow::FactsWindow(facts::FactRecord record, const QString &student, qint64 unreadLines,
                         QWidget *parent)
    : QDialog(parent)
    , m_record(std::move(record))
    , m_student(student)
    , m_unreadLines(unreadLines)
{
    setWindowTitle(tr("Facts - %1").arg(student));
    m_cells.setRecord(m_record);

    m_levelChoice = new QComboBox(this);
    m_levelChoice->setObjectName(QStringLiteral("levelChoice"));
    m_levelChoice->setAccessibleDescription(tr("Choose the level whose sums are shown"));
    for (int level = 1; level <= 6; ++level) {
        m_levelChoice->addItem(tr("Level %1").arg(level), level);
    }
    auto *levelLabel = new QLabel(tr("&Level:"), this);
    levelLabel->setBuddy(m_levelChoice);

    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("factGrid"));
    m_grid->setAccessibleName(tr("Sums from 0 + 0 to 10 + 10"));
    m_grid->setAccessibleDescription(tr("Each sum marked by how well it is known"));
    auto *colours = new MasteryColours(this);
    colours->setSourceModel(&m_cells);
    m_grid->setModel(colours);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);

    m_slips = new QTableWidget(this);
    m_slips->setObjectName(QStringLiteral("slips"));
    m_slips->setAccessibleName(tr("Slips and sums most often missed"));
    m_slips->setAccessibleDescription(
        tr("The kinds of slip of the last sheets, each with an example"));
    m_slips->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_slips->verticalHeader()->hide();

    m_pages = new QStackedWidget(this);
    m_pages->insertWidget(GridPage, m_grid);
    m_pages->insertWidget(SlipsPage, m_slips);

    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("note"));
    m_note->setWordWrap(true);
    m_print = new QPushButton(tr("Print..."), this);
    m_print->setObjectName(QStringLiteral("print"));
    m_print->setAccessibleDescription(tr("Print this view or save it as PDF"));
    m_close = new QPushButton(tr("Close"), this);
    m_close->setObjectName(QStringLiteral("close"));
    m_close->setAccessibleDescription(tr("Close the facts and go back to the report"));
    m_close->setDefault(true);

    auto *top = new QHBoxLayout;
    top->addWidget(levelLabel);
    top->addWidget(m_levelChoice);
    top->addStretch(1);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_note, 1);
    bottom->addWidget(m_print);
    bottom->addWidget(m_close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_pages, 1);
    layout->addLayout(bottom);
    resize(560, 520);
    ui::fitToScreen(this);

    connect(m_levelChoice, &QComboBox::currentIndexChanged, this, &FactsWindow::showLevel);
    connect(m_print, &QPushButton::clicked, this, &FactsWindow::printView);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);

    // The lowest level the student has answered at, the first where there is none.
    const QList<int> levels = m_record.levels();
    setLevel(levels.isEmpty() ? 1 : levels.constFirst());
    showLevel();
}

int FactsWindow::level() const
{
    return m_levelChoice->currentData().toInt();
}

void FactsWindow::setLevel(int level)
{
    m_levelChoice->setCurrentIndex(m_levelChoice->findData(level));
}

QString FactsWindow::note() const
{
    return m_note->text();
}

QStringList FactsWindow::shownHeadings() const
{
    if (level() == 1) {
        QStringList headings {QStringLiteral("+")};
        for (int second = 0; second < facts::GridSize; ++second) {
            headings.append(QString::number(second));
        }
        return headings;
    }
    return {tr("Slip"), tr("Times"), tr("Latest example")};
}

QList<QStringList> FactsWindow::shownRows() const
{
    QList<QStringList> rows;
    if (level() == 1) {
        for (int first = 0; first < facts::GridSize; ++first) {
            QStringList row {QString::number(first)};
            for (int second = 0; second < facts::GridSize; ++second) {
                row.append(m_cells.index(first, second).data().toString());
            }
            rows.append(row);
        }
        return rows;
    }
    for (int r = 0; r < m_slips->rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < m_slips->columnCount(); ++c) {
            const QTableWidgetItem *item = m_slips->item(r, c);
            row.append(item ? item->text() : QString());
        }
        rows.append(row);
    }
    return rows;
}

void FactsWindow::showLevel()
{
    const int shown = level();
    // Lines of the record that are no answer are left out, and said so.
    const QString unread = m_unreadLines > 0
        ? QLatin1Char(' ') + tr("Lines not read: %1.").arg(m_unreadLines)
        : QString();
    if (shown == 1) {
        m_pages->setCurrentIndex(GridPage);
        m_note->setText(QStringLiteral("%1 %2   %3 %4   %5 %6   %7%8")
                            .arg(FactGridModel::mark(facts::Mastery::Quick),
                                 FactGridModel::describe(facts::Mastery::Quick),
                                 FactGridModel::mark(facts::Mastery::Slow),
                                 FactGridModel::describe(facts::Mastery::Slow),
                                 FactGridModel::mark(facts::Mastery::WrongRecently),
                                 FactGridModel::describe(facts::Mastery::WrongRecently),
                                 tr("blank: never seen"), unread));
        return;
    }
    m_pages->setCurrentIndex(SlipsPage);
    const QList<facts::Slip> slips = m_record.slips(shown);
    const QList<facts::Missed> missed = m_record.mostMissed(shown);
    m_slips->clear();
    m_slips->setColumnCount(3);
    m_slips->setHorizontalHeaderLabels(shownHeadings());
    m_slips->setRowCount(int(slips.size() + (missed.isEmpty() ? 0 : missed.size() + 1)));
    int row = 0;
    const auto put = [this, &row](const QStringList &cells) {
        for (int c = 0; c < cells.size(); ++c) {
            m_slips->setItem(row, c, new QTableWidgetItem(cells.at(c)));
        }
        ++row;
    };
    for (const facts::Slip &slip : slips) {
        put({errordiagnosis::describe(slip.kind), QString::number(slip.count),
             sumText(slip.example)});
    }
    if (!missed.isEmpty()) {
        put({tr("Sums most often missed"), tr("Missed"), tr("Answered")});
        for (const facts::Missed &m : missed) {
            put({QStringLiteral("%1 + %2").arg(m.fact.first).arg(m.fact.second),
                 QString::number(m.wrong), QString::number(m.answered)});
        }
    }
    m_slips->resizeColumnsToContents();
    m_note->setText((slips.isEmpty() ? tr("No wrong answers at this level in the last %n sheets.",
                                          nullptr, facts::RecentSheets)
                                     : tr("Wrong answers of the last %n sheets at this level.",
                                          nullptr, facts::RecentSheets))
                    + unread);
}

void FactsWindow::printView()
{
    tablepage::Table table;
    table.title
        = level() == 1 ? windowTitle() : tr("Facts - %1, level %2").arg(m_student).arg(level());
    table.subtitle = QLocale().toString(ui::now().date(), QLocale::LongFormat)
        + QStringLiteral("   ") + note();
    table.headings = shownHeadings();
    for (int c = 0; c < table.headings.size(); ++c) {
        table.columnWidths.append(level() == 1 ? 800 : c == 0 ? 4000 : c == 1 ? 1500 : 3000);
    }
    table.rows = shownRows();
    printOrSaveTable(this, table,
                     {table.title, tr("Do you want to save the facts as a PDF file instead?"),
                      tr("Save Facts"), tr("facts.pdf")});
}
