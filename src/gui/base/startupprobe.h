// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <ctime>

// For the start-up benchmark, which compares the program with a bare Qt window: when
// SUMTRAIL_STARTUP_PROBE is set, the first time the event loop goes idle after the window
// has painted, prints "startup <steady clock ns> <peak resident bytes> <processor ns>" and
// quits.
// Header-only, so that the bare window can use it without linking the program's library.
namespace ui {

class StartupProbe : public QObject
{
public:
    static void watch(QWidget *window)
    {
        if (qEnvironmentVariableIsSet("SUMTRAIL_STARTUP_PROBE")) {
            window->installEventFilter(new StartupProbe(window));
        }
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            QAbstractEventDispatcher *loop = QAbstractEventDispatcher::instance();
            connect(loop, &QAbstractEventDispatcher::aboutToBlock, this, &StartupProbe::idle,
                    Qt::SingleShotConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    explicit StartupProbe(QObject *parent)
        : QObject(parent)
    {
    }

    void idle()
    {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        timespec cpu {};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
        printf("startup %lld %lld %lld\n",
               static_cast<long long>(std::chrono::nanoseconds(now).count()),
               static_cast<long long>(peakResidentBytes()),
               static_cast<long long>(cpu.tv_sec) * 1000000000LL + cpu.tv_nsec);
        fflush(stdout);
        QCoreApplication::exit(0);
    }

    static qint64 peakResidentBytes()
    {
        QFile status(QStringLiteral("/proc/self/status"));
        if (!status.open(QIODevice::ReadOnly)) {
            return 0;
        }
        // "VmHWM:     1234 kB"
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("VmHWM:")) {
                return line.mid(6).trimmed().split(' ').value(0).toLongLong() * 1024;
            }
        }
        return 0;
    }

    bool m_painted = false;
};

} // namespace ui
