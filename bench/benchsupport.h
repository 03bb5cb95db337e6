// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Shared ground for the benchmarks: the machine they ran on, medians, and measurements
// taken in a child process of their own so that each one's peak memory is its own.
namespace bench {

// CPU model, logical CPUs and Qt version, for the head of a benchmark's output.
QString machineDescription();

double median(QList<double> values);

// Resident memory of this process now and at its highest so far, in bytes.
qint64 residentBytes();
qint64 peakResidentBytes();

struct Measurement
{
    double seconds = 0;
    qint64 peakGrowthBytes = 0; // highest resident memory less that before the timed part
    // Processor time the process spent in the timed part, all its threads together: on a
    // machine shared with other work it shows what the wall time would be on an idle one.
    double cpuSeconds = 0;
};

// How a child reports its measurement on standard output, and how the parent reads it.
void reportMeasurement(const Measurement &m);
// Runs this same program with the given arguments; nothing when the child fails.
std::optional<Measurement> measureInChild(const QStringList &arguments);

// The medians of several runs of one child measurement.
struct Summary
{
    double seconds = 0;
    qint64 peakGrowthBytes = 0;
    double cpuSeconds = 0;
};
std::optional<Summary> medianOfRuns(const QStringList &arguments, int runs);

// Processor time used by this process so far, all threads together.
double processCpuSeconds();
// The load average over the last minute, to tell how busy the machine was.
double loadAverage();

// The number of runs, `defaultRuns` or as `--runs N` gives it; nothing, after saying how the
// program is used, when the arguments are wrong.
std::optional<int> runsFromArguments(int defaultRuns);

QString megabytes(qint64 bytes);
QString milliseconds(double seconds, int decimals = 1);
QString nanoseconds(double seconds);

} // namespace bench
