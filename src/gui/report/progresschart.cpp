#include "progresschart.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateTimeAxis>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <type_traits>

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
    m_viewChoice->addItem(tr("Score"), int(View::Score));
    m_viewChoice->addItem(tr("Time taken"), int(View::TimeTaken));
    auto *showLabel = new QLabel(tr("&Show:"), this);
    showLabel->setBuddy(m_viewChoice);

    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("note"));
    m_note->setWordWrap(true);

    m_close = new QPushButton(tr("Close"), this);
    m_close->setObjectName(QStringLiteral("close"));
    m_close->setDefault(true);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(showLabel);
    bottom->addWidget(m_viewChoice);
    bottom->addWidget(m_note, 1);
    bottom->addWidget(m_close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_chartView, 1);
    layout->addLayout(bottom);

    connect(m_viewChoice, &QComboBox::currentIndexChanged, this, &ProgressChart::showView);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);

    if (m_series.isEmpty()) {
        m_note->setText(tr("No results yet: the chart fills in as exercises are checked."));
    } else if (m_series.dailyMeans()) {
        m_note->setText(tr("Each point is the mean of one day's results."));
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
    m_yAxis = new QValueAxis;
    m_yAxis->setLabelFormat(QStringLiteral("%d"));
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

void ProgressChart::showView()
{
    const bool scores = view() == View::Score;
    m_chart->setTitle(scores ? tr("Score by date") : tr("Time taken by date"));
    m_yAxis->setTitleText(scores ? tr("Score (%)") : tr("Time taken (minutes)"));

    qint64 first = std::numeric_limits<qint64>::max();
    qint64 last = std::numeric_limits<qint64>::min();
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
            const qint64 x = p.when.toMSecsSinceEpoch();
            first = std::min(first, x);
            last = std::max(last, x);
            highest = std::max(highest, *y);
            points.append(QPointF(double(x), *y));
        }
        m_lines.at(i)->replace(points);
    }

    constexpr qint64 Day = qint64(24) * 3600 * 1000;
    if (first > last) {
        // Nothing to place: a month up to today keeps the axes readable.
        last = QDateTime::currentDateTime().toMSecsSinceEpoch();
        first = last - 30 * Day;
    } else if (first == last) {
        first -= Day;
        last += Day;
    }
    m_xAxis->setRange(QDateTime::fromMSecsSinceEpoch(first), QDateTime::fromMSecsSinceEpoch(last));
    if (scores) {
        m_yAxis->setRange(0, 100);
    } else {
        m_yAxis->setRange(0, std::max(1.0, std::ceil(highest * 1.1)));
        m_yAxis->applyNiceNumbers();
    }
}
