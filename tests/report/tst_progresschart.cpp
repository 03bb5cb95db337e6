// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/report/progressseries.h"
#include "core/report/recordindex.h"
#include "gui/report/progresschart.h"
#include "support/testsupport.h"

#include <QCategoryAxis>
#include <QChart>
#include <QComboBox>
#include <QDateTimeAxis>
#include <QLabel>
#include <QLineSeries>
#include <QTest>

#include <optional>

namespace {
ProgressSeries seriesOf(const QByteArray &history,
                        qsizetype maxPoints = ProgressSeries::DefaultMaxPoints)
{
    RecordIndex records;
    records.setContent(history);
    return ProgressSeries::build(records, maxPoints);
}

double at(int month, int day, int hour, int minute = 0)
{
    return double(QDateTime(QDate(2026, month, day), QTime(hour, minute)).toMSecsSinceEpoch());
}

// Two levels out of order; one result's time does not read back, one is not a result.
const QByteArray History = "12/3/2026 9:00:00 AM#3#80#00:04:30\r\n"
                           "12/1/2026 9:00:00 AM#1#50#00:10:30\r\n"
                           "12/2/2026 9:00:00 AM#1#75#00:06:00\r\n"
                           "12/5/2026 9:00:00 AM#1#100#00:60:00\r\n"
                           "12/4/2026 9:00:00 AM#3#90#00:19:30\r\n"
                           "someday#1#100#00:01:00\r\n";
} // namespace

// What the progress chart shows a teacher: a line per level, the score or the time taken
// on the y axis as chosen below the chart, and a note when points are not single results.
class tst_progresschart : public QObject
{
    Q_OBJECT
    std::optional<testsupport::WorkDir> m_dir;
    std::optional<ProgressChart> m_chart;

    // The points each line shows, by its name in the legend.
    QMap<QString, QList<QPointF>> lines() const
    {
        QMap<QString, QList<QPointF>> shown;
        for (QAbstractSeries *s : m_chart->chart()->series()) {
            shown.insert(s->name(), qobject_cast<QLineSeries *>(s)->points());
        }
        return shown;
    }
    QCategoryAxis *yAxis() const
    {
        return qobject_cast<QCategoryAxis *>(m_chart->chart()->axes(Qt::Vertical).value(0));
    }
    QDateTimeAxis *xAxis() const
    {
        return qobject_cast<QDateTimeAxis *>(m_chart->chart()->axes(Qt::Horizontal).value(0));
    }
    std::pair<double, double> timeSpan() const
    {
        return {double(xAxis()->min().toMSecsSinceEpoch()),
                double(xAxis()->max().toMSecsSinceEpoch())};
    }
    // The dates under the ticks, as the axis writes them.
    QStringList dateLabels() const
    {
        const auto [min, max] = timeSpan();
        QStringList labels;
        for (int i = 0; i < xAxis()->tickCount(); ++i) {
            const double at = min + (max - min) * i / (xAxis()->tickCount() - 1);
            labels.append(QDateTime::fromMSecsSinceEpoch(qint64(at)).toString(xAxis()->format()));
        }
        return labels;
    }
    void show(ProgressSeries series)
    {
        m_chart.emplace(std::move(series), QStringLiteral("ANN"));
        m_chart->show();
        QVERIFY(QTest::qWaitForWindowExposed(&*m_chart));
    }

private slots:
    void init() { m_dir.emplace(); }
    void cleanup()
    {
        m_chart.reset();
        QVERIFY(testsupport::closeEveryWindow());
        m_dir.reset();
    }

