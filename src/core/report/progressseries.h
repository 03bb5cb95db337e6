// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>
#include <QList>

#include <optional>

class RecordIndex;

// The points of a student's progress chart: one series per level, each point a result's
// moment with its score in percent and, when the time taken reads back, that time in
// minutes. Each series runs in order of time, whatever the order of the file, one point to
// a moment.
class ProgressSeries
{
public:
    struct Point
    {
        QDateTime when;
        double score = 0;
        std::optional<double> minutes;

        bool operator==(const Point &) const = default;
    };
    struct Series
    {
        int level = 0;
        QList<Point> points;

        bool operator==(const Series &) const = default;
    };

    // Past this many results of one level, or where a level has two results in a day and the
    // results span more than that day, each series shows one point per day, the day's means,
    // so that the chart stays readable and quick to draw.
    static constexpr qsizetype DefaultMaxPoints = 2000;

    static ProgressSeries build(const RecordIndex &records, qsizetype maxPoints = DefaultMaxPoints);

    // Ordered by level.
    const QList<Series> &series() const { return m_series; }
    bool isEmpty() const { return m_series.isEmpty(); }
    // Results that could not be placed: a date, level or score that does not read back, or
    // a level no exercise is set at (1 to 6).
    qsizetype unplaced() const { return m_unplaced; }
    // Whether some point is the mean of a day's results.
    bool dailyMeans() const { return m_dailyMeans; }
    // Whether some point is the mean of results written with the same moment.
    bool sharedMoments() const { return m_sharedMoments; }

    // The time taken, as hh:mm:ss, in minutes.
    static std::optional<double> minutesOf(QByteArrayView speed);

private:
    QList<Series> m_series;
    qsizetype m_unplaced = 0;
    bool m_dailyMeans = false;
    bool m_sharedMoments = false;
};
