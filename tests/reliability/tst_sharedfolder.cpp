#include "core/records/history.h"
#include "core/records/roster.h"
#include "core/records/studentlist.h"
#include "support/testfiles.h"

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
    if (changed.outcome == roster::ChangeResult::AlreadyListed) {
        return "already listed";
    }
    if (changed.outcome == roster::ChangeResult::NotListed) {
        return "not listed";
    }
    return action == "delete" ? "deleted" : history::create(name).ok ? "added" : "no history";
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
class tst_sharedfolder : public QObject
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
        roster::loadInto(a);
        roster::loadInto(b);
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

    // A change waits while another program holds the file's lock, then is made to the file as
    // that program left it: neither change is lost, and the later one comes after.
    void changeWaitsForAnotherProgramsLock_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("theirs"); // the other program's line, written as it lets go
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<Files>("after");
        const QByteArray ann = "12/5/2026 1:23:45 PM#3#81#00:03:27\r\n";
        const QByteArray theirs = "5/12/2026 1:00:00 PM#1#100#00:01:00";
        QTest::newRow("roster") << "sumroll.ini"
                                << "ZED"
                                << "add BOB"
                                << "added"
                                << Files {{"sumroll.ini", "ANN\r\nBOB\r\nZED\r\n"},
                                          {"ANN.hst", ann},
                                          {"BOB.hst", ""}};
        QTest::newRow("history")
            << "ANN.hst" << QString(theirs) << "append ANN"
            << "appended"
            << Files {{"sumroll.ini", "ANN\r\n"},
                      {"ANN.hst", ann + theirs + "\r\n5/12/2026 1:30:00 PM#2#75#00:02:00\r\n"}};
    }
    void changeWaitsForAnotherProgramsLock()
    {
        QFETCH(QString, file);
        QFETCH(QString, theirs);
        QFETCH(QString, step);
        QFETCH(QString, outcome);
        WorkDir dir;
        writeFile("sumroll.ini", "ANN\r\n");
        writeFile("ANN.hst", "12/5/2026 1:23:45 PM#3#81#00:03:27\r\n");
        QProcess other;
        other.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        other.start(SUMTRAIL_FOLDERWORKER, {dir.path(), "--hold", file, "500", theirs});
        QVERIFY(other.waitForReadyRead(30000) && other.readLine() == "held\n");
        StudentList list;
        roster::loadInto(list);
        const QStringList words = step.split(' ');
        QCOMPARE(act(list, words.at(0), words.at(1).toLatin1(),
                     {"5/12/2026 1:30:00 PM", "2", "75", "00:02:00"}),
                 outcome);
        QVERIFY(other.waitForFinished(30000) && other.exitCode() == 0);
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
        const int perWorker = SUMTRAIL_SANITIZED ? 750 : 1500; // each, unless time runs out
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
                          QString::number(perWorker), QString::number(budgetMs)});
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
        int operations = 0, adds = 0, deletes = 0, appends = 0, full = 0;
        qint64 longest = 0;
        int overASecond = 0; // a wait for a lock; an operation itself takes milliseconds
        const QByteArray tooLarge = std::strerror(EFBIG);
        for (const Operation &op : done) {
            longest = qMax(longest, op.ms);
            overASecond += op.ms > 1000;
            operations += op.operation != "create"; // the second half of an add
            const bool ok = op.outcome == "ok";
            // The lock's message when its wait ran out: allowed, and counted.
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
            } else if (op.operation == "fullappend" && op.message.contains(tooLarge)) {
                ++full;
            }
        }
        // Every kind of fault is told with its first examples before the test fails, so that a
        // failing run shows how much went wrong, not only the first thing.
        QByteArrayList faults;
        const auto fault = [&faults](const QByteArray &what, const QByteArrayList &examples) {
            if (!examples.isEmpty()) {
                faults.append(QByteArray::number(examples.size()) + ' ' + what + ": "
                              + examples.first(qMin(examples.size(), 3)).join(", "));
            }
        };
        const auto sorted = [](const QSet<QByteArray> &set) {
            QByteArrayList list(set.begin(), set.end());
            std::sort(list.begin(), list.end());
            return list;
        };
        fault("outcomes a shared folder must not give", wrong);

        const std::optional<QByteArrayList> roster = crLfLines(readFile(folder + "/sumroll.ini"));
        fault("rosters with a line empty or not ended by CR LF",
              roster ? QByteArrayList() : QByteArrayList {"sumroll.ini"});
        const QByteArrayList names = roster.value_or(QByteArrayList());
        const QSet<QByteArray> onRoster(names.begin(), names.end());
        fault("rosters not sorted",
              std::is_sorted(names.begin(), names.end()) ? QByteArrayList()
                                                         : QByteArrayList {"sumroll.ini"});
        QHash<QByteArray, int> times;
        for (const QByteArray &name : names) {
            ++times[name];
        }
        QSet<QByteArray> twice;
        for (auto it = times.cbegin(); it != times.cend(); ++it) {
            it.value() > 1 ? void(twice.insert(it.key())) : void();
        }
        fault("names listed twice", sorted(twice));
        fault("adds lost", sorted(listed - onRoster));
        fault("names deleted, or refused, and listed", sorted(onRoster & unlisted));
        fault("names listed that no one added", sorted(onRoster - listed - unlisted));

        for (const QByteArray &file : sorted(histories)) {
            const QByteArray student = file.chopped(qstrlen(history::Extension));
            const std::optional<QByteArrayList> lines = crLfLines(readFile(folder + '/' + file));
            fault("histories with a line empty or not ended by CR LF",
                  lines ? QByteArrayList() : QByteArrayList {file});
            const QByteArrayList have = lines.value_or(QByteArrayList());
            const QByteArrayList &want = appended.value(student);
            const QSet<QByteArray> got(have.begin(), have.end()), wanted(want.begin(), want.end());
            fault(file + " records lost", sorted(wanted - got));
            fault(file + " lines no one appended (torn, or refused)", sorted(got - wanted));
            fault(file + " lines twice",
                  got.size() == have.size() ? QByteArrayList() : QByteArrayList {file});
            fault("histories whose results from before changed",
                  student != "ANN" || have.first(qMin(have.size(), before.size())) == before
                      ? QByteArrayList()
                      : QByteArrayList {file});
            // Each worker's records in the order it appended them.
            QHash<QByteArray, qsizetype> logged;
            for (qsizetype i = 0; i < want.size(); ++i) {
                logged.insert(want.at(i), i);
            }
            QHash<int, qsizetype> last;
            QByteArrayList early;
            for (const QByteArray &line : have) {
                const int by = writer.value(line);
                if (logged.value(line, -1) < last.value(by, -1)) {
                    early.append(line);
                }
                last.insert(by, qMax(last.value(by, -1), logged.value(line, -1)));
            }
            fault(file + " records before one appended earlier", early);
        }

        QSet<QByteArray> left;
        for (const QByteArray &name : fileNamesIn(QFile::encodeName(folder))) {
            left.insert(name);
        }
        fault("histories missing", sorted(histories - left));
        left -= histories;
        left.remove(roster::FileName);
        fault("files left in the folder", sorted(left));

        std::printf("outcome: %d processes (seed %u), %d operations in %lld ms: %d adds, %d "
                    "deletes, %d appends, %d appends refused on a full disk and cut back; %lld "
                    "refused because the lock stayed busy; %d took over 1 s, the longest %lld ms; "
                    "roster of %lld names, %lld histories; faults found: %lld\n",
                    processes, seed, operations, ms, adds, deletes, appends, full,
                    qlonglong(busy.size()), overASecond, longest, qlonglong(names.size()),
                    qlonglong(histories.size()), qlonglong(faults.size()));
        for (const QByteArray &line : busy) {
            std::printf("lock busy: %s\n", line.constData());
        }
        for (const QByteArray &line : faults) {
            std::printf("fault: %s\n", line.constData());
        }
        QVERIFY2(faults.isEmpty(),
                 "the folder does not hold what the logs say: see the faults above");
    }
};

QTEST_GUILESS_MAIN(tst_sharedfolder)
#include "tst_sharedfolder.moc"
