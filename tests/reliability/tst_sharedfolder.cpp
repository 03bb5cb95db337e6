// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/records/filelock.h"
#include "core/records/history.h"
#include "core/records/roster.h"
#include "core/records/studentlist.h"
#include "support/testfiles.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <thread>

using namespace testsupport;

namespace {
const QByteArray Ann = "12/5/2026 1:23:45 PM#3#81#00:03:27\r\n";
const QByteArray Theirs = "5/12/2026 1:00:00 PM#1#100#00:01:00"; // another program's result

// One program's step as its windows take it: the new-student dialog looks in its own list
// first, then adds the name to the roster as it is on disk and starts the history; the main
// menu deletes; the exercise window appends. A roster change leaves the list as the roster
// it gave back.
QString act(StudentList &list, const QString &action, const QByteArray &name,
            const HistoryRecord &record)
{
    if (action == "append") {
        return history::append(name, record).ok ? "appended" : "not appended";
    }
    if (action == "add" && list.contains(name)) {
        return "already listed";
    }
    const roster::ChangeResult changed
        = action == "add" ? roster::addName(name) : roster::removeName(name);
    if (changed.outcome == roster::ChangeResult::Failed) {
        return changed.message;
    }
    list.setNames(changed.names);
    if (changed.outcome != roster::ChangeResult::Changed) {
        return changed.outcome == roster::ChangeResult::AlreadyListed ? "already listed"
                                                                      : "not listed";
    }
    return action == "delete" ? "deleted" : history::create(name).ok ? "added" : "no history";
}

// The lines of a file of CR LF lines; one that says so when a line is empty or not ended so.
QByteArrayList crLfLines(const QByteArray &bytes)
{
    QByteArrayList lines = bytes.split('\n');
    bool whole = lines.takeLast().isEmpty();
    for (QByteArray &line : lines) {
        whole = whole && line.size() > 1 && line.indexOf('\r') == line.size() - 1;
        line.chop(1);
    }
    return whole ? lines : QByteArrayList {"(not whole CR LF lines)"};
}

} // namespace

// Several programs on one data folder, as on a school's file server: two taking turns, one
// holding a lock, and real processes changing the roster and appending results all at once. Each
// result line ("outcome:") is a figure of docs/reliability.md; the sanitizer build runs fewer
// operations, being several times slower.
class tst_sharedfolder : public QObject
{
    Q_OBJECT
private slots:
    // Each program's list is the one it loaded at the start, changed only by its own steps, so
    // that it lacks the other's changes: every change has to be made to the file as it is by
    // then, or one program's students vanish when the other saves. A change waits while
    // another program holds the file's lock, then is made to the file as that one left it.
    void programsTakingTurns_data()
    {
        QTest::addColumn<QString>("held"); // by another program for 500 ms, adding a line
        QTest::addColumn<QStringList>("steps"); // program, action, student: outcome
        QTest::addColumn<Files>("after");
        QTest::newRow("adds and a delete in turn")
            << QString()
            << QStringList {"A add BOB: added", "B add CAT: added", "A add DAN: added",
                            "B delete ANN: deleted"}
            << Files {{"sumroll.ini", "BOB\r\nCAT\r\nDAN\r\n"},
                      {"ANN.hst", Ann},
                      {"BOB.hst", ""},
                      {"CAT.hst", ""},
                      {"DAN.hst", ""}};
        // The second add would once have started EVA's history anew, her results moved aside.
        QTest::newRow("a stale list adds a name already listed")
            << QString()
            << QStringList {"A add EVA: added", "A append EVA: appended",
                            "B add EVA: already listed"}
            << Files {{"sumroll.ini", "ANN\r\nEVA\r\n"},
                      {"ANN.hst", Ann},
                      {"EVA.hst", "5/12/2026 1:01:00 PM#2#75#00:02:00\r\n"}};
        QTest::newRow("an add waits for the roster's lock")
            << "sumroll.ini" << QStringList {"A add BOB: added"}
            << Files {{"sumroll.ini", "ANN\r\nBOB\r\nZED\r\n"}, {"ANN.hst", Ann}, {"BOB.hst", ""}};
        QTest::newRow("an append waits for the history's lock")
            << "ANN.hst" << QStringList {"A append ANN: appended"}
            << Files {{"sumroll.ini", "ANN\r\n"},
                      {"ANN.hst", Ann + Theirs + "\r\n5/12/2026 1:00:00 PM#2#75#00:02:00\r\n"}};
    }
    void programsTakingTurns()
    {
        QFETCH(QString, held);
        QFETCH(QStringList, steps);
        WorkDir dir;
        writeFile("sumroll.ini", "ANN\r\n");
        writeFile("ANN.hst", Ann);
        StudentList a, b; // as each program's main menu loaded the roster
        roster::loadInto(a);
        roster::loadInto(b);
        // Another program in the middle of a change: it holds the lock, then writes a line.
        std::atomic<bool> holding {false};
        std::thread other([&] {
            FileLock lock(held.toLatin1());
            const bool locked = !held.isEmpty() && lock.lock().ok && lock.held();
            const QByteArray before = locked ? readFile(held) : QByteArray();
            holding = true;
            if (locked) {
                QThread::msleep(500);
                writeFile(held, before + (held == roster::FileName ? "ZED" : Theirs) + "\r\n");
            }
        });
        while (!holding) {
            QThread::msleep(1);
        }
        QStringList got;
        for (int step = 0; step < steps.size(); ++step) {
            const QStringList words = steps.at(step).split(' ');
            const HistoryRecord record {"5/12/2026 1:0" + QByteArray::number(step) + ":00 PM", "2",
                                        "75", "00:02:00"};
            got.append(steps.at(step).section(':', 0, 0) + ": "
                       + act(words.at(0) == "A" ? a : b, words.at(1),
                             words.at(2).chopped(1).toLatin1(), record));
        }
        other.join();
        QCOMPARE(got, steps);
        QTEST(snapshot(), "after");
    }

