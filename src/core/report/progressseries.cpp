#include "progressseries.h"

#include "core/records/history.h"
#include "recordindex.h"

#include <QByteArrayView>

#include <algorithm>
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

QList<ProgressSeries::Point> meansByDay(const std::vector<Placed> &placed)
{
    QList<ProgressSeries::Point> result;
    size_t i = 0;
    while (i < placed.size()) {
        const qint64 day = placed[i].day();
        double scores = 0;
        double minutes = 0;
        int count = 0;
        int timed = 0;
        for (; i < placed.size() && placed[i].day() == day; ++i) {
            scores += placed[i].score;
            ++count;
            if (placed[i].minutes) {
                minutes += *placed[i].minutes;
                ++timed;
            }
        }
        ProgressSeries::Point mean {moment(day * MsecsPerDay + MsecsPerDay / 2), scores / count,
                                    std::nullopt};
        if (timed > 0) {
            mean.minutes = minutes / timed;
        }
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
    for (auto &[level, placed] : byLevel) {
        std::stable_sort(placed.begin(), placed.end(), [](const Placed &a, const Placed &b) {
            return a.wallClock < b.wallClock;
        });
        Series s {level, {}};
        if (qsizetype(placed.size()) > maxPoints) {
            s.points = meansByDay(placed);
            result.m_dailyMeans = true;
        } else {
            s.points.reserve(qsizetype(placed.size()));
            for (const Placed &p : placed) {
                s.points.append({moment(p.wallClock), p.score, p.minutes});
            }
        }
        result.m_series.append(std::move(s));
    }
    return result;
}
