// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/report/progressseries.h"

#include <QDialog>

class QChart;
class QChartView;
class QDateTimeAxis;
class QLineSeries;
class QCategoryAxis;
class QComboBox;
class QLabel;
class QPushButton;

// A chart of one student's results over time, one line per level: the score, or the time
// each exercise took. Shown modally from the report.
class ProgressChart : public QDialog
{
    Q_OBJECT
public:
    enum class View { Score, TimeTaken };

    ProgressChart(ProgressSeries series, const QString &student, QWidget *parent = nullptr);

    QChart *chart() const { return m_chart; }
    View view() const;
    void setView(View view);
    // The text under the chart: why it is empty or what its points stand for.
    QString note() const;

private:
    void buildChart();
    void showView();
    void setValueTicks(double step, double top, bool asClock);

    ProgressSeries m_series;
    QChart *m_chart = nullptr;
    QDateTimeAxis *m_xAxis = nullptr;
    QCategoryAxis *m_yAxis = nullptr;
    QList<QLineSeries *> m_lines;
    QChartView *m_chartView = nullptr;
    QComboBox *m_viewChoice = nullptr;
    QLabel *m_note = nullptr;
    QPushButton *m_close = nullptr;
};
