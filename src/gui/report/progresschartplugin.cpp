// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "progresschartplugin.h"

#include "progresschart.h"

void ProgressChartPlugin::showProgressChart(const ProgressSeries &series, const QString &student,
                                            QWidget *parent)
{
    ProgressChart chart(series, student, parent);
    chart.exec();
}
