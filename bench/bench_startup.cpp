// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up of the program against the floor of a bare Qt Widgets program with one window
// of the main menu's size and a dozen buttons: wall time from starting the process to the
// window painted and the event loop idle, and peak resident memory, offscreen and under a
// private Xvfb server.

#include "benchsupport.h"
#include "core/records/session.h"
#include "gui/menu/mainmenu.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <chrono>
#include <cstdio>
#include <optional>

namespace {

struct Run
{
    double seconds = 0;
    qint64 peakBytes = 0;
    double cpuSeconds = 0;
};

qint64 steadyNanoseconds()
{
    return std::chrono::nanoseconds(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// Starts a program that reports through the start-up probe and reads its report.
std::optional<Run> runOnce(const QString &program, const QStringList &arguments,
                           const QProcessEnvironment &env, const QString &dir)
{
    QProcess child;
    child.setProcessEnvironment(env);
    child.setWorkingDirectory(dir);
    const qint64 started = steadyNanoseconds();
    child.start(program, arguments);
    if (!child.waitForFinished(30000) || child.exitStatus() != QProcess::NormalExit
        || child.exitCode() != 0) {
        child.kill();
        child.waitForFinished();
        fprintf(stderr, "%s", child.readAllStandardError().constData());
        return std::nullopt;
    }
    for (const QByteArray &line : child.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> parts = line.split(' ');
        if (parts.size() == 4 && parts.at(0) == "startup") {
            return Run {double(parts.at(1).toLongLong() - started) / 1e9, parts.at(2).toLongLong(),
                        double(parts.at(3).toLongLong()) / 1e9};
        }
    }
    return std::nullopt;
}

struct Program
{
    QString path;
    QStringList arguments;
};

// The programs take turns, so that whatever else the machine is doing weighs on each.
std::optional<QList<Run>> medianRuns(const QList<Program> &programs, const QProcessEnvironment &env,
                                     const QString &dir, int runs)
{
    // A first run of each brings its libraries into the page cache.
    for (const Program &p : programs) {
        if (!runOnce(p.path, p.arguments, env, dir)) {
            return std::nullopt;
        }
    }
    QList<QList<Run>> all(programs.size());
    for (int i = 0; i < runs; ++i) {
        for (qsizetype k = 0; k < programs.size(); ++k) {
            const auto r = runOnce(programs.at(k).path, programs.at(k).arguments, env, dir);
            if (!r) {
                return std::nullopt;
            }
            all[k].append(*r);
        }
    }
    QList<Run> medians;
    for (const QList<Run> &runsOfOne : all) {
        QList<double> t, m, c;
        for (const Run &r : runsOfOne) {
            t.append(r.seconds);
            m.append(double(r.peakBytes));
            c.append(r.cpuSeconds);
        }
        medians.append({bench::median(t), qint64(bench::median(m)), bench::median(c)});
    }
    return medians;
}

// A private X server on the first free display from :90, stopped when this goes.
class PrivateXServer
{
public:
    PrivateXServer()
    {
        for (int n = 90; n < 140 && m_display.isEmpty(); ++n) {
            if (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n))
                || QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n))) {
                continue;
            }
            m_server.start(QStringLiteral("Xvfb"),
                           {QStringLiteral(":%1").arg(n), QStringLiteral("-screen"),
                            QStringLiteral("0"), QStringLiteral("1280x1024x24"),
                            QStringLiteral("-nolisten"), QStringLiteral("tcp")});
            if (!m_server.waitForStarted(5000)) {
                return; // no Xvfb here
            }
            const QString socket = QStringLiteral("/tmp/.X11-unix/X%1").arg(n);
            for (int wait = 0; wait < 100 && m_server.state() == QProcess::Running; ++wait) {
                if (QFile::exists(socket)) {
                    m_display = QStringLiteral(":%1").arg(n);
                    break;
                }
                QThread::msleep(50);
            }
            if (m_display.isEmpty()) {
                m_server.kill();
                m_server.waitForFinished();
            }
        }
    }
    ~PrivateXServer()
    {
        if (m_server.state() != QProcess::NotRunning) {
            m_server.terminate();
            if (!m_server.waitForFinished(5000)) {
                m_server.kill();
                m_server.waitForFinished();
            }
        }
    }
    PrivateXServer(const PrivateXServer &) = delete;
    PrivateXServer &operator=(const PrivateXServer &) = delete;

    QString display() const { return m_display; }

