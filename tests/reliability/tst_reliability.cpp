#include "core/records/history.h"
#include "core/records/roster.h"
#include "core/records/session.h"
#include "gui/menu/mainmenu.h"
#include "gui/report/linelistview.h"
#include "gui/seams/savedialog.h"
#include "gui/seams/scopedoverride.h"
#include "support/testsupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace testsupport;

// What happens to the files when a save is cut off, when the disk refuses a write, when the
// files are hostile and when the program is used for long. Each result line ("outcome:") is
// a figure of docs/reliability.md. The sanitizer build runs lighter, being several times slower.
class tst_reliability : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QVERIFY(closeEveryWindow()); }

    // A roster save cut off at any moment (power gone, process killed) leaves the old roster
    // or the new one, never part of either. First, while
    // the process has no windows whose locks its forked copy could inherit.
    void killedSaveLeavesTheOldOrTheNewRoster()
    {
        WorkDir dir;
        const QString path = roster::FileName;
        QByteArrayList rosters[2]; // old and new, big enough that a kill often lands in a write
        for (int i = 0; i < 30000; ++i) {
            const QByteArray name = QByteArray::number(i).rightJustified(6, '0') + " STUDENT";
            rosters[0].append('A' + name);
            rosters[1].append('B' + name);
        }
        rosters[0].resize(20000);
        QElapsedTimer timer;
        timer.start();
        roster::writeNames(path, rosters[1]);
        roster::writeNames(path, rosters[0]);
        const qint64 saveUs = timer.nsecsElapsed() / 2000;
        QRandomGenerator random(20261206);
        int left[2] = {0, 0};
        for (int round = 0; round < 60; ++round) {
            const pid_t pid = fork();
            QVERIFY(pid >= 0); // never kill(-1)
            for (int i = 1; pid == 0; i ^= 1) { // the child saves both in turn until killed
                roster::writeNames(path, rosters[i]);
            }
            // Kills spread over a few saves' time land before, inside and between saves.
            usleep(random.bounded(3 * saveUs + 2000));
            kill(pid, SIGKILL);
            QVERIFY(waitpid(pid, nullptr, 0) == pid);
            const QByteArray now = readFile(path);
            const int which = now == roster::format(rosters[1]) ? 1 : 0;
            QVERIFY2(now == roster::format(rosters[which]), "torn");
            ++left[which];
        }
        // Which of the two a kill left depends on the machine's speed, and so does a temporary
        // file left when a kill lands between its naming and its renaming: reported, not required.
        QStringList leftovers = QDir().entryList(QDir::Files);
        leftovers.removeOne(path);
        std::printf(
            "outcome: 60 saves of %lld-byte rosters (%lld us each) killed at random "
            "(seed 20261206): %d left the old roster, %d the new one, 0 torn; temporary files "
            "left beside it: %d %s\n",
            qlonglong(roster::format(rosters[1]).size()), saveUs, left[0], left[1],
            int(leftovers.size()), qPrintable(leftovers.join(' ')));
    }

    // Sheet after sheet checked through the exercise window into one history: as many
    // well-formed lines, and memory that stays flat.
    void tenThousandChecksGiveTenThousandLines()
    {
        WindowGround ground; // ANN, with one result so far
        QWidget *window = act(openMenu(1), {"Command1"});
        const auto residentKb = [] {
            return readFile("/proc/self/statm").split(' ').value(1).toLong() * sysconf(_SC_PAGESIZE)
                / 1024;
        };
        const int sheets = SUMTRAIL_SANITIZED ? 1000 : 10000;
        long warmedUpKb = 0;
        QElapsedTimer elapsed;
        elapsed.start();
        for (int i = 0; i < sheets; ++i) {
            click(window, "CmdNew");
            ground.clock.advance(7);
            click(window, "cmdcheck");
            if (i % 100 == 99) { // what the event loop does between a person's clicks
                QCoreApplication::processEvents();
            }
            warmedUpKb = i + 1 == sheets / 20 ? residentKb() : warmedUpKb;
        }
        const qint64 ms = elapsed.elapsed();
        const long endKb = residentKb();
        QCOMPARE(ground.messages.texts(), QStringList());
        // As many lines as records, so each record whole on its own line.
        QCOMPARE(readFile("ANN.hst").count("\r\n"), 1 + sheets);
        QCOMPARE(history::readRecords("ANN.hst").size(), 1 + sheets);
        std::printf(
            "outcome: %d sheets checked in %lld ms: %d well-formed lines, one there before; "
            "resident memory %ld kB after %d sheets, %ld kB after %d\n",
            sheets, ms, 1 + sheets, warmedUpKb, sheets / 20, endKb, sheets);
        // Flat, except under the sanitizer, whose quarantine of freed memory grows by design.
        QVERIFY2(SUMTRAIL_SANITIZED || endKb - warmedUpKb < 16 * 1024, "memory grew");
    }

    // Every way a data file is written, each meeting a disk that will not take it: the user
    // sees one warning that names the file, and no file changes by a byte.
    void failedWriteIsShownAndChangesNothing_data()
    {
        QTest::addColumn<QString>("press");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("named"); // by the message; the file made a directory
        QTest::addColumn<int>("sizeLimit");
        // Action, its button, the write that fails first, the last one, a size limit inside it
        // (ANN.hst: 10 bytes past its two records).
        for (const auto &[action, press, first, last, limit] :
             {std::tuple {"delete", "BtnDelStudent", "sumroll.ini", "sumroll.ini", 4},
              {"add", "btnAddStduent", "sumroll.ini", "CAT.hst", 4},
              {"check", "cmdcheck", "ANN.hst", "ANN.hst", 82},
              {"export", "cmdExport", "ANN.csv", "ANN.csv", 30}}) {
            for (const char *fault :
                 {"read-only directory", "size limit mid-write", "vanished directory"}) {
                QTest::addRow("%s, %s", action, fault) << press << fault << first << limit;
            }
            QTest::addRow("%s, %s is a directory", action, last)
                << press << "a directory" << last << limit;
        }
        const QString add = "btnAddStduent", roster = "sumroll.ini";
        QTest::newRow("add, sumroll.ini a directory from the start")
            << add << "a directory from the start" << roster << 4;
    }
    void failedWriteIsShownAndChangesNothing()
    {
        QFETCH(QString, press);
        QFETCH(QString, fault);
        QFETCH(QString, named);
        QFETCH(int, sizeLimit);
        WorkDir root;
        const QString work = root.file("work");
        QVERIFY(QDir().mkdir(work) && QDir::setCurrent(work));
        writeFile("sumroll.ini", "ANN\r\nBEN\r\nZOE\r\n");
        writeFile("ANN.hst",
                  "12/5/2026 1:23:45 PM#3#81#00:03:27\r\n1/9/2026 9:05:00 AM#1#6#00:10:02\r\n");
        writeFile("ANN.csv", "an earlier export\r\n");
        // A directory in a file's place: not empty, so that nothing may simply remove it.
        QVERIFY(fault != "a directory from the start"
                || (QFile::remove(named) && QDir().mkpath(named + "/inside")));
        ScriptedMessages messages;
        MainMenu *menu = openMenu(press == "BtnDelStudent" ? 2 : 1); // BEN to delete, else ANN
        seams::ScopedOverride dialog(seams::saveDialog(), [](const ui::SaveRequest &r) {
            return QDir::current().filePath(r.suggestedName);
        });
        QWidget *window = menu;
        if (press == "cmdcheck" || press == "cmdExport") { // in the exercise, or the report
            window = act(menu, {press == "cmdcheck" ? "Command1" : "Command4"});
        }
        QVERIFY(fault != "a directory"
                || ((!QFile::exists(named) || QFile::remove(named))
                    && QDir().mkpath(named + "/inside")));
        QVERIFY(fault != "vanished directory" || QDir(work).removeRecursively());
        const Files before = snapshot(root.path());
        messages.answer(QMessageBox::Yes); // to whether to delete
        if (press == "btnAddStduent") { // the dialog is modal: filled in from its own event loop
            QTimer::singleShot(0, [] {
                QWidget *dialog = QApplication::activeModalWidget();
                QTest::keyClicks(dialog->findChild<QWidget *>("txtStudent"), "CAT");
                click(dialog, "OKButton");
                click(dialog, "CancelButton"); // after the failure
            });
        }

        // Read-only for everyone; and root, whose writes nothing stops, acts as nobody meanwhile.
        const bool readOnly = fault == "read-only directory";
        QVERIFY(!readOnly
                || QFile::setPermissions(
                    work, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
        const passwd *nobody = readOnly && geteuid() == 0 ? getpwnam("nobody") : nullptr;
        QVERIFY(!nobody || (setegid(nobody->pw_gid) == 0 && seteuid(nobody->pw_uid) == 0));
        // Lowered in this process, for the action: a forked copy of windows can hang in locks.
        FileSizeLimit limit(fault == "size limit mid-write" ? sizeLimit : RLIM_INFINITY);
        click(window, qPrintable(press));
        QVERIFY(!nobody || (seteuid(0) == 0 && setegid(0) == 0));
        QFile::setPermissions(work, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const Files after = snapshot(root.path());
        QCOMPARE(after, before);
        // The question first; a roster that is a directory is also told of when the menu opens.
        QCOMPARE(messages.shown().size(),
                 press == "BtnDelStudent" || fault.endsWith("start") ? 2 : 1);
        QCOMPARE(messages.shown().constLast().icon, QMessageBox::Warning);
        QVERIFY2(messages.texts().constLast().contains(named),
                 qPrintable(messages.texts().constLast()));
        QCOMPARE(menu->session().students().size(),
                 fault.endsWith("start") ? 0 : 3); // as in the roster
        std::printf("outcome: %s: one warning naming %s; %d files and directories unchanged\n",
                    QTest::currentDataTag(), qPrintable(named), int(after.size()));
    }

    // Rosters no program of ours wrote, opened through the windows: each of the first seven
    // students checks a sheet and opens the report, and the last one is deleted. What can be
    // read is listed, and nothing is written outside the working directory.
    void hostileFilesOpenedThroughTheWindows_data()
    {
        QTest::addColumn<QByteArray>("roster");
        QTest::addColumn<int>("names"); // in the menu's list
        QTest::addColumn<int>("listed"); // records in their reports, after their checks
        QTest::addColumn<int>("refused"); // names refused as file names when checking
        QTest::addColumn<int>("loadWarnings"); // when the menu opens
        const char names[] = "ANN\0X\r\n\xff\xfe"
                             "BAD\r\n../x\r\n/etc/x\r\na\\b\r\n.\r\n..\r\n";
        // A tenth of it under the sanitizers, where laying out its glyphs takes minutes.
        const QByteArray longLine((SUMTRAIL_SANITIZED ? 10 : 100) * 1024 * 1024, 'A');
        QByteArray million; // names in reverse, so that loading has to sort
        for (int i = 1000000; i > 0; --i) {
            million += "N" + QByteArray::number(i).rightJustified(7, '0') + "\r\n";
        }
        QTest::newRow("roster of a million names, in reverse") << million << 1000000 << 7 << 0 << 0;
        // Too long to be a name: passed over, and said so, never held whole.
        QTest::newRow("roster with a long line") << longLine + "\r\nBEN\r\n" << 1 << 1 << 0 << 1;
        QTest::newRow("names with NUL, invalid UTF-8, separators, . and ..")
            << QByteArray(names, sizeof names - 1) << 7 << 1 << 6 << 0;
    }
    void hostileFilesOpenedThroughTheWindows()
    {
        QFETCH(QByteArray, roster);
        QFETCH(int, names);
        QFETCH(int, refused);
        QFETCH(int, loadWarnings);
        WorkDir root;
        QVERIFY(QDir().mkdir("work") && QDir::setCurrent("work"));
        ScriptedMessages messages;
        writeFile("sumroll.ini", roster);
        QElapsedTimer t;
        t.start();
        MainMenu *menu = openMenu();
        const qint64 loadMs = t.restart();
        QCOMPARE(menu->session().students().size(), names);
        const int visits = qMin(7, menu->session().students().size());
        int listed = 0;
        for (int visit = 0; visit < visits; ++visit) {
            QTest::keyClick(menu->findChild<QWidget *>("Combo1"), Qt::Key_Down);
            act(act(menu, {"Command1"}), {"cmdcheck", "cmdMenu"});
            QWidget *results = act(menu, {"Command4"});
            listed
                += results->findChild<LineListView *>("List1")->rowCount() - 1; // less the heading
            results->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        const qint64 visitMs = t.restart();
        QCOMPARE(messages.shown().size(), loadWarnings + refused);
        messages.answer(QMessageBox::Yes);
        click(menu, "BtnDelStudent");
        const qint64 deleteMs = t.elapsed();
        QCOMPARE(readFile("sumroll.ini").count("\r\n"), names - 1);
        QTEST(listed, "listed");
        // A history for every name that can be a file name, beside the roster.
        QCOMPARE(fileNamesIn(".").size(), 1 + visits - refused);
        QCOMPARE(QDir("..").entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList {"work"});
        QVERIFY(!QFileInfo::exists("/etc/x.hst"));
        std::printf(
            "outcome: %s: menu loaded in %lld ms; %d sheets checked and reports opened in %lld ms, "
            "%d records listed; a delete saved the roster in %lld ms\n",
            QTest::currentDataTag(), loadMs, visits, visitMs, listed, deleteMs);
    }
};

QTEST_MAIN(tst_reliability)
#include "tst_reliability.moc"
