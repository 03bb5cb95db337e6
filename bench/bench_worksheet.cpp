// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The worksheet: drawing 24 questions and writing the page as a PDF, against the floor of
// a PDF page with one line of text; and the question generator with its duplicate test,
// per question for sets of 16, 24 and 122, against one draw without the test.

#include "benchsupport.h"
#include "core/exercise/questiongenerator.h"
#include "core/exercise/randomsource.h"
#include "core/print/worksheetpage.h"
#include "gui/print/printing.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <cstdio>

namespace {

worksheet::Set drawWorksheet(int level)
{
    const QList<Question> questions
        = questiongenerator::generate(level, worksheet::Questions, randomsource::realDraw);
    worksheet::Set set;
    for (int n = 1; n <= worksheet::Questions; ++n) {
        const Question &q = questions.at(n - 1);
        set[std::size_t(n - 1)] = {QString::number(q.first), QString::number(q.second), q.sum};
    }
    return set;
}

int measurePdf(bool floor, const QString &dir)
{
    const QString path
        = QDir(dir).filePath(floor ? QStringLiteral("floor.pdf") : QStringLiteral("worksheet.pdf"));
    const double cpu = bench::processCpuSeconds();
    QElapsedTimer timer;
    timer.start();
    if (floor) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&buffer);
            QPainter painter(&writer);
            painter.drawText(100, 100, QStringLiteral("1) 2"));
        }
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(buffer.data()) != buffer.size()) {
            return 1;
        }
    } else {
        const worksheet::Set set = drawWorksheet(6);
        const FileResult saved
            = printing::toPdfFile(path, QStringLiteral("worksheet"), [&set](PrintSurface &surface) {
                  worksheet::print(surface, set);
              });
        if (!saved.ok) {
            fprintf(stderr, "%s\n", qPrintable(saved.message));
            return 1;
        }
    }
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    const double cpuSeconds = bench::processCpuSeconds() - cpu;
    if (QFile(path).size() == 0) {
        return 1;
    }
    bench::reportMeasurement({seconds, 0, cpuSeconds});
    return 0;
}

// Median time per question to fill questions 1..count, with or without the duplicate test.
double perQuestion(int count, int level, bool duplicateTest)
{
    QList<double> times;
    QList<Question> set(count);
    QElapsedTimer timer;
    for (int round = 0; round < 501; ++round) {
        timer.start();
        if (duplicateTest) {
            set = questiongenerator::generate(level, count, randomsource::realDraw);
        } else {
            for (int n = 0; n < count; ++n) {
                set[n] = questiongenerator::drawQuestion(level, randomsource::realDraw);
            }
        }
        times.append(double(timer.nsecsElapsed()) / 1e9 / count);
    }
    return bench::median(times);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    if (argc == 4 && QByteArrayView(argv[1]) == "--pdf") {
        QGuiApplication app(argc, argv);
        return measurePdf(QByteArrayView(argv[2]) == "floor", QString::fromLocal8Bit(argv[3]));
    }

    QGuiApplication app(argc, argv);
    const std::optional<int> chosenRuns = bench::runsFromArguments(7);
    if (!chosenRuns) {
        return 2;
    }
    const int runs = *chosenRuns;
    QTemporaryDir dir;
    printf("Worksheet and question generation\n");
    printf("machine: %s\n", qPrintable(bench::machineDescription()));
    printf("PDF: medians of %d runs, each in a fresh process (fonts loaded cold);\n"
           "questions: medians of 501 fills in one process\n\n",
           runs);

    const auto floor
        = bench::medianOfRuns({QStringLiteral("--pdf"), QStringLiteral("floor"), dir.path()}, runs);
    const auto page
        = bench::medianOfRuns({QStringLiteral("--pdf"), QStringLiteral("page"), dir.path()}, runs);
    if (!floor || !page) {
        fprintf(stderr, "bench_worksheet: a PDF measurement failed\n");
        return 1;
    }
    printf("%-36s %9s %9s %9s %9s %7s  %s\n", "what", "wall", "CPU", "floor", "floor CPU", "ratio",
           "goal");
    printf("%-36s %9s %9s %9s %9s %6.2fx  under 100 ms: %s\n", "24 questions and the page as PDF",
           qPrintable(bench::milliseconds(page->seconds)),
           qPrintable(bench::milliseconds(page->cpuSeconds)),
           qPrintable(bench::milliseconds(floor->seconds)),
           qPrintable(bench::milliseconds(floor->cpuSeconds)), page->seconds / floor->seconds,
           page->seconds < 0.100 ? "met" : "MISSED");
    printf("(floor: a PDF page with one line of text)\n\n");

    printf("%-44s %10s %10s %7s\n", "fill per question, duplicate test", "time", "one draw",
           "ratio");
    QList<double> level6;
    for (int level : {1, 6}) {
        for (int count : {16, 24, 122}) {
            const double with = perQuestion(count, level, true);
            const double without = perQuestion(count, level, false);
            if (level == 6) {
                level6.append(with);
            }
            const QString what = QStringLiteral("level %1, %2 questions").arg(level).arg(count);
            printf("%-44s %10s %10s %6.2fx\n", qPrintable(what),
                   qPrintable(bench::nanoseconds(with)), qPrintable(bench::nanoseconds(without)),
                   with / without);
        }
    }
    printf("\nlevel 6, per question at 122 against 16: %.2fx for %.1fx the questions\n"
           "(quadratic would be %.1fx); level 1 has only 121 different questions, so at 122\n"
           "the last ones are drawn again, up to 11 times each\n",
           level6.constLast() / level6.constFirst(), 122.0 / 16.0, 122.0 / 16.0);
    return 0;
}
