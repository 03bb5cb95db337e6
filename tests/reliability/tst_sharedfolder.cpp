#include "records/history.h"
#include "records/roster.h"
#include "records/studentlist.h"
#include "support/testsupport.h"

#include <QElapsedTimer>
#include <QHash>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

using namespace testsupport;

namespace {

// One program's step as its windows take it: the new-student dialog looks in its own list
// first, then adds the name to the roster as it is on disk and starts the history; the main
// menu deletes; the exercise window appends. A roster change leaves the list as the roster
// it gave back.
QString act(StudentList &list, const QString &action, const QByteArray &name,
            const HistoryRecord &record)
{
    if (action == "append") {
        return AppendResult(name, record).ok ? "appended" : "not appended";
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
    if (changed.outcome == roster::ChangeResult::AlreadyListed) {
        return "already listed";
    }
    if (changed.outcome == roster::ChangeResult::NotListed) {
        return "not listed";
    }
    return action == "delete" ? "deleted" : CreateHistory(name).ok ? "added" : "no history";
}

// The lines of a file that should hold CR LF lines only; none when a line is not ended by
// CR LF, is empty or holds a line end of another kind.
std::optional<QByteArrayList> crLfLines(const QByteArray &bytes)
{
    if (!bytes.isEmpty() && !bytes.endsWith("\r\n")) {
        return std::nullopt;
    }
    QByteArrayList lines;
    for (qsizetype from = 0; from < bytes.size();) {
        const qsizetype end = bytes.indexOf("\r\n", from);
        const QByteArray line = bytes.sliced(from, end - from);
        if (line.isEmpty() || line.contains('\r') || line.contains('\n')) {
            return std::nullopt;
        }
        lines.append(line);
        from = end + 2;
    }
    return lines;
}

QByteArray sortedJoined(const QSet<QByteArray> &names)
{
    QByteArrayList list(names.begin(), names.end());
    std::sort(list.begin(), list.end());
    return list.join(' ');
}

// A line of a worker's log (folderworker.cpp).
struct Operation
{
    int worker = 0;
    QByteArray operation;
    QByteArray student;
    QByteArray outcome;
    qint64 ms = 0;
    QByteArray record;
    QByteArray message;
    QByteArray line;
};

} // namespace

// Several programs on one data folder, as on a school's file server: first two taking turns,
// then real processes changing the roster and appending results all at once, their logs
// checked against what the folder holds. The result line ("outcome:") is a figure of
// docs/reliability.md. The sanitizer build runs fewer operations, being several times slower.
class tst_SharedFolder : public QObject
{
    Q_OBJECT
private slots:
    // Each program's list is the one it loaded at the start, changed only by its own steps, so
    // that it lacks the other's changes: every change of the roster has to be made to the
    // file as it is by then, or one program's students vanish when the other saves.
    void twoProgramsTakingTurns_data()
    {
        QTest::addColumn<QStringList>("steps"); // program, action, student
        QTest::addColumn<QStringList>("outcomes");
        QTest::addColumn<Files>("after");
        const QByteArray ann = "12/5/2026 1:23:45 PM#3#81#00:03:27\r\n";
        QTest::newRow("adds and a delete in turn")
            << QStringList {"A add BOB", "B add CAT", "A add DAN", "B delete ANN"}
            << QStringList {"added", "added", "added", "deleted"}
            << Files {{"sumroll.ini", "BOB\r\nCAT\r\nDAN\r\n"},
                      {"ANN.hst", ann},
                      {"BOB.hst", ""},
                      {"CAT.hst", ""},
                      {"DAN.hst", ""}};
        // The second add would once have started EVA's history anew, her results moved aside.
        QTest::newRow("a stale list adds a name already listed")
            << QStringList {"A add EVA", "A append EVA", "A append EVA", "A append EVA",
                            "B add EVA"}
            << QStringList {"added", "appended", "appended", "appended", "already listed"}
            << Files {{"sumroll.ini", "ANN\r\nEVA\r\n"},
                      {"ANN.hst", ann},
                      {"EVA.hst",
                       "5/12/2026 1:01:00 PM#2#75#00:02:00\r\n"
                       "5/12/2026 1:02:00 PM#2#75#00:02:00\r\n"
                       "5/12/2026 1:03:00 PM#2#75#00:02:00\r\n"}};
    }
    void twoProgramsTakingTurns()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, outcomes);
        WorkDir dir;
        writeFile("sumroll.ini", "ANN\r\n");
        writeFile("ANN.hst", "12/5/2026 1:23:45 PM#3#81#00:03:27\r\n");
        StudentList a, b; // as each program's main menu loaded the roster
        LoadRoster(a);
        LoadRoster(b);
        QStringList got;
        for (int step = 0; step < steps.size(); ++step) {
            const QStringList words = steps.at(step).split(' ');
            const HistoryRecord record {"5/12/2026 1:0" + QByteArray::number(step) + ":00 PM", "2",
                                        "75", "00:02:00"};
            got.append(
                act(words.at(0) == "A" ? a : b, words.at(1), words.at(2).toLatin1(), record));
        }
        QCOMPARE(got, outcomes);
        QTEST(snapshot(), "after");
    }

    // Real processes on one folder, each adding, deleting and appending at random as fast as
    // it can, and one in ten appends on a disk that is full for its process. Whatever the
    // interleaving, the folder must hold what the logs say was done: each listed name once,
    // none deleted, whole CR LF lines, every record appended and none refused, nothing left
    // beside the files.
    void processesSharingAFolderLoseNothing()
    {
        WorkDir root;
        const QString folder = root.file("shared");
        QVERIFY(QDir().mkdir(folder));
        // ANN's results from before: more bytes than the full disk lets through.
        QByteArrayList before;
        for (int i = 0; i < 150; ++i) {
            const QDateTime when(QDate(2025, 9, 1), QTime(8, 0), Qt::UTC);
            before.append(history::formatRecord(
                {history::formatDate(when.addSecs(i * 60)), "1", "100", "00:01:00"}));
        }
        writeFile(folder + "/sumroll.ini", "ANN\r\n");
        writeFile(folder + "/ANN.hst", before.join("\r\n") + "\r\n");

        const int processes = 4;
        const int operations = SUMTRAIL_SANITIZED ? 250 : 1500; // each, unless time runs out
        const qint64 budgetMs = 30000;
        const quint32 seed = QRandomGenerator::global()->generate();
        const auto logName
            = [&root](int worker) { return root.file(QStringLiteral("worker%1.log").arg(worker)); };
        QElapsedTimer elapsed;
        elapsed.start();
        std::vector<std::unique_ptr<QProcess>> workers;
        for (int w = 1; w <= processes; ++w) {
            QProcess &worker = *workers.emplace_back(std::make_unique<QProcess>());
            worker.setProcessChannelMode(QProcess::ForwardedOutputChannel);
            worker.start(SUMTRAIL_FOLDERWORKER,
                         {folder, logName(w), QString::number(w), QString::number(seed + w),
                          QString::number(operations), QString::number(budgetMs)});
        }
        for (const auto &worker : workers) {
            QVERIFY2(worker->waitForFinished(int(budgetMs) + 60000), "a worker hung");
            QVERIFY2(worker->exitStatus() == QProcess::NormalExit && worker->exitCode() == 0,
                     worker->readAllStandardError().constData());
        }
        const qint64 ms = elapsed.elapsed();

        QList<Operation> done;
        for (int w = 1; w <= processes; ++w) {
            const QByteArray log = readFile(logName(w));
            QVERIFY2(log.endsWith('\n'), qPrintable(logName(w)));
            for (const QByteArray &line : log.chopped(1).split('\n')) {
                const QByteArrayList f = line.split('\t');
                bool ok = false;
                QVERIFY2(f.size() == 6, line.constData());
                done.append({w, f.at(0), f.at(1), f.at(2), f.at(3).toLongLong(&ok), f.at(4),
                             f.at(5), line});
                QVERIFY2(ok, line.constData());
            }
        }

        // What the folder must hold, by the logs.
        QSet<QByteArray> listed {"ANN"}, unlisted; // names on the roster, and names not on it
        QSet<QByteArray> histories {"ANN.hst"};
        QHash<QByteArray, QByteArrayList> appended {{"ANN", before}}; // each worker's in order
        QHash<QByteArray, int> writer; // of each record appended
        QByteArrayList wrong, busy; // outcomes no shared folder may give; locks busy too long
        int adds = 0, deletes = 0, appends = 0, full = 0;
        qint64 longest = 0;
        const QByteArray tooLarge = std::strerror(EFBIG);
        for (const Operation &op : done) {
            longest = qMax(longest, op.ms);
            const bool ok = op.outcome == "ok";
            if (op.outcome == "refused" && op.message.contains("is changing it")) {
                busy.append(op.line);
            } else if (op.operation == "fullappend" ? ok || !op.message.contains(tooLarge) : !ok) {
                wrong.append(op.line);
            }
            if (op.operation == "add") {
                adds += ok;
                (ok ? listed : unlisted).insert(op.student);
            } else if (op.operation == "create" && ok) {
                histories.insert(op.student + history::Extension);
            } else if (op.operation == "delete" && op.outcome != "refused") {
                deletes += ok;
                listed.remove(op.student);
                unlisted.insert(op.student);
            } else if (op.operation == "append" && ok) {
                ++appends;
                appended[op.student].append(op.record);
                writer.insert(op.record, op.worker);
                histories.insert(op.student + history::Extension);
            } else if (op.operation == "fullappend" && !ok) {
                ++full;
            }
        }
        QVERIFY2(wrong.isEmpty(), wrong.join('\n').constData());

        const std::optional<QByteArrayList> roster = crLfLines(readFile(folder + "/sumroll.ini"));
        QVERIFY2(roster, "the roster has a line that is empty or not ended by CR LF");
        QVERIFY2(std::is_sorted(roster->begin(), roster->end()), "the roster is not sorted");
        const QSet<QByteArray> onRoster(roster->begin(), roster->end());
        QCOMPARE(onRoster.size(), roster->size()); // none twice
        QVERIFY2((listed - onRoster).isEmpty(), "adds lost: " + sortedJoined(listed - onRoster));
        QVERIFY2((onRoster & unlisted).isEmpty(),
                 "deletes undone, or refused adds listed: " + sortedJoined(onRoster & unlisted));
        QVERIFY2((onRoster - listed).isEmpty(),
                 "names no one added: " + sortedJoined(onRoster - listed));

        for (const QByteArray &file : histories) {
            const QByteArray student = file.chopped(qstrlen(history::Extension));
            const std::optional<QByteArrayList> lines = crLfLines(readFile(folder + '/' + file));
            QVERIFY2(lines, file + ": a line is empty or not ended by CR LF");
            const QByteArrayList &want = appended.value(student);
            const QSet<QByteArray> have(lines->begin(), lines->end());
            const QSet<QByteArray> wanted(want.begin(), want.end());
            QVERIFY2((wanted - have).isEmpty(),
                     file + ": records lost: " + QByteArray::number((wanted - have).size()));
            QVERIFY2((have - wanted).isEmpty(),
                     file + ": lines no one appended (torn, or refused): "
                         + sortedJoined(have - wanted));
            QCOMPARE(lines->size(), want.size()); // none twice
            QVERIFY2(student != "ANN" || lines->first(before.size()) == before,
                     "ANN.hst: the results from before changed");
            // Each worker's records in the order it appended them.
            QHash<QByteArray, qsizetype> logged;
            for (qsizetype i = 0; i < want.size(); ++i) {
                logged.insert(want.at(i), i);
            }
            QHash<int, qsizetype> last;
            for (const QByteArray &line : *lines) {
                const int by = writer.value(line);
                QVERIFY2(logged.value(line) > last.value(by, -1), file + ": records out of order");
                last.insert(by, logged.value(line));
            }
        }

        QSet<QByteArray> left;
        for (const QByteArray &name : fileNamesIn(QFile::encodeName(folder))) {
            left.insert(name);
        }
        QVERIFY2((histories - left).isEmpty(),
                 "histories missing: " + sortedJoined(histories - left));
        left -= histories;
        left.remove(roster::FileName);
        QVERIFY2(left.isEmpty(), "left in the folder: " + sortedJoined(left));

        std::printf(
            "outcome: %d processes (seed %u), %lld operations in %lld ms: %d adds, %d deletes, "
            "%d appends, %d appends refused on a full disk and cut back; %lld refused because "
            "the lock stayed busy; longest operation %lld ms. Roster of %lld names, none lost, "
            "none deleted listed; %lld histories, every line a record appended; no lock or "
            "temporary file left\n",
            processes, seed, qlonglong(done.size()), ms, adds, deletes, appends, full,
            qlonglong(busy.size()), longest, qlonglong(roster->size()),
            qlonglong(histories.size()));
        for (const QByteArray &line : busy) {
            std::printf("lock busy: %s\n", line.constData());
        }
    }
};

QTEST_GUILESS_MAIN(tst_SharedFolder)
#include "tst_sharedfolder.moc"