private:
    QProcess m_server;
    QString m_display;
};

void printRows(const char *platform, const QList<Run> &r)
{
    const Run &program = r.at(0);
    const Run &floor = r.at(1);
    const Run &floorLibs = r.at(2);
    const double timeRatio = program.seconds / floor.seconds;
    const double cpuRatio = program.cpuSeconds / floor.cpuSeconds;
    const double memoryRatio = double(program.peakBytes) / double(floor.peakBytes);
    printf("%-10s %-12s %10s %10s %12s %6.2fx  %s\n", platform, "wall time",
           qPrintable(bench::milliseconds(program.seconds)),
           qPrintable(bench::milliseconds(floor.seconds)),
           qPrintable(bench::milliseconds(floorLibs.seconds)), timeRatio,
           timeRatio <= 1.3 ? "met" : "MISSED");
    printf("%-10s %-12s %10s %10s %12s %6.2fx  %s\n", platform, "CPU time",
           qPrintable(bench::milliseconds(program.cpuSeconds)),
           qPrintable(bench::milliseconds(floor.cpuSeconds)),
           qPrintable(bench::milliseconds(floorLibs.cpuSeconds)), cpuRatio,
           cpuRatio <= 1.3 ? "met" : "MISSED");
    printf("%-10s %-12s %10s %10s %12s %6.2fx  %s\n", platform, "peak memory",
           qPrintable(bench::megabytes(program.peakBytes)),
           qPrintable(bench::megabytes(floor.peakBytes)),
           qPrintable(bench::megabytes(floorLibs.peakBytes)), memoryRatio,
           memoryRatio <= 1.3 ? "met" : "MISSED");
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const std::optional<int> chosenRuns = bench::runsFromArguments(9);
    if (!chosenRuns) {
        return 2;
    }
    const int runs = *chosenRuns;

    // The program starts on a roster of a class; the floor's window takes the menu's size.
    QTemporaryDir dir;
    QFile roster(QDir(dir.path()).filePath(QStringLiteral("sumroll.ini")));
    if (!roster.open(QIODevice::WriteOnly) || roster.write("Amy\r\nBen\r\nChloe\r\nDan\r\n") < 0) {
        fprintf(stderr, "bench_startup: cannot write a roster in %s\n", qPrintable(dir.path()));
        return 1;
    }
    roster.close();
    QSize size;
    {
        Session session;
        MainMenu menu(session);
        size = menu.size();
    }
    const QStringList floorArgs {QString::number(size.width()), QString::number(size.height())};

    printf("Start-up: process started to main menu painted and event loop idle\n");
    printf("machine: %s\n", qPrintable(bench::machineDescription()));
    printf("medians of %d runs, each a fresh process, the programs taking turns;\n"
           "floor: a bare Qt Widgets window of %dx%d with 12 buttons, same build;\n"
           "floor+libs: the same linking Qt Charts and Print Support, which the program loads\n"
           "            only when a chart or the print window is first opened;\n"
           "CPU time: processor time of the process from its start, all threads\n\n",
           runs, size.width(), size.height());
    printf("%-10s %-12s %10s %10s %12s %7s  %s\n", "platform", "what", "sumtrail", "floor",
           "floor+libs", "ratio", "goal at most 1.3x");

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("SUMTRAIL_STARTUP_PROBE"), QStringLiteral("1"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const QList<Program> programs {{QStringLiteral(SUMTRAIL_PROGRAM), {}},
                                   {QStringLiteral(FLOOR_PROGRAM), floorArgs},
                                   {QStringLiteral(FLOOR_LIBS_PROGRAM), floorArgs}};
    const auto offscreen = medianRuns(programs, env, dir.path(), runs);
    if (!offscreen) {
        fprintf(stderr, "bench_startup: an offscreen run failed\n");
        return 1;
    }
    printRows("offscreen", *offscreen);

    PrivateXServer x;
    if (x.display().isEmpty()) {
        printf("%-10s no Xvfb could be started; skipped\n", "xvfb");
        return 0;
    }
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("DISPLAY"), x.display());
    const auto xvfb = medianRuns(programs, env, dir.path(), runs);
    if (!xvfb) {
        fprintf(stderr, "bench_startup: a run under Xvfb failed\n");
        return 1;
    }
    printRows("xvfb", *xvfb);
    return 0;
}
