// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/records/filelock.h"
#include "core/records/history.h"
#include "core/records/session.h"
#include "core/records/studentlist.h"
#include "core/report/reportline.h"
#include "gui/menu/mainmenu.h"
#include "gui/seams/savedialog.h"
#include "support/testsupport.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace testsupport;

namespace {
const QByteArray Record = "12/5/2026 1:23:45 PM#3#81#00:03:27\r\n";
const gid_t Users = 100, Staff = 50;
const uid_t Nobody = 65534;

// What stands at a name, told without opening it: a pipe opened would stall the test.
QByteArray kindAt(const QByteArray &name)
{
    struct stat st
    {
    };
    if (::lstat(name.constData(), &st) != 0) {
        return "nothing";
    }
    if (S_ISLNK(st.st_mode)) {
        char target[4096] = {};
        return "link to " + QByteArray(target, ::readlink(name.constData(), target, sizeof target));
    }
    return S_ISFIFO(st.st_mode) ? "pipe" : S_ISDIR(st.st_mode) ? "folder" : "file";
}

struct stat statOf(const QByteArray &name)
{
    struct stat st
    {
    };
    ::stat(name.constData(), &st);
    return st;
}

void checkASheet(QWidget *menu)
{
    act(act(menu, {"Command1"}), {"cmdcheck", "cmdMenu"});
}
} // namespace

