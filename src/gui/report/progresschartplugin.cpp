#include "progresschartplugin.h"

#include "progresschart.h"

void ProgressChartPlugin::showProgressChart(const ProgressSeries &series, const QString &student,
                                            QWidget *parent)
{
    ProgressChart chart(series, student, parent);
    chart.exec();
}
