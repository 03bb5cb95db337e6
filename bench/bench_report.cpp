// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Opens the report window on a history of a million records and scrolls to its end,
// against the floor of merely reading the same file line by line.

#include "benchsupport.h"
#include "core/records/history.h"
#include "core/records/session.h"
#include "gui/base/fonts.h"
#include "gui/menu/mainmenu.h"
#include "gui/report/linelistview.h"
#include "gui/report/reportwindow.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>

namespace {

const char *const Student = "BENCH";

// A pupil's results, one every few hours over the years, in the form the program writes.
QByteArray makeHistory(qsizetype records)
{
    QByteArray out;
    out.reserve(records * 40);
    quint32 seed = 12345;
    auto next = [&seed](quint32 range) {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) % range;
    };
    QDateTime when(QDate(2000, 1, 1), QTime(8, 0));
    for (qsizetype i = 0; i < records; ++i) {
        when = when.addSecs(3600 + next(4 * 3600));
        const int right = int(next(17));
        HistoryRecord r {history::formatDate(when), QByteArray::number(1 + next(6)),
                         QByteArray::number(qRound(right * 100.0 / 16.0)),
                         QByteArrayLiteral("00:") + QByteArray::number(10 + next(50)) + ':'
                             + QByteArray::number(10 + next(50))};
        out.append(history::formatRecord(r));
        out.append("\r\n");
    }
    return out;
}

int measureOpen(int argc, char **argv, const QString &dir)
{
    QApplication app(argc, argv);
    QDir::setCurrent(dir);
    ui::installFontSubstitutes();
    Session session;
    auto *menu = new MainMenu(session);
    menu->show();
    auto *combo = menu->findChild<QComboBox *>(QStringLiteral("Combo1"));
    combo->setCurrentIndex(0);
    emit combo->activated(0);
    auto *reports = menu->findChild<QPushButton *>(QStringLiteral("Command4"));
    QCoreApplication::processEvents();
    const qint64 before = bench::residentBytes();

    QElapsedTimer timer;
    timer.start();
    reports->click();
    ReportWindow *window = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        window = window ? window : qobject_cast<ReportWindow *>(w);
    }
    auto *list = window->findChild<LineListView *>(QStringLiteral("List1"));
    list->scrollToBottom();
    window->repaint();
    QCoreApplication::processEvents();
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    const qint64 peak = bench::peakResidentBytes();

    // The view scrolls by whole lines, so the last one is shown whole, not at the very bottom.
    const int last = list->rowCount() - 1;
    const QRect lastLine = list->rowRect(last);
    if (last < 1 || !list->viewport()->rect().contains(lastLine)) {
        fprintf(stderr, "bench_report: the last of %d lines is not shown\n", last);
        return 1;
    }
    bench::reportMeasurement({seconds, peak - before});
    return 0;
}

int measureRead(const QString &dir)
{
    const qint64 before = bench::residentBytes();
    QElapsedTimer timer;
    timer.start();
    QFile file(QDir(dir).filePath(QFile::decodeName(history::fileNameFor(Student))));
    if (!file.open(QIODevice::ReadOnly)) {
        return 1;
    }
    char line[4096];
    qint64 lines = 0;
    while (file.readLine(line, sizeof line) > 0) {
        ++lines;
    }
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    const qint64 peak = bench::peakResidentBytes();
    if (lines == 0) {
        return 1;
    }
    bench::reportMeasurement({seconds, peak - before});
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    if (argc == 3 && QByteArrayView(argv[1]) == "--open") {
        return measureOpen(argc, argv, QString::fromLocal8Bit(argv[2]));
    }
    if (argc == 3 && QByteArrayView(argv[1]) == "--read") {
        return measureRead(QString::fromLocal8Bit(argv[2]));
    }

    QCoreApplication app(argc, argv);
    qsizetype records = 1000000;
    int runs = 5;
    const QStringList args = app.arguments();
    for (qsizetype i = 1; i + 1 < args.size(); i += 2) {
        if (args.at(i) == QLatin1String("--records")) {
            records = args.at(i + 1).toLongLong();
        } else if (args.at(i) == QLatin1String("--runs")) {
            runs = args.at(i + 1).toInt();
        }
    }
    if (records < 1 || runs < 1) {
        fprintf(stderr, "usage: bench_report [--records N] [--runs N]\n");
        return 2;
    }

    QTemporaryDir dir;
    const QByteArray history = makeHistory(records);
    {
        QFile roster(dir.filePath(QStringLiteral("sumroll.ini")));
        QFile file(dir.filePath(QFile::decodeName(history::fileNameFor(Student))));
        if (!roster.open(QIODevice::WriteOnly) || !file.open(QIODevice::WriteOnly)
            || roster.write(QByteArray(Student) + "\r\n") < 0
            || file.write(history) != history.size()) {
            fprintf(stderr, "bench_report: cannot write the history in %s\n",
                    qPrintable(dir.path()));
            return 1;
        }
    }
    const qint64 fileSize = history.size();

    printf("Report window on a history of %lld records (%s)\n", static_cast<long long>(records),
           qPrintable(bench::megabytes(fileSize)));
    printf("machine: %s\n", qPrintable(bench::machineDescription()));
    printf("medians of %d runs, each in a fresh process, file in the page cache\n\n", runs);

    // The first read brings the file into the page cache for every run after it.
    bench::measureInChild({QStringLiteral("--read"), dir.path()});
    const auto read = bench::medianOfRuns({QStringLiteral("--read"), dir.path()}, runs);
    const auto open = bench::medianOfRuns({QStringLiteral("--open"), dir.path()}, runs);
    if (!read || !open) {
        fprintf(stderr, "bench_report: a measurement failed\n");
        return 1;
    }

    const double timeRatio = open->seconds / read->seconds;
    const double memoryRatio = double(open->peakGrowthBytes) / double(fileSize);
    printf("%-40s %12s %14s\n", "what", "time", "peak memory");
    printf("%-40s %12s %14s\n", "read the file line by line (floor)",
           qPrintable(bench::milliseconds(read->seconds)),
           qPrintable(bench::megabytes(read->peakGrowthBytes)));
    printf("%-40s %12s %14s\n", "open the report and scroll to the end",
           qPrintable(bench::milliseconds(open->seconds)),
           qPrintable(bench::megabytes(open->peakGrowthBytes)));
    printf("\nopening / plain read: %.2fx (goal at most 2x): %s\n", timeRatio,
           timeRatio <= 2.0 ? "met" : "MISSED");
    printf("peak memory / file size: %.2fx (goal under 3x): %s\n", memoryRatio,
           memoryRatio < 3.0 ? "met" : "MISSED");
    return 0;
}
