// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/report/progressseries.h"

#include <QtPlugin>

class QString;
class QWidget;

// The progress chart, a plug-in with Qt Charts that the report loads when a chart is first
// shown (see pluginloader.h).
class ProgressChartInterface
{
public:
    static constexpr char Library[] = "sumtrail_chart";

    virtual ~ProgressChartInterface() = default;
    // Shows the chart of one student's results modally over `parent`.
    virtual void showProgressChart(const ProgressSeries &series, const QString &student,
                                   QWidget *parent)
        = 0;
};

#define PROGRESS_CHART_INTERFACE_IID "org.example.sumtrail.ProgressChartInterface/1.0"
Q_DECLARE_INTERFACE(ProgressChartInterface, PROGRESS_CHART_INTERFACE_IID)
