// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gui/plugins/progresschartinterface.h"

#include <QObject>

// The chart library as a plug-in: what the report asks of it when Progress is pressed.
class ProgressChartPlugin : public QObject, public ProgressChartInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID PROGRESS_CHART_INTERFACE_IID)
    Q_INTERFACES(ProgressChartInterface)

public:
    void showProgressChart(const ProgressSeries &series, const QString &student,
                           QWidget *parent) override;
};