    // Scores first; the time taken chosen from the keyboard below the chart.
    void scoresOrTimesOnALinePerLevel()
    {
        show(seriesOf(History));
        auto *choice = m_chart->findChild<QComboBox *>("viewChoice");
        QCOMPARE(yAxis()->titleText(), QStringLiteral("Score (%)"));
        QCOMPARE(yAxis()->categoriesLabels(), QStringList({"0", "20", "40", "60", "80", "100"}));
        QCOMPARE(lines(),
                 (QMap<QString, QList<QPointF>> {
                     {"Level 1", {{at(12, 1, 9), 50}, {at(12, 2, 9), 75}, {at(12, 5, 9), 100}}},
                     {"Level 3", {{at(12, 3, 9), 80}, {at(12, 4, 9), 90}}}}));
        QCOMPARE(timeSpan(), std::pair(at(11, 30, 12), at(12, 6, 12)));
        QCOMPARE(dateLabels(),
                 QStringList({"30/11/2026", "01/12/2026", "02/12/2026", "03/12/2026", "04/12/2026",
                              "05/12/2026", "06/12/2026"}));

        choice->setFocus();
        QTest::keyClick(choice, Qt::Key_Down);
        QCOMPARE(yAxis()->titleText(), QStringLiteral("Time taken (minutes:seconds)"));
        // 12/5, whose time reads 60 minutes, has no place: the dates end at the last timed one.
        QCOMPARE(lines(),
                 (QMap<QString, QList<QPointF>> {
                     {"Level 1", {{at(12, 1, 9), 10.5}, {at(12, 2, 9), 6}}},
                     {"Level 3", {{at(12, 3, 9), 4.5}, {at(12, 4, 9), 19.5}}}}));
        QCOMPARE(timeSpan(), std::pair(at(11, 30, 12), at(12, 5, 12)));
        // Read as a clock reads, with room above the longest time.
        QCOMPARE(yAxis()->categoriesLabels(),
                 QStringList({"0:00", "5:00", "10:00", "15:00", "20:00", "25:00"}));
    }

    // A class's first day: sheets at their times of day, two written without a time as their
    // mean; each date named once, no point on an edge, times read as a clock reads.
    void aFewSheetsReadAtAGlance()
    {
        show(seriesOf("12/1/2026 9:00:00 AM#1#50#00:00:40\r\n"
                      "12/1/2026 3:00:00 PM#1#100#00:01:10\r\n"
                      "12/1/2026#1#70#00:00:30\r\n"
                      "12/1/2026#1#90#00:00:50\r\n"));
        QCOMPARE(lines().value("Level 1"),
                 (QList<QPointF> {{at(12, 1, 0), 80}, {at(12, 1, 9), 50}, {at(12, 1, 15), 100}}));
        QCOMPARE(m_chart->note(),
                 "Results written with the same date and time are shown as their mean.");
        QCOMPARE(dateLabels(), QStringList({"30/11/2026", "01/12/2026", "02/12/2026"}));
        for (const auto view : {ProgressChart::View::Score, ProgressChart::View::TimeTaken}) {
            m_chart->setView(view);
            const auto [min, max] = timeSpan();
            for (const QPointF &p : lines().value("Level 1")) {
                QVERIFY(p.x() > min && p.x() < max);
                QVERIFY(p.y() > yAxis()->min() && p.y() < yAxis()->max());
            }
        }
        QCOMPARE(yAxis()->categoriesLabels(),
                 QStringList({"0:00", "0:15", "0:30", "0:45", "1:00", "1:15", "1:30"}));
    }

    // The note beside the view's choice says what the points are, and why some are missing.
    void saysWhatItsPointsAre()
    {
        show(seriesOf("12/1/2026 9:00:00 AM#1#50#00:10:00\r\n12/1/2026 3:00:00 PM#1#70#00:20:00\r\n"
                      "12/2/2026#9#50#00:01:00\r\n",
                      1));
        QCOMPARE(m_chart->findChild<QLabel *>("note")->text(),
                 "Each point is the mean of one day's results. Not shown, as their date, level or "
                 "score cannot be read: 1.");
    }
};

QTEST_MAIN(tst_progresschart)
#include "tst_progresschart.moc"
