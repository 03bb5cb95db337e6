// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A roster of 10,000 students: loading it into the main menu's list, adding one (sorted
// insert and one atomic save) and deleting one, against the floor of reading the file
// and of writing it once.

#include "benchsupport.h"
#include "core/records/history.h"
#include "core/records/roster.h"
#include "core/records/session.h"
#include "core/records/studentlist.h"
#include "gui/menu/mainmenu.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {

// Names of four to ten letters, capitalised, in no order.
QList<QByteArray> makeNames(int count)
{
    QList<QByteArray> names;
    names.reserve(count);
    quint32 seed = 2024;
    auto next = [&seed](quint32 range) {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) % range;
    };
    for (int i = 0; i < count; ++i) {
        QByteArray name(4 + int(next(7)), 'a');
        for (char &c : name) {
            c = char('a' + next(26));
        }
        name[0] = char(name[0] - 'a' + 'A');
        names.append(name + ' ' + QByteArray::number(i));
    }
    return names;
}

bench::Measurement timed(const std::function<bool()> &step)
{
    const double cpu = bench::processCpuSeconds();
    QElapsedTimer timer;
    timer.start();
    if (!step()) {
        return {-1, 0, 0};
    }
    return {double(timer.nsecsElapsed()) / 1e9, 0, bench::processCpuSeconds() - cpu};
}

const char *const Master = "master.ini";

int measure(const QString &what)
{
    // Every run starts from the same roster, and the student it adds is new each time.
    const QString path = QString::fromLatin1(roster::FileName);
    QDir here;
    for (const QString &name : here.entryList(QDir::Files)) {
        if (name != QLatin1String(Master)) {
            here.remove(name);
        }
    }
    if (!QFile::copy(QString::fromLatin1(Master), path)) {
        return 1;
    }
    bench::Measurement m {-1, 0, 0};
    if (what == QLatin1String("read")) {
        m = timed([&path] {
            QFile file(path);
            return file.open(QIODevice::ReadOnly) && !file.readAll().isEmpty();
        });
    } else if (what == QLatin1String("write")) {
        QFile file(path);
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        file.close();
        m = timed([&path, &bytes] {
            QSaveFile out(path);
            return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size()
                && out.commit();
        });
    } else {
        // The menu starts on an empty roster; its list is the one the combo box shows.
        const QString saved = path + QStringLiteral(".full");
        QFile::rename(path, saved);
        Session session;
        MainMenu menu(session);
        menu.show();
        QCoreApplication::processEvents();
        QFile::rename(saved, path);
        StudentList &students = session.students();
        if (what == QLatin1String("load")) {
            m = timed([&students] {
                roster::loadInto(students);
                return students.size() > 0;
            });
        } else {
            roster::loadInto(students);
            QCoreApplication::processEvents();
            if (what == QLatin1String("add")) {
                // As the new-student dialog does it: the name is new, the roster is read
                // again under its lock, the name goes in at its place, the roster is saved
                // once and the history file is created.
                m = timed([&students] {
                    const QByteArray name = "Maxwell New";
                    if (students.contains(name)) {
                        return false;
                    }
                    const roster::ChangeResult added = roster::addName(name);
                    students.setNames(added.names);
                    return added.outcome == roster::ChangeResult::Changed
                        && history::create(name).ok;
                });
            } else if (what == QLatin1String("delete")) {
                m = timed([&students] {
                    const roster::ChangeResult removed
                        = roster::removeName(students.nameAt(students.size() / 2));
                    students.setNames(removed.names);
                    return removed.outcome == roster::ChangeResult::Changed;
                });
            }
        }
    }
    if (m.seconds < 0) {
        return 1;
    }
    bench::reportMeasurement(m);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    if (argc == 4 && QByteArrayView(argv[1]) == "--measure") {
        QApplication app(argc, argv);
        QDir::setCurrent(QString::fromLocal8Bit(argv[3]));
        return measure(QString::fromLatin1(argv[2]));
    }

    QCoreApplication app(argc, argv);
    const std::optional<int> chosenRuns = bench::runsFromArguments(7);
    if (!chosenRuns) {
        return 2;
    }
    const int runs = *chosenRuns;
    const int students = 10000;
    QTemporaryDir dir;
    StudentList sorted;
    sorted.setNames(makeNames(students));
    const QString path = QDir(dir.path()).filePath(QString::fromLatin1(Master));
    if (!roster::writeNames(path, sorted.names()).ok) {
        fprintf(stderr, "bench_roster: cannot write the roster in %s\n", qPrintable(dir.path()));
        return 1;
    }

    printf("Roster of %d students (%s)\n", students,
           qPrintable(bench::megabytes(QFile(path).size())));
    printf("machine: %s\n", qPrintable(bench::machineDescription()));
    printf("medians of %d runs, each in a fresh process, file in the page cache\n\n", runs);

    auto run = [&](const char *what) {
        return bench::medianOfRuns(
            {QStringLiteral("--measure"), QString::fromLatin1(what), dir.path()}, runs);
    };
    // The first read brings the file into the page cache.
    run("read");
    const auto read = run("read");
    const auto write = run("write");
    const auto load = run("load");
    const auto add = run("add");
    const auto remove = run("delete");
    if (!read || !write || !load || !add || !remove) {
        fprintf(stderr, "bench_roster: a measurement failed\n");
        return 1;
    }
    printf("%-40s %9s %9s %9s %7s  %s\n", "what", "wall", "CPU", "floor", "ratio",
           "goal under 50 ms");
    const struct
    {
        const char *what;
        const bench::Summary &m;
        const bench::Summary &floor;
    } rows[] = {{"load into the main menu (floor: read)", *load, *read},
                {"add one: sorted, saved (floor: write)", *add, *write},
                {"delete one, saved (floor: write)", *remove, *write}};
    for (const auto &r : rows) {
        printf("%-40s %9s %9s %9s %6.2fx  %s\n", r.what,
               qPrintable(bench::milliseconds(r.m.seconds, 2)),
               qPrintable(bench::milliseconds(r.m.cpuSeconds, 2)),
               qPrintable(bench::milliseconds(r.floor.seconds, 2)), r.m.seconds / r.floor.seconds,
               r.m.seconds < 0.050 ? "met" : "MISSED");
    }
    return 0;
}
