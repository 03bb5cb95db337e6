// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reportwindow.h"

#include "classwindow.h"
#include "core/records/answerlog.h"
#include "core/records/history.h"
#include "core/records/session.h"
#include "core/records/studentlist.h"
#include "core/report/csvexport.h"
#include "factswindow.h"
#include "gui/base/busycursor.h"
#include "gui/base/msgbox.h"
#include "gui/plugins/pluginloader.h"
#include "gui/plugins/progresschartinterface.h"
#include "gui/seams/clock.h"
#include "gui/seams/savedialog.h"
#include "linelistview.h"

#include <QLabel>
#include <QPushButton>

#include <optional>

namespace {
using namespace ui;
using K = ControlKind;

constexpr FontSpec CourierNew {"Courier New", 14.25, false};

// clang-format off
const ControlSpec Design[] = {
    {.name = "Command1", .kind = K::Button, .caption = QT_TRANSLATE_NOOP("ReportWindow", "Main Menu"),
     .left = 3720, .top = 7200, .width = 3615, .height = 975, .font = arial(14.25, true),
     .tabIndex = 2, .accessibleDescription = QT_TRANSLATE_NOOP("ReportWindow", "Close the report")},
    {.name = "List1", .kind = K::ListBox, .left = 720, .top = 1200, .width = 9735, .height = 5415,
     .font = CourierNew, .fore = colours::LightPink, .back = colours::DarkPurple, .tabIndex = 0,
     .accessibleName = QT_TRANSLATE_NOOP("ReportWindow", "Results"),
     .accessibleDescription =
         QT_TRANSLATE_NOOP("ReportWindow", "One line per checked exercise: date, level, score, time")},
    {.name = "lblstudent", .kind = K::Label, .caption = QT_TRANSLATE_NOOP("ReportWindow", "Student"),
     .left = 720, .top = 360, .width = 9735, .height = 375, .font = sansSerif(18, true),
     .tabIndex = 1, .accessibleName = QT_TRANSLATE_NOOP("ReportWindow", "Student")},
    // The chart and the export stand on the free strip beside "Main Menu", after it in
    // the tab order.
    {.name = "cmdProgress", .kind = K::Button, .caption = QT_TRANSLATE_NOOP("ReportWindow", "Progress"),
     .left = 7560, .top = 7380, .width = 1380, .height = 615, .font = arial(12), .tabIndex = 3,
     .accessibleDescription = QT_TRANSLATE_NOOP("ReportWindow", "Show a chart of the scores")},
    {.name = "cmdExport", .kind = K::Button, .caption = QT_TRANSLATE_NOOP("ReportWindow", "Export..."),
     .left = 9075, .top = 7380, .width = 1380, .height = 615, .font = arial(12), .tabIndex = 4,
     .accessibleDescription =
         QT_TRANSLATE_NOOP("ReportWindow", "Save the results as a file of comma-separated values")},
    // The class overview and the fact view stand on the free strip left of "Main Menu".
    {.name = "cmdFacts", .kind = K::Button, .caption = QT_TRANSLATE_NOOP("ReportWindow", "Facts"),
     .left = 720, .top = 7380, .width = 1380, .height = 615, .font = arial(12), .tabIndex = 5,
     .accessibleDescription =
         QT_TRANSLATE_NOOP("ReportWindow", "Show which sums the student knows, fact by fact")},
    {.name = "cmdClass", .kind = K::Button, .caption = QT_TRANSLATE_NOOP("ReportWindow", "Class"),
     .left = 2175, .top = 7380, .width = 1380, .height = 615, .font = arial(12), .tabIndex = 6,
     .accessibleDescription =
         QT_TRANSLATE_NOOP("ReportWindow", "Show every student of the class at a glance")},
};
// clang-format on
} // namespace

