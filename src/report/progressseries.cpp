#include "progressseries.h"

#include "recordindex.h"

#include <QByteArrayView>

#include <algorithm>
#include <map>

namespace {
// A whole number of at most maxDigits decimal digits, nothing else.
std::optional<int> wholeNumber(QByteArrayView text, qsizetype maxDigits)
{
    if (text.isEmpty() || text.size() > maxDigits) {
        return std::nullopt;
    }
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

// A moment the local zone skips (the hour lost to summer time) is placed just after it.
QDateTime placeable(const QDateTime &when)
{
    if (when.isValid()) {
        return when;
    }
    return QDateTime(when.date(), when.time(), Qt::UTC).toLocalTime();
}

struct Placed
{
    qint64 msecs;
    ProgressSeries::Point point;
};

QList<ProgressSeries::Point> meansByDay(const std::vector<Placed> &placed)
{
    QList<ProgressSeries::Point> result;
    qsizetype i = 0;
    while (i < qsizetype(placed.size())) {
        const QDate day = placed[size_t(i)].point.when.date();
        double scores = 0;
        double minutes = 0;
        int count = 0;
        int timed = 0;
        for (; i < qsizetype(placed.size()) && placed[size_t(i)].point.when.date() == day; ++i) {
            const auto &p = placed[size_t(i)].point;
            scores += p.score;
            ++count;
            if (p.minutes) {
                minutes += *p.minutes;
                ++timed;
            }
        }
        ProgressSeries::Point mean {QDateTime(day, QTime(12, 0)), scores / count, std::nullopt};
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
    const auto h = wholeNumber(speed.first(2), 2);
    const auto m = wholeNumber(speed.sliced(3, 2), 2);
    const auto s = wholeNumber(speed.sliced(6, 2), 2);
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
        const auto r = history::parseRecord(line);
        const auto when = r ? history::parseDate(r->Date) : std::nullopt;
        const auto level = r ? wholeNumber(r->Level, 2) : std::nullopt;
        const auto score = r ? wholeNumber(r->Score, 3) : std::nullopt;
        if (!when || !level || !score || *score > 100) {
            ++result.m_unplaced;
            return;
        }
        const QDateTime at = placeable(*when);
        byLevel[*level].push_back(
            {at.toMSecsSinceEpoch(), {at, double(*score), minutesOf(r->Speed)}});
    });
    for (auto &[level, placed] : byLevel) {
        std::stable_sort(placed.begin(), placed.end(),
                         [](const Placed &a, const Placed &b) { return a.msecs < b.msecs; });
        Series s {level, {}};
        if (qsizetype(placed.size()) > maxPoints) {
            s.points = meansByDay(placed);
            result.m_dailyMeans = true;
        } else {
            s.points.reserve(qsizetype(placed.size()));
            for (const Placed &p : placed) {
                s.points.append(p.point);
            }
        }
        result.m_series.append(std::move(s));
    }
    return result;
}
