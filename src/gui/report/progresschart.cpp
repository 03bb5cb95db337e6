// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "progresschart.h"

#include "gui/base/placement.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateTimeAxis>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <optional>

// Unlike the fixed windows this one is meant to be resized, so it is laid out by layouts
// rather than a design table.
ProgressChart::ProgressChart(ProgressSeries series, const QString &student, QWidget *parent)
    : QDialog(parent)
    , m_series(std::move(series))
    , m_chart(new QChart)
{
    setWindowTitle(tr("Progress - %1").arg(student));
    resize(800, 520);

    m_chartView = new QChartView(m_chart, this);
    m_chartView->setRenderHint(QPainter::Antialiasing);
    m_chart->legend()->setAlignment(Qt::AlignBottom);

    m_viewChoice = new QComboBox(this);
    m_viewChoice->setObjectName(QStringLiteral("viewChoice"));
    m_viewChoice->setAccessibleDescription(tr("Show the scores or the time taken"));
    m_viewChoice->addItem(tr("Score"), int(View::Score));
    m_viewChoice->addItem(tr("Time taken"), int(View::TimeTaken));
    auto *showLabel = new QLabel(tr("&Show:"), this);
    showLabel->setBuddy(m_viewChoice);

    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("note"));
    m_note->setWordWrap(true);

    m_close = new QPushButton(tr("Close"), this);
    m_close->setObjectName(QStringLiteral("close"));
    m_close->setAccessibleDescription(tr("Close the chart and go back to the report"));
    m_close->setDefault(true);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(showLabel);
    bottom->addWidget(m_viewChoice);
    bottom->addWidget(m_note, 1);
    bottom->addWidget(m_close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_chartView, 1);
    layout->addLayout(bottom);
    ui::fitToScreen(this);

    connect(m_viewChoice, &QComboBox::currentIndexChanged, this, &ProgressChart::showView);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);

    if (m_series.isEmpty()) {
        m_note->setText(tr("No results yet: the chart fills in as exercises are checked."));
    } else if (m_series.dailyMeans()) {
        m_note->setText(tr("Each point is the mean of one day's results."));
    } else if (m_series.sharedMoments()) {
        m_note->setText(tr("Results written with the same date and time are shown as their mean."));
    }
    if (m_series.unplaced() > 0) {
        const QString unplaced = tr("Not shown, as their date, level or score cannot be read: %1.")
                                     .arg(m_series.unplaced());
        m_note->setText(m_note->text().isEmpty() ? unplaced : m_note->text() + u' ' + unplaced);
    }
    buildChart();
    showView();
}

ProgressChart::View ProgressChart::view() const
{
    return View(m_viewChoice->currentData().toInt());
}

void ProgressChart::setView(View view)
{
    m_viewChoice->setCurrentIndex(m_viewChoice->findData(int(view)));
}

QString ProgressChart::note() const
{
    return m_note->text();
}

void ProgressChart::buildChart()
{
    m_xAxis = new QDateTimeAxis;
    m_xAxis->setTitleText(tr("Date"));
    m_xAxis->setFormat(QStringLiteral("dd/MM/yyyy"));
    m_yAxis = new QCategoryAxis;
    m_yAxis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    m_chart->addAxis(m_xAxis, Qt::AlignBottom);
    m_chart->addAxis(m_yAxis, Qt::AlignLeft);
    for (const ProgressSeries::Series &s : m_series.series()) {
        auto *line = new QLineSeries;
        line->setName(tr("Level %1").arg(s.level));
        line->setPointsVisible(true);
        m_chart->addSeries(line);
        line->attachAxis(m_xAxis);
        line->attachAxis(m_yAxis);
        m_lines.append(line);
    }
}

namespace {

// A time taken, given in minutes, as a clock shows it: "4:30", "1:05:00".
QString clockText(double minutes)
{
    const int seconds = int(std::lround(minutes * 60));
    const int h = seconds / 3600;
    const int m = seconds / 60 % 60;
    const QString ss = QStringLiteral("%1").arg(seconds % 60, 2, 10, QLatin1Char('0'));
    return h > 0 ? QStringLiteral("%1:%2:%3").arg(h).arg(m, 2, 10, QLatin1Char('0')).arg(ss)
                 : QStringLiteral("%1:%2").arg(m).arg(ss);
}

// Ticks on the time axis, in minutes: the first step that needs no more than eight of them.
double timeStep(double highest)
{
    constexpr double Steps[] = {0.25, 0.5, 1, 2, 5, 10, 15, 30, 60, 120, 300, 600};
    for (double step : Steps) {
        if (highest / step <= 8) {
            return step;
        }
    }
    return 1200;
}

} // namespace

// Labels stand on the values they name; a point on the first or last value keeps a margin of
// a quarter step, so that none is drawn half outside the plot.
void ProgressChart::setValueTicks(double step, double top, bool asClock)
{
    for (const QString &label : m_yAxis->categoriesLabels()) {
        m_yAxis->remove(label);
    }
    m_yAxis->setStartValue(-step / 4);
    for (double value = 0; value <= top + step / 8; value += step) {
        m_yAxis->append(asClock ? clockText(value) : QString::number(value), value);
    }
    m_yAxis->setRange(-step / 4, top + step / 4);
}

void ProgressChart::showView()
{
    const bool scores = view() == View::Score;
    m_chart->setTitle(scores ? tr("Score by date") : tr("Time taken by date"));
    m_yAxis->setTitleText(scores ? tr("Score (%)") : tr("Time taken (minutes:seconds)"));

    std::optional<QDate> first;
    std::optional<QDate> last;
    double highest = 0;
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const ProgressSeries::Series &s = m_series.series().at(i);
        QList<QPointF> points;
        points.reserve(s.points.size());
        for (const ProgressSeries::Point &p : s.points) {
            const std::optional<double> y = scores ? std::optional(p.score) : p.minutes;
            if (!y) {
                continue;
            }
            const QDate day = p.when.date();
            first = first ? std::min(*first, day) : day;
            last = last ? std::max(*last, day) : day;
            highest = std::max(highest, *y);
            points.append(QPointF(double(p.when.toMSecsSinceEpoch()), *y));
        }
        m_lines.at(i)->replace(points);
    }

    // From noon of the day before the first result to noon of the day after the last, a tick
    // at each noon while they fit: every date is named once, under its own results, and no
    // point stands on an edge. Nothing to place: the month up to today.
    if (!first) {
        last = QDate::currentDate();
        first = last->addDays(-30);
    }
    const QTime noon(12, 0);
    m_xAxis->setRange(QDateTime(first->addDays(-1), noon), QDateTime(last->addDays(1), noon));
    m_xAxis->setTickCount(int(std::min<qint64>(first->daysTo(*last) + 3, 9)));
    if (scores) {
        setValueTicks(20, 100, false);
    } else {
        const double step = timeStep(highest * 1.1);
        setValueTicks(step, std::max(step, std::ceil(highest * 1.1 / step) * step), true);
    }
}
