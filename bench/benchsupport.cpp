// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "benchsupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace bench {

static QByteArray firstField(const QString &path, QByteArrayView key)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    // Files under /proc tell no size, so they are read to the end rather than to a size.
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith(key)) {
            const qsizetype colon = line.indexOf(':');
            return line.mid(colon + 1).trimmed();
        }
    }
    return {};
}

QString machineDescription()
{
    QString cpu = QString::fromUtf8(firstField(QStringLiteral("/proc/cpuinfo"), "model name"));
    if (cpu.isEmpty()) {
        cpu = QStringLiteral("unknown CPU");
    }
    return QStringLiteral("%1, %2 logical CPUs, Qt %3, load average %4 at the start")
        .arg(cpu)
        .arg(QThread::idealThreadCount())
        .arg(QString::fromLatin1(qVersion()))
        .arg(loadAverage(), 0, 'f', 1);
}

double median(QList<double> values)
{
    if (values.isEmpty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    return n % 2 ? values.at(n / 2) : (values.at(n / 2 - 1) + values.at(n / 2)) / 2;
}

static qint64 statusBytes(QByteArrayView key)
{
    // "VmRSS:     1234 kB"
    const QByteArray value = firstField(QStringLiteral("/proc/self/status"), key);
    return value.split(' ').value(0).toLongLong() * 1024;
}

qint64 residentBytes()
{
    return statusBytes("VmRSS");
}

qint64 peakResidentBytes()
{
    return statusBytes("VmHWM");
}

void reportMeasurement(const Measurement &m)
{
    printf("measurement %.9f %lld %.9f\n", m.seconds, static_cast<long long>(m.peakGrowthBytes),
           m.cpuSeconds);
    fflush(stdout);
}

std::optional<Measurement> measureInChild(const QStringList &arguments)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), arguments);
    const bool finished = child.waitForFinished(-1);
    if (!finished || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
        // The child's own warnings are shown only when they may tell why it failed.
        fprintf(stderr, "%s", child.readAllStandardError().constData());
        return std::nullopt;
    }
    const QList<QByteArray> lines = child.readAllStandardOutput().split('\n');
    for (const QByteArray &line : lines) {
        const QList<QByteArray> parts = line.split(' ');
        if (parts.size() == 4 && parts.at(0) == "measurement") {
            bool ok1 = false;
            bool ok2 = false;
            bool ok3 = false;
            Measurement m {parts.at(1).toDouble(&ok1), parts.at(2).toLongLong(&ok2),
                           parts.at(3).toDouble(&ok3)};
            if (ok1 && ok2 && ok3) {
                return m;
            }
        }
    }
    return std::nullopt;
}

std::optional<Summary> medianOfRuns(const QStringList &arguments, int runs)
{
    QList<double> seconds;
    QList<double> growth;
    QList<double> cpu;
    for (int i = 0; i < runs; ++i) {
        const auto m = measureInChild(arguments);
        if (!m) {
            return std::nullopt;
        }
        seconds.append(m->seconds);
        growth.append(double(m->peakGrowthBytes));
        cpu.append(m->cpuSeconds);
    }
    return Summary {median(seconds), qint64(median(growth)), median(cpu)};
}

double processCpuSeconds()
{
    timespec t {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

double loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    if (!file.open(QIODevice::ReadOnly)) {
        return 0;
    }
    return file.readAll().split(' ').value(0).toDouble();
}

QString megabytes(qint64 bytes)
{
    return QString::number(double(bytes) / (1024.0 * 1024.0), 'f', 1) + QStringLiteral(" MB");
}

QString milliseconds(double seconds, int decimals)
{
    return QString::number(seconds * 1000.0, 'f', decimals) + QStringLiteral(" ms");
}

QString nanoseconds(double seconds)
{
    return QString::number(seconds * 1e9, 'f', 1) + QStringLiteral(" ns");
}

std::optional<int> runsFromArguments(int defaultRuns)
{
    int runs = defaultRuns;
    const QStringList args = QCoreApplication::arguments();
    if (args.size() == 3 && args.at(1) == QLatin1String("--runs")) {
        runs = args.at(2).toInt();
    }
    if (runs < 1) {
        fprintf(stderr, "usage: %s [--runs N]\n",
                qPrintable(QFileInfo(QCoreApplication::applicationFilePath()).fileName()));
        return std::nullopt;
    }
    return runs;
}

} // namespace bench
