// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/records/filesizelimit.h"
#include "core/records/history.h"
#include "core/records/roster.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>

#include <cstdio>
#include <sys/resource.h>

// One of several programs sharing a data folder, as sumtrail does on computers that share a
// file server: it adds students of its own and deletes some of them again, and appends
// results to ANN's history and to its students', at random, each through the records layer
// as the windows call it. Every operation and its outcome is a line of its log, written at
// once, for tst_sharedfolder to check the folder against.
//
// folderworker FOLDER LOG WORKER SEED OPERATIONS MILLISECONDS
//
// A log line is tab-separated: operation, student, outcome, milliseconds taken, the record
// line of an append, and the message of a refusal.
//   add         roster::addName of a name no one used before: ok, listed or refused
//   create      history::create after an add, as the new-student dialog does: ok or refused
//   delete      roster::removeName of one of its names still listed: ok, notlisted or refused
//   append      history::append to ANN or to one of its names still listed: ok or refused
//   fullappend  history::append to ANN on a disk that is full for this worker (a size limit
//               below the file's size): refused, and cut back without cutting anyone else's
int main(int argc, char *argv[])
{
    // The application name stays the executable's: QLockFile takes a lock whose holder's
    // executable is not named as the application that wrote it for a stale one.
    QCoreApplication app(argc, argv);
    filesizelimit::failWritesPastTheLimit(); // as the program does
    // Below ANN's history as the test starts it, above a lock file's few lines.
    constexpr rlim_t FullDiskBytes = 4096;
    const QStringList args = QCoreApplication::arguments();
    QFile log(args.value(2));
    // Unbuffered: each line in the file even if the worker dies after it.
    if (args.size() != 7 || !log.open(QIODevice::WriteOnly | QIODevice::Unbuffered)
        || !QDir::setCurrent(args.at(1))) {
        std::fprintf(stderr,
                     "usage: folderworker FOLDER LOG WORKER SEED OPERATIONS MILLISECONDS\n");
        return 2;
    }
    const int worker = args.at(3).toInt();
    QRandomGenerator random(args.at(4).toUInt());
    const int operations = args.at(5).toInt();
    const qint64 budgetMs = args.at(6).toLongLong();
    QList<QByteArray> mine; // added by this worker and not deleted since
    int names = 0;
    // Unique across workers and operations, so that each line of a history says who wrote it.
    const QDateTime start(QDate(2026, 1, 1), QTime(0, 0), Qt::UTC);
    QElapsedTimer elapsed, took;
    elapsed.start();
    bool logged = true;
    const auto logLine
        = [&](const char *operation, const QByteArray &student, bool ok, const char *otherwise,
              const QString &message = {}, const QByteArray &record = {}) {
              QByteArray said = message.toUtf8(); // a message may run over several lines
              said.replace('\r', ' ').replace('\n', " | ");
              const QByteArray line = QByteArray(operation) + '\t' + student + '\t'
                  + (ok ? "ok" : otherwise) + '\t' + QByteArray::number(took.restart()) + '\t'
                  + record + '\t' + said + '\n';
              logged = logged && log.write(line) == line.size();
          };
    for (int operation = 0; operation < operations && elapsed.elapsed() < budgetMs && logged;
         ++operation) {
        took.start();
        const quint32 draw = random.bounded(100);
        const QDateTime when = start.addSecs(qint64(worker) * 10000000 + operation);
        const HistoryRecord record {history::formatDate(when),
                                    QByteArray::number(1 + operation % 6),
                                    QByteArray::number(operation % 101), "00:03:27"};
        if (draw < 30 || (draw < 45 && mine.isEmpty())) {
            const QByteArray name = 'W' + QByteArray::number(worker) + 'N'
                + QByteArray::number(names++).rightJustified(4, '0');
            const roster::ChangeResult added = roster::addName(name);
            const bool ok = added.outcome == roster::ChangeResult::Changed;
            logLine("add", name, ok,
                    added.outcome == roster::ChangeResult::Failed ? "refused" : "listed",
                    added.message);
            if (ok) {
                const FileResult created = history::create(name);
                logLine("create", name, created.ok, "refused", created.message);
                mine.append(name);
            }
        } else if (draw < 45) {
            const qsizetype which = random.bounded(mine.size());
            const roster::ChangeResult removed = roster::removeName(mine.at(which));
            logLine("delete", mine.at(which), removed.outcome == roster::ChangeResult::Changed,
                    removed.outcome == roster::ChangeResult::NotListed ? "notlisted" : "refused",
                    removed.message);
            if (removed.outcome != roster::ChangeResult::Failed) {
                mine.removeAt(which);
            }
        } else {
            // One in ten on a full disk: a limit lowered for this append alone, as the size
            // limit of the reliability tests is.
            const bool full = draw >= 90;
            const QByteArray name = draw < 75 || full || mine.isEmpty()
                ? QByteArray("ANN")
                : mine.at(random.bounded(mine.size()));
            rlimit previous {};
            getrlimit(RLIMIT_FSIZE, &previous);
            const rlimit lowered {full ? FullDiskBytes : previous.rlim_cur, previous.rlim_max};
            setrlimit(RLIMIT_FSIZE, &lowered);
            const FileResult appended = history::append(name, record);
            setrlimit(RLIMIT_FSIZE, &previous);
            logLine(full ? "fullappend" : "append", name, appended.ok, "refused", appended.message,
                    history::formatRecord(record));
        }
    }
    if (!logged) {
        std::fprintf(stderr, "folderworker %d: its log could not be written\n", worker);
        return 1;
    }
    return 0;
}
