#pragma once

#include "core/report/progressseries.h"

class QString;
class QWidget;

// The progress chart lives in the library sumtrail_chart, with Qt Charts, loaded when a
// chart is first shown (see ui/ondemandlibrary.h).
namespace progresschartentry {
inline constexpr char Library[] = "sumtrail_chart";
inline constexpr char Show[] = "sumtrailShowProgressChart";
// Shows the chart of one student's results modally over `parent`.
using ShowFunction = void(const ProgressSeries &series, const QString &student, QWidget *parent);
} // namespace progresschartentry
