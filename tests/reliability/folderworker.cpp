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
namespace {

// Below ANN's history as the test starts it, above a lock file's few lines.
constexpr rlim_t FullDiskBytes = 4096;

// A line of the log, written unbuffered: in the file even if the worker dies after it.
bool logLine(QFile &log, const char *operation, const QByteArray &student, const char *outcome,
             qint64 ms, const QByteArray &record = {}, const QString &message = {})
{
    QByteArray said = message.toUtf8(); // a message may run over several lines
    said.replace('\r', ' ').replace('\n', " | ");
    const QByteArray line = QByteArray(operation) + '\t' + student + '\t' + outcome + '\t'
        + QByteArray::number(ms) + '\t' + record + '\t' + said + '\n';
    return log.write(line) == line.size();
}

} // namespace

int main(int argc, char *argv[])
{
    // The application name stays the executable's: QLockFile takes a lock whose holder's
    // executable is not named as the application that wrote it for a stale one.
    QCoreApplication app(argc, argv);
    filesizelimit::failWritesPastTheLimit(); // as the program does
    const QStringList args = QCoreApplication::arguments();
    bool ok[4] = {};
    const int worker = args.value(3).toInt(&ok[0]);
    const quint32 seed = args.value(4).toUInt(&ok[1]);
    const int operations = args.value(5).toInt(&ok[2]);
    const qint64 budgetMs = args.value(6).toLongLong(&ok[3]);
    QFile log(args.value(2));
    if (args.size() != 7 || !ok[0] || !ok[1] || !ok[2] || !ok[3]
        || !log.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)
        || !QDir::setCurrent(args.at(1))) {
        std::fprintf(stderr,
                     "usage: folderworker FOLDER LOG WORKER SEED OPERATIONS MILLISECONDS\n");
        return 2;
    }

    QRandomGenerator random(seed);
    QList<QByteArray> mine; // added by this worker and not deleted since
    int names = 0;
    // Unique across workers and operations, so that each line of a history says who wrote it.
    const QDateTime start(QDate(2026, 1, 1), QTime(0, 0), Qt::UTC);
    const auto record = [&](int operation) {
        const QDateTime when = start.addSecs(qint64(worker) * 10000000 + operation);
        return HistoryRecord {history::formatDate(when), QByteArray::number(1 + operation % 6),
                              QByteArray::number(operation % 101), "00:03:27"};
    };
    QElapsedTimer elapsed;
    elapsed.start();
    bool logged = true;
    for (int operation = 0; operation < operations && elapsed.elapsed() < budgetMs && logged;
         ++operation) {
        QElapsedTimer took;
        took.start();
        const quint32 draw = random.bounded(100);
        if (draw < 30 || (draw < 45 && mine.isEmpty())) {
            const QByteArray name = 'W' + QByteArray::number(worker) + 'N'
                + QByteArray::number(names++).rightJustified(4, '0');
            const roster::ChangeResult added = roster::addName(name);
            if (added.outcome == roster::ChangeResult::Changed) {
                logged = logLine(log, "add", name, "ok", took.restart());
                const FileResult created = history::create(name);
                logged = logged
                    && logLine(log, "create", name, created.ok ? "ok" : "refused", took.elapsed(),
                               {}, created.message);
                mine.append(name);
            } else {
                logged
                    = logLine(log, "add", name,
                              added.outcome == roster::ChangeResult::Failed ? "refused" : "listed",
                              took.elapsed(), {}, added.message);
            }
        } else if (draw < 45) {
            const qsizetype which = random.bounded(mine.size());
            const QByteArray name = mine.at(which);
            const roster::ChangeResult removed = roster::removeName(name);
            const char *outcome = removed.outcome == roster::ChangeResult::Changed ? "ok"
                : removed.outcome == roster::ChangeResult::NotListed               ? "notlisted"
                                                                                   : "refused";
            if (removed.outcome != roster::ChangeResult::Failed) {
                mine.removeAt(which);
            }
            logged = logLine(log, "delete", name, outcome, took.elapsed(), {}, removed.message);
        } else if (draw < 90) {
            const QByteArray name = draw < 75 || mine.isEmpty()
                ? QByteArray("ANN")
                : mine.at(random.bounded(mine.size()));
            const HistoryRecord written = record(operation);
            const FileResult appended = history::append(name, written);
            logged = logLine(log, "append", name, appended.ok ? "ok" : "refused", took.elapsed(),
                             history::formatRecord(written), appended.message);
        } else {
            // Lowered for this append alone, as the size limit of the reliability tests is.
            rlimit previous {};
            getrlimit(RLIMIT_FSIZE, &previous);
            const rlimit full {FullDiskBytes, previous.rlim_max};
            setrlimit(RLIMIT_FSIZE, &full);
            const HistoryRecord written = record(operation);
            const FileResult appended = history::append("ANN", written);
            setrlimit(RLIMIT_FSIZE, &previous);
            logged = logLine(log, "fullappend", "ANN", appended.ok ? "ok" : "refused",
                             took.elapsed(), history::formatRecord(written), appended.message);
        }
    }
    if (!logged) {
        std::fprintf(stderr, "folderworker %d: its log could not be written\n", worker);
        return 1;
    }
    return 0;
}
