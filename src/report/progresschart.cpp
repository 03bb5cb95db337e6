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
        const QString unplaced
            = tr("%n result(s) with a date, level or score that cannot be read are not shown.",
                 nullptr, int(std::min<qsizetype>(m_series.unplaced(), INT_MAX)));
        m_note->setText(m_note->text().isEmpty() ? unplaced : m_note->text() + u' ' + unplaced);
    }
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

void ProgressChart::showView()
{
    const bool scores = view() == View::Score;
    m_chart->removeAllSeries();
    for (QAbstractAxis *axis : m_chart->axes()) {
        m_chart->removeAxis(axis);
        delete axis;
    }
    m_chart->setTitle(scores ? tr("Score by date") : tr("Time taken by date"));

    auto *xAxis = new QDateTimeAxis;
    xAxis->setTitleText(tr("Date"));
    xAxis->setFormat(QStringLiteral("dd/MM/yyyy"));
    auto *yAxis = new QValueAxis;
    yAxis->setTitleText(scores ? tr("Score (%)") : tr("Time taken (minutes)"));
    yAxis->setLabelFormat(QStringLiteral("%d"));
    m_chart->addAxis(xAxis, Qt::AlignBottom);
    m_chart->addAxis(yAxis, Qt::AlignLeft);

    qint64 first = std::numeric_limits<qint64>::max();
    qint64 last = std::numeric_limits<qint64>::min();
    double highest = 0;
    for (const ProgressSeries::Series &s : m_series.series()) {
        auto *line = new QLineSeries;
        line->setName(tr("Level %1").arg(s.level));
        line->setPointsVisible(true);
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
        line->replace(points);
        m_chart->addSeries(line);
        line->attachAxis(xAxis);
        line->attachAxis(yAxis);
    }

    if (first > last) {
        // Nothing to place: a month up to today keeps the axes readable.
        last = QDateTime::currentDateTime().toMSecsSinceEpoch();
        first = last - qint64(30) * 24 * 3600 * 1000;
    } else if (first == last) {
        const qint64 day = qint64(24) * 3600 * 1000;
        first -= day;
        last += day;
    }
    xAxis->setRange(QDateTime::fromMSecsSinceEpoch(first), QDateTime::fromMSecsSinceEpoch(last));
    if (scores) {
        yAxis->setRange(0, 100);
    } else {
        yAxis->setRange(0, std::max(1.0, std::ceil(highest * 1.1)));
    }
    yAxis->applyNiceNumbers();
}