ReportWindow::ReportWindow(const Session &session)
    : m_session(session)
{
    setWindowTitle(tr("Report"));
    setClientSizeTwips(12000, 8610);
    for (const ControlSpec &row : Design) {
        // The list is a line list: it places a million lines as fast as ten.
        if (row.kind == K::ListBox) {
            controls().adopt(row, new LineListView);
        } else {
            controls().create(row);
        }
    }
    controls().applyTabOrder();
    m_close = controls().get<QPushButton>("Command1");
    m_results = controls().get<LineListView>("List1");
    m_studentLabel = controls().get<QLabel>("lblstudent");
    m_progress = controls().get<QPushButton>("cmdProgress");
    m_export = controls().get<QPushButton>("cmdExport");
    m_class = controls().get<QPushButton>("cmdClass");
    m_facts = controls().get<QPushButton>("cmdFacts");

    // Whole-pixel character cells, as the columns were designed for: with fractional ones
    // the 57-character heading no longer fits the list's width.
    QFont cells = m_results->font();
    cells.setHintingPreference(QFont::PreferFullHinting);
    m_results->setFont(cells);
    m_results->setModel(&m_lines);
    // First in the tab order, so it has the focus when the window opens.
    m_results->setFocus();

    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
    connect(m_progress, &QPushButton::clicked, this, &ReportWindow::showProgressChart);
    connect(m_export, &QPushButton::clicked, this, &ReportWindow::exportResults);
    connect(m_class, &QPushButton::clicked, this, &ReportWindow::showClass);
    connect(m_facts, &QPushButton::clicked, this, &ReportWindow::showFacts);

    loadResults(session);
}

void ReportWindow::loadResults(const Session &session)
{
    m_student = session.currentStudent().value_or(QByteArray());
    m_studentLabel->setText(tr("Student : ") + StudentList::displayName(m_student));
    // A name that would reach outside the working directory names no history file here.
    if (!m_student.isEmpty() && history::isSafeStudentName(m_student)) {
        if (const QString problem = m_lines.load(history::fileNameFor(m_student));
            !problem.isEmpty()) {
            ui::warn(this, problem);
        }
    }
}

void ReportWindow::showProgressChart()
{
    std::optional<ui::BusyCursor> busy(std::in_place);
    const ProgressSeries series = ProgressSeries::build(m_lines.records());
    ProgressChartInterface *chart = plugins::load<ProgressChartInterface>(this);
    busy.reset();
    if (chart) {
        chart->showProgressChart(series, StudentList::displayName(m_student), this);
    }
}

void ReportWindow::exportResults()
{
    const QString path
        = ui::askSaveFileName(this,
                              {tr("Export results"), csvexport::fileNameFor(m_student),
                               tr("CSV files (*.csv);;All files (*)")});
    if (path.isEmpty()) {
        return;
    }
    const FileResult written = [&] {
        ui::BusyCursor busy;
        return csvexport::write(path, m_lines.records(), m_student);
    }();
    if (!written.ok) {
        ui::warn(this, written.message);
    }
}

void ReportWindow::showClass()
{
    std::optional<ui::BusyCursor> busy(std::in_place);
    const QDate today = ui::now().date();
    QList<classoverview::StudentSummary> students;
    for (const QByteArray &name : m_session.students().names()) {
        classoverview::StudentSummary summary = classoverview::summarize(name, today);
        if (history::isSafeStudentName(name)) {
            facts::FactRecord recent;
            answerlog::forEachRecord(
                answerlog::fileNameFor(name), [&recent](const AnswerRecord &r) { recent.add(r); },
                classoverview::RecentAnswerBytes);
            summary.weakFacts = int(recent.weakFacts().size());
        }
        students.append(summary);
    }
    ClassWindow window(std::move(students), this);
    busy.reset();
    window.exec();
}

void ReportWindow::showFacts()
{
    std::optional<ui::BusyCursor> busy(std::in_place);
    facts::FactRecord record;
    qint64 unread = 0;
    if (!m_student.isEmpty() && history::isSafeStudentName(m_student)) {
        // Folded as it is read: a long record is never held whole.
        const answerlog::Read read = answerlog::forEachRecord(
            answerlog::fileNameFor(m_student), [&record](const AnswerRecord &r) { record.add(r); });
        if (!read.error.isEmpty()) {
            busy.reset();
            ui::warn(this, read.error);
            busy.emplace();
        }
        unread = read.skipped;
    }
    FactsWindow window(std::move(record), StudentList::displayName(m_student), unread, this);
    busy.reset();
    window.exec();
}
