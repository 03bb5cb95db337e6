#include "report/progresschart.h"
#include "report/recordindex.h"
#include "support/testsupport.h"

#include <QChart>
#include <QComboBox>
#include <QLineSeries>
#include <QValueAxis>
#include <QtTest>

static ProgressSeries seriesOf(const QByteArray &content)
{
    RecordIndex records;
    records.setContent(content);
    return ProgressSeries::build(records);
}

static qreal msecs(int month, int day, int hour, int minute)
{
    return qreal(QDateTime(QDate(2026, month, day), QTime(hour, minute)).toMSecsSinceEpoch());
}

static QLineSeries *line(const QChart *chart, int i)
{
    return qobject_cast<QLineSeries *>(chart->series().at(i));
}

static QValueAxis *yAxis(const QChart *chart)
{
    const auto axes = chart->axes(Qt::Vertical);
    return axes.size() == 1 ? qobject_cast<QValueAxis *>(axes.first()) : nullptr;
}

static const QByteArray History = "12/1/2026 9:00:00 AM#2#50#00:10:30\r\n"
                                  "12/2/2026 9:00:00 AM#1#81#00:03:00\r\n"
                                  "12/3/2026 9:30:00 AM#2#100#bad time\r\n";

class tst_progresschart : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        testsupport::closeAllWindows();
        QCOMPARE(testsupport::visibleTopLevelWindows(), 0);
    }

    void scoresByDateOneLinePerLevel()
    {
        ProgressChart chart(seriesOf(History), QStringLiteral("ANN"));
        QCOMPARE(chart.windowTitle(), QStringLiteral("Progress - ANN"));
        QCOMPARE(chart.view(), ProgressChart::View::Score);
        const QChart *c = chart.chart();
        QCOMPARE(c->series().size(), 2);
        QCOMPARE(line(c, 0)->name(), QStringLiteral("Level 1"));
        QCOMPARE(line(c, 0)->points(), (QList<QPointF> {{msecs(12, 2, 9, 0), 81}}));
        QCOMPARE(line(c, 1)->name(), QStringLiteral("Level 2"));
        QCOMPARE(line(c, 1)->points(),
                 (QList<QPointF> {{msecs(12, 1, 9, 0), 50}, {msecs(12, 3, 9, 30), 100}}));
        QValueAxis *y = yAxis(c);
        QVERIFY(y);
        QCOMPARE(y->titleText(), QStringLiteral("Score (%)"));
        QCOMPARE(y->max(), 100.0);
        QCOMPARE(line(c, 0)->attachedAxes().size(), 2);
    }

    void timeTakenView()
    {
        ProgressChart chart(seriesOf(History), QStringLiteral("ANN"));
        // Chosen as a person would, from the list under the chart.
        auto *choice = chart.findChild<QComboBox *>(QStringLiteral("viewChoice"));
        QVERIFY(choice);
        choice->setCurrentIndex(choice->findText(QStringLiteral("Time taken")));
        QCOMPARE(chart.view(), ProgressChart::View::TimeTaken);
        const QChart *c = chart.chart();
        QCOMPARE(c->series().size(), 2);
        QCOMPARE(line(c, 0)->points(), (QList<QPointF> {{msecs(12, 2, 9, 0), 3}}));
        // A time that does not read back has no place on this view.
        QCOMPARE(line(c, 1)->points(), (QList<QPointF> {{msecs(12, 1, 9, 0), 10.5}}));
        QCOMPARE(yAxis(c)->titleText(), QStringLiteral("Time taken (minutes)"));
        QVERIFY(yAxis(c)->max() >= 10.5);
    }

    void notesForNoResultsAndResultsLeftOut()
    {
        ProgressChart chart(seriesOf(""), QStringLiteral("BEN"));
        QVERIFY(chart.chart()->series().isEmpty());
        QCOMPARE(chart.chart()->axes().size(), 2);
        QCOMPARE(chart.note(),
                 QStringLiteral("No results yet: the chart fills in as exercises are checked."));

        ProgressChart partly(seriesOf(History + "someday#1#50#00:01:00\r\n"),
                             QStringLiteral("ANN"));
        QCOMPARE(partly.chart()->series().size(), 2);
        QCOMPARE(partly.note(),
                 QStringLiteral("Not shown, as their date, level or score cannot be read: 1."));
    }
};

QTEST_MAIN(tst_progresschart)
#include "tst_progresschart.moc"
