// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "progressseries.h"

#include "core/records/history.h"
#include "recordindex.h"

#include <QByteArrayView>

#include <algorithm>
#include <limits>
#include <map>
#include <vector>

namespace {
constexpr qint64 MsecsPerDay = qint64(24) * 3600 * 1000;
// The levels an exercise is set at; a record of any other level was not written by one.
constexpr int FirstLevel = 1;
constexpr int LastLevel = 6;

// One result placed on the chart. Results are ordered and grouped by the wall-clock time
// as written, a plain number: turning each into a zoned moment is left to those shown.
struct Placed
{
    qint64 wallClock; // days and milliseconds as one count
    double score;
    std::optional<double> minutes;

    qint64 day() const { return wallClock / MsecsPerDay; }
};

// A moment the local zone skips (the hour lost to summer time) is placed just after it.
QDateTime moment(qint64 wallClock)
{
    const QDate date = QDate::fromJulianDay(wallClock / MsecsPerDay);
    const QTime time = QTime::fromMSecsSinceStartOfDay(int(wallClock % MsecsPerDay));
    const QDateTime local(date, time);
    return local.isValid() ? local : QDateTime(date, time, Qt::UTC).toLocalTime();
}

// The mean of each run of results that share a key (their moment, or their day), placed at
// `at(key)`; tells whether any run held more than one result.
template<class Key, class At>
QList<ProgressSeries::Point> means(const std::vector<Placed> &placed, Key key, At at, bool *merged)
{
    QList<ProgressSeries::Point> result;
    size_t i = 0;
    while (i < placed.size()) {
        const qint64 shared = key(placed[i]);
        double scores = 0;
        double minutes = 0;
        int count = 0;
        int timed = 0;
        for (; i < placed.size() && key(placed[i]) == shared; ++i) {
            scores += placed[i].score;
            ++count;
            if (placed[i].minutes) {
                minutes += *placed[i].minutes;
                ++timed;
            }
        }
        ProgressSeries::Point mean {moment(at(shared)), scores / count, std::nullopt};
        if (timed > 0) {
            mean.minutes = minutes / timed;
        }
        *merged = *merged || count > 1;
        result.append(mean);
    }
    return result;
}
} // namespace

std::optional<double> ProgressSeries::minutesOf(QByteArrayView speed)
{
    if (speed.size() != 8 || speed[2] != ':' || speed[5] != ':') {
        return std::nullopt;
    }
    const auto h = history::wholeNumber(speed.first(2), 2);
    const auto m = history::wholeNumber(speed.sliced(3, 2), 2);
    const auto s = history::wholeNumber(speed.sliced(6, 2), 2);
    if (!h || !m || !s || *m > 59 || *s > 59) {
        return std::nullopt;
    }
    return *h * 60.0 + *m + *s / 60.0;
}

ProgressSeries ProgressSeries::build(const RecordIndex &records, qsizetype maxPoints)
{
    ProgressSeries result;
    std::map<int, std::vector<Placed>> byLevel;
    records.forEachLine([&](QByteArrayView line) {
        const auto f = history::splitRecord(line);
        const auto when = f ? history::parseDateAndTime(f->date) : std::nullopt;
        const auto level = f ? history::wholeNumber(f->level, 2) : std::nullopt;
        const auto score = f ? history::wholeNumber(f->score, 3) : std::nullopt;
        if (!when || !level || *level < FirstLevel || *level > LastLevel || !score
            || *score > 100) {
            ++result.m_unplaced;
            return;
        }
        const qint64 wallClock
            = when->date.toJulianDay() * MsecsPerDay + when->time.msecsSinceStartOfDay();
        byLevel[*level].push_back({wallClock, double(*score), minutesOf(f->speed)});
    });
    // Two results of one day stand a few pixels apart on a chart of more than that day, joined
    // by a line that looks upright: then each day shows its mean. A chart of one day shows
    // each result at its time.
    qint64 firstDay = std::numeric_limits<qint64>::max();
    qint64 lastDay = std::numeric_limits<qint64>::min();
    bool sharedDays = false;
    for (auto &[level, placed] : byLevel) {
        std::stable_sort(placed.begin(), placed.end(), [](const Placed &a, const Placed &b) {
            return a.wallClock < b.wallClock;
        });
        firstDay = std::min(firstDay, placed.front().day());
        lastDay = std::max(lastDay, placed.back().day());
        sharedDays = sharedDays
            || std::adjacent_find(
                   placed.begin(), placed.end(),
                   [](const Placed &a, const Placed &b) { return a.day() == b.day(); })
                != placed.end();
    }
    for (auto &[level, placed] : byLevel) {
        Series s {level, {}};
        if (qsizetype(placed.size()) > maxPoints || (sharedDays && firstDay != lastDay)) {
            s.points = means(
                placed, [](const Placed &p) { return p.day(); },
                [](qint64 day) { return day * MsecsPerDay + MsecsPerDay / 2; },
                &result.m_dailyMeans);
        } else {
            // Results of one moment would stand one above the other: their mean stands for them.
            s.points = means(
                placed, [](const Placed &p) { return p.wallClock; },
                [](qint64 wallClock) { return wallClock; }, &result.m_sharedMoments);
        }
        result.m_series.append(std::move(s));
    }
    return result;
}