    // Real processes (folderworker.cpp) on one folder, each adding, deleting and appending at
    // random as fast as it can, one in ten appends on a disk that is full for its process.
    // Whatever the interleaving, the folder must hold what their logs say was done: each
    // listed name once, none deleted, whole CR LF lines, every record appended in each one's
    // order, none refused but on the full disk, nothing left beside the files.
    void processesSharingAFolderLoseNothing()
    {
        WorkDir root;
        const QString folder = root.file("shared");
        QVERIFY(QDir().mkdir(folder));
        QByteArrayList before; // ANN's results: more bytes than the full disk lets through
        for (int i = 0; i < 150; ++i) {
            const QDateTime when
                = QDateTime(QDate(2025, 9, 1), QTime(8, 0), Qt::UTC).addSecs(i * 60);
            before.append(
                history::formatRecord({history::formatDate(when), "1", "100", "00:01:00"}));
        }
        writeFile(folder + "/sumroll.ini", "ANN\r\n");
        writeFile(folder + "/ANN.hst", before.join("\r\n") + "\r\n");

        const int processes = 4;
        const int perWorker = SUMTRAIL_SANITIZED ? 750 : 1500; // each, unless time runs out
        const qint64 budgetMs = 30000;
        const quint32 seed = QRandomGenerator::global()->generate();
        const auto logName = [&root](int w) { return root.file(QString("worker%1.log").arg(w)); };
        QElapsedTimer elapsed;
        elapsed.start();
        QProcess workers[processes];
        for (int w = 1; w <= processes; ++w) {
            workers[w - 1].setProcessChannelMode(QProcess::ForwardedChannels);
            workers[w - 1].start(SUMTRAIL_FOLDERWORKER,
                                 {folder, logName(w), QString::number(w), QString::number(seed + w),
                                  QString::number(perWorker), QString::number(budgetMs)});
        }
        for (QProcess &worker : workers) {
            QVERIFY2(worker.waitForFinished(int(budgetMs) + 60000), "a worker hung");
            QVERIFY(worker.exitStatus() == QProcess::NormalExit && worker.exitCode() == 0);
        }
        const qint64 ms = elapsed.elapsed();

        // What the folder must hold, by the logs: the names listed, and each history's records
        // by who appended them (0: from before), in order.
        QSet<QByteArray> listed {"ANN"};
        QHash<QByteArray, QMap<int, QByteArrayList>> histories {{"ANN.hst", {{0, before}}}};
        QHash<QByteArray, int> writer;
        QByteArrayList wrong; // outcomes no shared folder may give
        int operations = 0, full = 0, busy = 0;
        const QByteArray tooLarge = std::strerror(EFBIG);
        for (int w = 1; w <= processes; ++w) {
            const QByteArray log = readFile(logName(w));
            QVERIFY2(log.endsWith('\n'), qPrintable(logName(w)));
            for (const QByteArray &line : log.chopped(1).split('\n')) {
                // Operation, student, outcome, milliseconds, record appended, message.
                const QByteArrayList f = line.split('\t');
                QVERIFY2(f.size() == 6, line.constData());
                const bool ok = f[2] == "ok";
                operations += f[0] != "create"; // the second half of an add
                if (f[2] == "refused" && f[5].contains("is changing it")) {
                    ++busy; // the lock's wait ran out: allowed, and counted
                } else if (f[0] == "fullappend" ? ok || !f[5].contains(tooLarge) : !ok) {
                    wrong.append(line);
                }
                full += f[0] == "fullappend" ? 1 : 0;
                if (ok && f[0] == "add") {
                    listed.insert(f[1]);
                } else if (ok && f[0] == "delete") {
                    listed.remove(f[1]);
                } else if (ok && f[0] == "create") {
                    histories[f[1] + history::Extension];
                } else if (ok && f[0] == "append") {
                    histories[f[1] + history::Extension][w].append(f[4]);
                    writer.insert(f[4], w);
                }
            }
        }
        QByteArrayList names(listed.begin(), listed.end()), files = histories.keys();
        std::sort(names.begin(), names.end());
        files.append(roster::FileName);
        std::sort(files.begin(), files.end());
        std::printf("outcome: %d processes (seed %u), %d operations in %lld ms, %d appends on a "
                    "full disk cut back, %d refused as the lock stayed busy; roster of %lld "
                    "names, %lld histories\n",
                    processes, seed, operations, ms, full, busy, qlonglong(names.size()),
                    qlonglong(histories.size()));
        QVERIFY2(wrong.isEmpty(), wrong.mid(0, 3).join(" | ").constData());
        const QByteArrayList roster = crLfLines(readFile(folder + "/sumroll.ini"));
        QCOMPARE(roster, names); // sorted, each once
        for (auto it = histories.cbegin(); it != histories.cend(); ++it) {
            const QByteArrayList have = crLfLines(readFile(folder + '/' + it.key()));
            QMap<int, QByteArrayList> by; // each one's lines in the order they stand
            for (const QByteArray &line : have) {
                by[writer.value(line, before.contains(line) ? 0 : -1)].append(line);
            }
            QVERIFY2(by == it.value(), it.key() + ": records lost, added or out of order");
            QVERIFY(it.key() != "ANN.hst" || have.mid(0, before.size()) == before);
        }
        QCOMPARE(fileNamesIn(QFile::encodeName(folder)), files); // no lock or temporary left
    }
};

QTEST_GUILESS_MAIN(tst_sharedfolder)
#include "tst_sharedfolder.moc"