// The working folder as pupils and other programs leave it, used through the windows as a
// person does: links, pipes and folders where data files belong, names that are bytes of no
// one encoding, files this account may not read or the disk will not take, owners and modes
// a class relies on, and another program changing the roster meanwhile.
class tst_hostilefolder : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QVERIFY(closeEveryWindow()); }

    // Start-up and an add meet the roster; a check and the report meet the history. Only a
    // link to a file of the folder is used, as that file; anything else is told of, naming
    // the file, and left as it is; and nothing outside the folder is read, written or made.
    void dataFilesThatAreNoPlainFiles_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("kind");
        for (const char *file : {"sumroll.ini", "ANN.hst"}) {
            for (const char *kind : {"link out of the folder", "dangling link",
                                     "link in the folder", "named pipe", "folder"}) {
                QTest::addRow("%s, %s", file, kind) << QByteArray(file) << QString(kind);
            }
        }
    }
    void dataFilesThatAreNoPlainFiles()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, kind);
        WorkDir root;
        QVERIFY(QDir().mkdir("work") && QDir().mkdir("outside") && QDir::setCurrent("work"));
        const bool isRoster = file == "sumroll.ini";
        const QByteArray roster = "ANN\r\nBEN\r\n";
        writeFile("sumroll.ini", roster);
        writeFile("ANN.hst", Record);
        QVERIFY(QFile::remove(file));
        // Another folder's file of that name, which a link may name but nothing may touch.
        const QByteArray outside = QFile::encodeName(root.file("outside/" + file));
        const QByteArray gone = QFile::encodeName(root.file("outside/gone"));
        writeFile(outside, isRoster ? "OUT\r\nSIDER\r\n" : Record.repeated(3));
        const QByteArray inside = isRoster ? "class.txt" : "ann-results.txt";
        const bool used = kind == "link in the folder"; // as the file it names
        if (used) {
            writeFile(inside, isRoster ? roster : Record);
        }
        const QByteArray target = kind == "link out of the folder" ? outside
            : kind == "dangling link"                              ? gone
                                                                   : inside;
        QVERIFY(!kind.contains("link") || ::symlink(target.constData(), file.constData()) == 0);
        QVERIFY(kind != "named pipe" || ::mkfifo(file.constData(), 0666) == 0);
        QVERIFY(kind != "folder" || QDir().mkpath(file + "/inside"));
        const QByteArray shape = kindAt(file);
        const QList<QByteArray> namesBefore = fileNamesIn(".");
        const Files outsideBefore = snapshot(root.file("outside"));

        ScriptedMessages messages;
        MainMenu *menu = openMenu(isRoster ? 0 : 1);
        if (isRoster) {
            QCOMPARE(listedStudents(menu), used ? (QStringList {"ANN", "BEN"}) : QStringList());
            addStudent(menu, "CAT");
            QCOMPARE(listedStudents(menu),
                     used ? (QStringList {"ANN", "BEN", "CAT"}) : QStringList());
        } else {
            checkASheet(menu);
            QCOMPARE(reportLines(act(menu, {"Command4"})).size(), used ? 2 : 0);
        }

        QCOMPARE(messages.texts().size(), used ? 0 : 2); // start-up and add; check and report
        for (const QString &text : messages.texts()) {
            QVERIFY2(text.contains("\"" + file + "\""), qPrintable(text));
        }
        QCOMPARE(kindAt(file), shape); // a link stays a link, and so on
        QCOMPARE(snapshot(root.file("outside")), outsideBefore);
        QVERIFY(!QFileInfo::exists(gone));
        QList<QByteArray> namesAfter = fileNamesIn(".");
        QVERIFY(!used || !isRoster || namesAfter.removeOne("CAT.hst"));
        QVERIFY(!used || isRoster || namesAfter.removeOne("ANN.ans")); // beside the history
        QCOMPARE(namesAfter, namesBefore);
        QVERIFY(!used || readFile(inside).startsWith(isRoster ? "ANN\r\nBEN\r\nCAT\r\n" : Record));
        QVERIFY(!used || isRoster || history::readRecords(inside).size() == 2);
        QCOMPARE(readFile(isRoster ? "ANN.hst" : "sumroll.ini"), isRoster ? Record : roster);
    }

    // Names that differ in their bytes alone, though they may look alike, keep their results
    // apart: each its own file, named by exactly its bytes, and its own report.
    void namesAreTheirBytes_data()
    {
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<QByteArray>("second");
        QTest::newRow("JOS\\xC9 and JOS\\xC8") << QByteArray("JOS\xC9") << QByteArray("JOS\xC8");
        QTest::newRow("E acute in UTF-8 and in Latin-1")
            << QByteArray("JOS\xC3\x89") << QByteArray("JOS\xC9");
        QTest::newRow("ann and ANN") << QByteArray("ann") << QByteArray("ANN");
    }
    void namesAreTheirBytes()
    {
        QFETCH(QByteArray, first);
        QFETCH(QByteArray, second);
        WindowGround ground;
        QVERIFY(QFile::remove("ANN.hst"));
        writeFile("sumroll.ini", first + "\r\n" + second + "\r\n");
        MainMenu *menu = openMenu();
        for (int pick = 0; pick < 2; ++pick) {
            QTest::keyClick(menu->findChild<QWidget *>("Combo1"), Qt::Key_Down);
            ground.clock.advance(3600); // each result an hour after the last
            checkASheet(menu);
            const QByteArray student = menu->session().currentStudent().value_or("none");
            const QList<HistoryRecord> own = history::readRecords(student + ".hst");
            QCOMPARE(own.size(), 1);
            QWidget *report = act(menu, {"Command4"});
            QCOMPARE(report->findChild<QLabel *>("lblstudent")->text(),
                     "Student : " + StudentList::displayName(student));
            QCOMPARE(reportLines(report),
                     QStringList {QString::fromLatin1(reportline::format(own[0]))});
            report->close();
        }
        QList<QByteArray> files
            = {first + ".ans", first + ".hst", second + ".ans", second + ".hst", "sumroll.ini"};
        std::sort(files.begin(), files.end());
        QCOMPARE(fileNamesIn("."), files);
        QCOMPARE(ground.messages.texts(), QStringList());
    }

    // A roster this account may not read is told of at start-up and never saved over: a
    // save would drop every name it holds.
    void unreadableRosterIsNotChanged_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<uint>("owner");
        QTest::newRow("mode 000") << 0000 << uint(0);
        QTest::newRow("write-only, for us") << 0200 << uint(Nobody);
    }
    void unreadableRosterIsNotChanged()
    {
        QFETCH(int, mode);
        QFETCH(uint, owner);
        WorkDir dir;
        QVERIFY(::chmod(".", 0777) == 0); // so that the roster alone stops us
        const QByteArray roster = "ANN\r\nBEN\r\n";
        writeFile("sumroll.ini", roster);
        QVERIFY(::chown("sumroll.ini", owner, 0) == 0 && ::chmod("sumroll.ini", mode_t(mode)) == 0);
        ScriptedMessages messages;
        {
            ActingAsNobody nobody;
            MainMenu *menu = openMenu();
            addStudent(menu, "CAT");
            QCOMPARE(listedStudents(menu), QStringList());
        }
        const QString refused = QString::fromLocal8Bit(std::strerror(EACCES));
        QCOMPARE(messages.texts().size(), 2);
        for (const QString &text : messages.texts()) {
            QVERIFY2(text.startsWith("The file \"sumroll.ini\" could not be read: " + refused),
                     qPrintable(text));
        }
        QVERIFY(messages.texts().at(1).endsWith("Nothing was changed."));
        QCOMPARE(readFile("sumroll.ini"), roster);
        QCOMPARE(statOf("sumroll.ini").st_mode & 07777, mode_t(mode));
        QCOMPARE(fileNamesIn("."), QList<QByteArray> {"sumroll.ini"});
    }

    // A roster replaced by a save keeps its owner, group and mode, and a file the program
    // makes gets the folder's group and rw-rw-rw- less the umask: a class sharing the folder
    // through a group keeps its access.
    void filesKeepTheClassesAccess_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("mode"); // the file's before; -1: the action makes it
        QTest::addColumn<uint>("owner");
        QTest::addColumn<uint>("group");
        QTest::addColumn<int>("umask");
        QTest::newRow("roster saved by an add, rw-rw-r-- root:users")
            << "add" << QByteArray("sumroll.ini") << 0664 << 0u << uint(Users) << 022;
        QTest::newRow("roster saved by an add, rw----r-- nobody:staff")
            << "add" << QByteArray("sumroll.ini") << 0604 << uint(Nobody) << uint(Staff) << 022;
        QTest::newRow("roster saved by a delete, r-------- root:root")
            << "delete" << QByteArray("sumroll.ini") << 0400 << 0u << 0u << 022;
        QTest::newRow("CAT.hst made by an add, umask 007")
            << "add" << QByteArray("CAT.hst") << -1 << 0u << uint(Users) << 007;
        QTest::newRow("sumroll.ini made by the first add, umask 002")
            << "first add" << QByteArray("sumroll.ini") << -1 << 0u << uint(Users) << 002;
        QTest::newRow("ANN.hst made by a check, umask 027")
            << "check" << QByteArray("ANN.hst") << -1 << 0u << uint(Users) << 027;
    }
    void filesKeepTheClassesAccess()
    {
        QFETCH(QString, action);
        QFETCH(QByteArray, file);
        QFETCH(int, mode);
        QFETCH(uint, owner);
        QFETCH(uint, group);
        QFETCH(int, umask);
        WindowGround ground; // ANN, with a result
        QVERIFY(mode >= 0 || !QFile::exists(file) || QFile::remove(file));
        // The class's group, with no set-group-ID bit that would give it by itself.
        QVERIFY(::chown(".", 0, Users) == 0 && ::chmod(".", 0775) == 0);
        QVERIFY(mode < 0 || (::chown(file, owner, group) == 0 && ::chmod(file, mode_t(mode)) == 0));
        const ino_t before = statOf(file).st_ino;
        const mode_t previousMask = ::umask(mode_t(umask));
        MainMenu *menu = openMenu(action == "delete" || action == "check" ? 1 : 0);
        ground.messages.answer(QMessageBox::Yes);
        if (action == "check") {
            checkASheet(menu);
        } else if (action == "delete") {
            click(menu, "BtnDelStudent");
        } else {
            addStudent(menu, "CAT");
        }
        ::umask(previousMask);
        QCOMPARE(ground.messages.texts().size(), action == "delete" ? 1 : 0); // the question
        const struct stat after = statOf(file);
        QCOMPARE(kindAt(file), "file");
        QVERIFY(after.st_ino != before); // replaced as a whole, not written over
        QCOMPARE(after.st_mode & 07777, mode < 0 ? 0666 & ~mode_t(umask) : mode_t(mode));
        QCOMPARE(after.st_uid, owner);
        QCOMPARE(after.st_gid, group);
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
        QTest::newRow("add, sumroll.ini a directory from the start") << "btnAddStduent"
                                                                     << "a directory from the start"
                                                                     << "sumroll.ini" << 4;
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
        writeFile("ANN.hst", Record + "1/9/2026 9:05:00 AM#1#6#00:10:02\r\n");
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
        {
            // Read-only for everyone, as root, whose writes nothing stops, acts as nobody.
            const bool readOnly = fault == "read-only directory";
            QVERIFY(!readOnly || ::chmod(QFile::encodeName(work).constData(), 0505) == 0);
            std::optional<ActingAsNobody> nobody;
            if (readOnly) {
                nobody.emplace();
            }
            // In this process: a forked copy of the windows can hang in their locks.
            FileSizeLimit limit(fault == "size limit mid-write" ? sizeLimit : RLIM_INFINITY);
            click(window, qPrintable(press));
        }
        ::chmod(QFile::encodeName(work).constData(), 0700);
        QCOMPARE(snapshot(root.path()), before);
        // The question first; a roster that is a directory is also told of when the menu opens.
        QCOMPARE(messages.shown().size(),
                 press == "BtnDelStudent" || fault.endsWith("start") ? 2 : 1);
        QCOMPARE(messages.shown().constLast().icon, QMessageBox::Warning);
        const QString said = messages.texts().constLast();
        QVERIFY2(said.contains(named), qPrintable(said));
        // The limit's reason, even where part of the write went through.
        QVERIFY2(fault != "size limit mid-write" || said.contains(std::strerror(EFBIG)),
                 qPrintable(said));
        QCOMPARE(menu->session().students().size(), fault.endsWith("start") ? 0 : 3);
        QVERIFY(fault.endsWith("start") || menu->session().currentStudent()); // still picked
        // The marks stay.
        QVERIFY(press != "cmdcheck" || window->findChild<QLineEdit *>("txtScore")->text() != "");
        std::printf("outcome: %s: one warning naming %s; %d files and directories unchanged\n",
                    QTest::currentDataTag(), qPrintable(named), int(before.size()));
    }

    // Another program (another sumtrail, on this computer or over the network, or any editor)
    // rewrites the roster while the menu is open: the menu shows it when next looked at.
    void menuShowsAnotherProgramsChange_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<int>("picks"); // with the down arrow, before the change
        QTest::addColumn<QString>("written");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QString>("seen"); // what the person does next
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QString>("greeting"); // "Welcome" and whom, while one is picked
        QTest::addColumn<int>("warnings");
        const QByteArray annBen = "ANN\r\nBEN\r\n", three = "ANN\r\nBEN\r\nZOE\r\n";
        const QString select = "Please select student to begin or press \"New Student\"";
        const QString reselect = "Please Select student to begin or press \"New Student\"";
        const QString empty = "Press \"NEW STUDENT\" to begin";
        QTest::newRow("a name added, seen on a click")
            << annBen << 0 << "in place" << three << "click" << QStringList {"ANN", "BEN", "ZOE"}
            << select << 0;
        QTest::newRow("a name as long put in, times kept, seen on a click")
            << annBen << 0 << "in place, times kept" << QByteArray("ANN\r\nBOB\r\n") << "click"
            << QStringList {"ANN", "BOB"} << select << 0;
        QTest::newRow("another roster renamed over it, seen on a key that picks from it")
            << annBen << 0 << "renamed over" << QByteArray("ZOE\r\nADA\r\n") << "key"
            << QStringList {"ADA", "ZOE"} << "Welcome ADA" << 0;
        QTest::newRow("a name added, seen by the check every few seconds")
            << annBen << 0 << "renamed over" << three << "nothing"
            << QStringList {"ANN", "BEN", "ZOE"} << select << 0;
        QTest::newRow("the picked student deleted, seen on a click")
            << three << 2 << "in place" << QByteArray("ANN\r\nZOE\r\n") << "click"
            << QStringList {"ANN", "ZOE"} << reselect << 0;
        QTest::newRow("another student deleted, the pick kept")
            << three << 2 << "renamed over" << QByteArray("BEN\r\nZOE\r\n") << "click"
            << QStringList {"BEN", "ZOE"} << "Welcome BEN" << 0;
        QTest::newRow("the roster removed during an exercise, seen back in the menu")
            << annBen << 1 << "removed" << QByteArray() << "exercise" << QStringList {} << empty
            << 0;
        QTest::newRow("the roster emptied, no one picked: the prompt to add")
            << annBen << 0 << "in place" << QByteArray() << "click" << QStringList {} << empty << 0;
        QTest::newRow("the first names put in, no one picked: the prompt to pick")
            << QByteArray() << 0 << "renamed over" << annBen << "click"
            << QStringList {"ANN", "BEN"} << select << 0;
        QTest::newRow("a folder put in its place: told once, the list kept")
            << annBen << 1 << "made a folder" << QByteArray() << "two clicks"
            << QStringList {"ANN", "BEN"} << "Welcome ANN" << 1;
    }
    void menuShowsAnotherProgramsChange()
    {
        QFETCH(QByteArray, before);
        QFETCH(int, picks);
        QFETCH(QString, written);
        QFETCH(QByteArray, after);
        QFETCH(QString, seen);
        QFETCH(QStringList, listed);
        QFETCH(QString, greeting);
        const QString picked = greeting.startsWith("Welcome ") ? greeting.mid(8) : QString();
        WindowGround ground;
        const char *const roster = "sumroll.ini";
        writeFile(roster, before);
        MainMenu *menu = openMenu(picks);
        auto *list = menu->findChild<QComboBox *>("Combo1");
        QWidget *exercise = seen == "exercise" ? act(menu, {"Command1"}) : nullptr;
        const struct stat old = statOf(roster);
        if (written == "renamed over") {
            writeFile("sumroll.new", after);
            QVERIFY(::rename("sumroll.new", roster) == 0);
        } else if (written != "in place" && written != "in place, times kept") {
            QVERIFY(QFile::remove(roster));
            QVERIFY(written == "removed" || QDir().mkpath("sumroll.ini/inside"));
        } else {
            writeFile(roster, after);
        }
        const timespec kept[2] = {old.st_atim, old.st_mtim}; // as a copy that keeps times does
        QVERIFY(written != "in place, times kept" || ::utimensat(AT_FDCWD, roster, kept, 0) == 0);
        for (int clicks = seen == "two clicks" ? 2
                 : seen == "click"             ? 1
                                               : 0;
             clicks > 0; --clicks) {
            // The list opened with the mouse, as a person looks at it, and closed with Esc.
            QTest::mouseClick(list, Qt::LeftButton);
            if (QApplication::activePopupWidget()) {
                QTest::keyClick(list->view(), Qt::Key_Escape);
            }
            QCOMPARE(QApplication::activePopupWidget(), nullptr);
        }
        if (seen == "key") {
            QTest::keyClick(list, Qt::Key_Down);
        } else if (seen == "exercise") {
            click(exercise, "cmdMenu");
            QVERIFY(menu->isVisible());
        } else if (seen == "nothing") {
            QTRY_COMPARE_WITH_TIMEOUT(listedStudents(menu), listed, 5000);
        }
        QCOMPARE(listedStudents(menu), listed);
        QCOMPARE(QString::fromLatin1(menu->session().currentStudent().value_or("")), picked);
        QCOMPARE(windowButtonsEnabled(menu), picked.isEmpty() ? 0 : 3);
        QCOMPARE(menu->findChild<QLabel *>("lblWelcome")->text(), greeting);
        QTEST(int(ground.messages.texts().size()), "warnings");
        for (const QString &text : ground.messages.texts()) {
            QVERIFY2(text.contains("\"sumroll.ini\""), qPrintable(text));
        }
    }

    // Another sumtrail takes the roster's lock the moment this one's add has saved the
    // roster, and keeps it: the new student's history cannot be made (CAT.hst is a folder),
    // and the roster cannot be put back either. The message says what is so: the list
    // names the student; not that nothing was changed.
    void failedUndoOfAnAddIsToldAsItIs()
    {
        WindowGround ground; // ANN
        QVERIFY(QDir().mkpath("CAT.hst/inside"));
        std::atomic<int> step {0}; // 1: the history locked, 2: the roster locked, 3: done
        std::thread other([&step] {
            // The history's lock makes the add wait, until the roster's lock is taken.
            auto history = std::make_optional<FileLock>("CAT.hst");
            history->lock();
            step = 1;
            for (int waited = 0; !readFile("sumroll.ini").contains("CAT") && waited < 10000;
                 waited += 2) {
                QThread::msleep(2);
            }
            FileLock roster("sumroll.ini");
            roster.lock();
            history.reset();
            step = 2;
            while (step != 3) {
                QThread::msleep(10);
            }
        });
        const auto done = qScopeGuard([&] {
            step = 3;
            other.join();
        });
        while (step != 1) {
            QThread::msleep(1);
        }
        MainMenu *menu = openMenu();
        addStudent(menu, "CAT");
        QCOMPARE(step.load(), 2);
        QCOMPARE(ground.messages.texts().size(), 1);
        const QString said = ground.messages.texts().constFirst();
        QVERIFY2(said.startsWith("The file \"CAT.hst\" could not be written: it is a folder")
                     && said.contains("lists CAT without a history file")
                     && said.contains("\"sumroll.ini\"") && !said.contains("Nothing was changed"),
                 qPrintable(said));
        QCOMPARE(readFile("sumroll.ini"), "ANN\r\nCAT\r\n");
        QCOMPARE(listedStudents(menu), (QStringList {"ANN", "CAT"}));
    }
};

QTEST_MAIN(tst_hostilefolder)
#include "tst_hostilefolder.moc"
