// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/records/atomicfile.h"
#include "core/records/history.h"
#include "core/records/roster.h"
#include "core/records/studentlist.h"
#include "support/testfiles.h"

#include <QTest>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdarg>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

using namespace testsupport;

namespace {
// How one file goes wrong, as on a disk with a bad sector, a share that drops, or under
// another program quick enough to swap the file between a look at it and its opening:
// every open() and read() of this process passes through the ones below.
struct FileFault
{
    QByteArray name;
    QByteArray atOpen; // "refused", or "pipe" or "link out" put in the file's place once
    off_t failReadsFrom = -1; // of the file as it is when armed; -1: never
    struct stat file = {};
    bool openedBlocking = false; // a file swapped in opened in a way that can wait on a pipe
};
FileFault fault;
std::atomic<bool> armed {false};

// Arms a fault until disarmed.
void arm(FileFault f)
{
    ::stat(f.name.constData(), &f.file);
    fault = f;
    armed = true;
}

const uid_t Nobody = 65534;
const gid_t Users = 100, Staff = 50;
} // namespace

extern "C" int open(const char *name, int flags, ...)
{
    va_list rest;
    va_start(rest, flags);
    const bool made = (flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE;
    const mode_t mode = made ? mode_t(va_arg(rest, int)) : 0;
    va_end(rest);
    if (armed && fault.name == name && fault.atOpen == "refused") {
        errno = EACCES;
        return -1;
    }
    if (armed && fault.name == name && !fault.atOpen.isEmpty()) {
        ::unlink(name);
        fault.atOpen == "pipe" ? ::mkfifo(name, 0666) : ::symlink("../outside/sumroll.ini", name);
        fault.atOpen.clear();
        fault.openedBlocking = !(flags & O_NONBLOCK);
        flags |= O_NONBLOCK; // told, not hung
    }
    return int(::syscall(SYS_openat, AT_FDCWD, name, flags, mode));
}

extern "C" ssize_t read(int fd, void *buffer, size_t size)
{
    struct stat st = {};
    if (armed && fault.failReadsFrom >= 0 && ::fstat(fd, &st) == 0 && st.st_dev == fault.file.st_dev
        && st.st_ino == fault.file.st_ino) {
        const off_t at = ::lseek(fd, 0, SEEK_CUR);
        if (at >= fault.failReadsFrom) {
            errno = EIO;
            return -1;
        }
        size = std::min(size, size_t(fault.failReadsFrom - at));
    }
    return ::syscall(SYS_read, fd, buffer, size);
}

// The data files of the working folder as the records layer opens, reads and replaces
// them: what may stand at their names, reads that fail, the stamp that tells another
// program's change, owners and modes, and the temporary files of saves.
class tst_datafile : public QObject
{
    Q_OBJECT
    std::optional<WorkDir> m_dir;
private slots:
    // In a folder of its own, beside one outside it.
    void init()
    {
        m_dir.emplace();
        QVERIFY(QDir().mkdir("work") && QDir().mkdir("outside") && QDir::setCurrent("work"));
    }
    void cleanup() { m_dir.reset(); }

    // Only a link to a file of the folder is used, as that file. Anything else is refused
    // by every reader and writer (the reader says which file and why) and left as it is;
    // nothing outside the folder is read, written or made.
    void dataFilesThatAreNoPlainFiles_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char *kind : {"link out", "dangling link", "link in", "pipe", "folder"}) {
            QTest::newRow(kind) << kind;
        }
    }
    void dataFilesThatAreNoPlainFiles()
    {
        QFETCH(QString, kind);
        QList<QByteArray> shapes;
        for (const QByteArray file : {"sumroll.ini", "ANN.hst"}) {
            writeFile("../outside/" + file, "OUT\r\n");
            writeFile("in-" + file, "ANN\r\n");
            const QByteArray target = kind == "link out" ? "../outside/" + file
                : kind == "dangling link"                ? "../outside/gone"
                                                         : "in-" + file;
            QVERIFY(kind.contains("link") ? ::symlink(target, file) == 0
                        : kind == "pipe"  ? ::mkfifo(file, 0666) == 0
                                          : QDir().mkpath(file + "/inside"));
            shapes.append(kindAt(file));
        }
        const Files outside = snapshot("../outside");
        const QList<QByteArray> names = fileNamesIn(".");

        const bool used = kind == "link in";
        const roster::ReadResult read = roster::read();
        QCOMPARE(read.whole, used);
        QCOMPARE(read.names, used ? QByteArrayList {"ANN"} : QByteArrayList {});
        // The reason worded for one kind; every message names the file.
        QCOMPARE(read.message.contains("\"sumroll.ini\""), !used);
        QVERIFY(kind != "link out"
                || read.message.endsWith("read: it is a link to a place outside this folder."));
        const HistoryRecord record {"d", "1", "2", "3"};
        // Starting a history anew would empty or move the file a link names, in the folder too.
        for (const auto &[written, allowed] :
             {std::pair {roster::writeNames(roster::FileName, {"ANN", "BEN"}), used},
              {history::append("ANN", record), used},
              {history::create("ANN"), false}}) {
            QVERIFY2(written.ok == allowed, qPrintable(written.message));
        }
        QCOMPARE(kindAt("sumroll.ini"), shapes[0]);
        QCOMPARE(kindAt("ANN.hst"), shapes[1]);
        QCOMPARE(snapshot("../outside"), outside);
        QCOMPARE(fileNamesIn("."), names);
        QVERIFY(!used || readFile("in-sumroll.ini") == "ANN\r\nBEN\r\n");
        QVERIFY(!used || readFile("in-ANN.hst") == "ANN\r\nd#1#2#3\r\n");
    }

    // A roster that cannot be opened as it was seen, or whose reading stops part-way, keeps
    // the lines read whole before the failure and is not taken for the whole roster: no
    // change is saved over it, which would drop the names not read.
    void rosterReadPartlyIsNotChanged_data()
    {
        QTest::addColumn<QByteArray>("atOpen");
        QTest::addColumn<off_t>("failFrom"); // of "ANN\r\nBEN\r\nZOE\r\nAL"
        QTest::addColumn<QByteArrayList>("names");
        QTest::newRow("the open refused")
            << QByteArray("refused") << off_t(-1) << QByteArrayList {};
        QTest::newRow("a pipe put in its place as it is opened")
            << QByteArray("pipe") << off_t(-1) << QByteArrayList {};
        QTest::newRow("a link out put in its place as it is opened")
            << QByteArray("link out") << off_t(-1) << QByteArrayList {};
        QTest::newRow("inside the second name")
            << QByteArray() << off_t(7) << QByteArrayList {"ANN"};
        QTest::newRow("past the end: read whole")
            << QByteArray() << off_t(18) << QByteArrayList {"ANN", "BEN", "ZOE", "AL"};
    }
    void rosterReadPartlyIsNotChanged()
    {
        QFETCH(QByteArray, atOpen);
        QFETCH(off_t, failFrom);
        QFETCH(QByteArrayList, names);
        const QByteArray bytes = "ANN\r\nBEN\r\nZOE\r\nAL";
        writeFile(roster::FileName, bytes);
        writeFile("../outside/sumroll.ini", "OUT\r\n"); // read, were the link followed
        arm({roster::FileName, atOpen, failFrom});
        const roster::ReadResult read = roster::read();
        StudentList list;
        const QString loadProblem = roster::loadInto(list);
        const roster::ChangeResult added = roster::addName("CAT");
        const roster::ChangeResult removed = roster::removeName("ZOE");
        armed = false;
        QVERIFY(!fault.openedBlocking);
        QCOMPARE(read.names, names);
        QCOMPARE(read.whole, names.size() == 4);
        if (read.whole) { // the fault in the test is what makes the other rows fail
            QCOMPARE(added.outcome, roster::ChangeResult::Changed);
            QCOMPARE(removed.outcome, roster::ChangeResult::Changed);
            QCOMPARE(readFile(roster::FileName), "AL\r\nANN\r\nBEN\r\nCAT\r\n");
            return;
        }
        QVERIFY2(read.message.contains("\"sumroll.ini\"") && loadProblem.startsWith(read.message),
                 qPrintable(loadProblem));
        QCOMPARE(added.outcome, roster::ChangeResult::Failed);
        QCOMPARE(removed.outcome, roster::ChangeResult::Failed);
        QVERIFY2(added.message.endsWith("\nNothing was changed."), qPrintable(added.message));
        QCOMPARE(fileNamesIn("."), QList<QByteArray> {roster::FileName}); // no lock, no temporary
        QVERIFY(!atOpen.isEmpty() || readFile(roster::FileName) == bytes);
    }

    // The menu tells another program's change by the roster's stamp: a change that keeps
    // the size and puts the modification time back, as a copy that keeps times does, shows
    // too; and one just made shows however fine the file system's clock is.
    void stampShowsAChangeThatKeepsSizeAndTime()
    {
        writeFile(roster::FileName, "ANN\r\nBEN\r\n");
        QVERIFY(roster::stamp() != roster::stamp()); // too fresh to vouch for
        QTRY_VERIFY_WITH_TIMEOUT(roster::stamp() == roster::stamp(), 5000); // settles
        const QByteArray settled = roster::stamp();
        struct stat before = {};
        QVERIFY(::stat(roster::FileName, &before) == 0);
        writeFile(roster::FileName, "ANN\r\nBOB\r\n");
        const timespec times[2] = {before.st_atim, before.st_mtim};
        QVERIFY(::utimensat(AT_FDCWD, roster::FileName, times, 0) == 0);
        QTRY_VERIFY_WITH_TIMEOUT(roster::stamp() == roster::stamp(), 5000);
        QVERIFY(roster::stamp() != settled);
        QVERIFY(QFile::remove(roster::FileName));
        QCOMPARE(roster::stamp(), QByteArray());
    }

    // A roster replaced by a save keeps its owner, group and mode, and one made gets the
    // folder's group and rw-rw-rw- less the umask: a class sharing the folder through a group
    // keeps its access.
    void filesKeepTheClassesAccess_data()
    {
        QTest::addColumn<int>("mode"); // the file's before; -1: made
        QTest::addColumn<uint>("owner");
        QTest::addColumn<uint>("group");
        QTest::newRow("replaced, rw----r-- nobody:staff") << 0604 << uint(Nobody) << uint(Staff);
        QTest::newRow("made, umask 027") << -1 << 0u << uint(Users);
    }
    void filesKeepTheClassesAccess()
    {
        QFETCH(int, mode);
        // The class's group, with no set-group-ID bit that would give it by itself.
        QVERIFY(::chown(".", 0, Users) == 0 && ::chmod(".", 0775) == 0);
        if (mode >= 0) {
            writeFile(roster::FileName, "ANN\r\n");
            QVERIFY(::chown(roster::FileName, Nobody, Staff) == 0
                    && ::chmod(roster::FileName, mode_t(mode)) == 0);
        }
        struct stat st = {};
        const ino_t before = ::stat(roster::FileName, &st) == 0 ? st.st_ino : 0;
        const mode_t previousMask = ::umask(027);
        const bool done = roster::addName("CAT").outcome == roster::ChangeResult::Changed;
        ::umask(previousMask);
        QVERIFY(done && ::stat(roster::FileName, &st) == 0 && S_ISREG(st.st_mode));
        QVERIFY(st.st_ino != before); // replaced as a whole, not written over
        QCOMPARE(st.st_mode & 07777, mode < 0 ? 0640 : mode_t(mode));
        QTEST(uint(st.st_uid), "owner");
        QTEST(uint(st.st_gid), "group");
    }

    // Temporary files left beside the roster by a save that was killed go with a later save:
    // the old ones always, the others once the save holds the lock and so knows no other
    // save runs. A student's history whose name begins as a temporary file's does stays.
    void leftoverTemporariesGoWithALaterSave()
    {
        writeFile(roster::FileName, "ANN\r\nBEN\r\n");
        const QByteArray prefix = AtomicFile::temporaryPrefix(roster::FileName);
        QCOMPARE(prefix, ".sumroll.ini.saving-");
        QList<QByteArray> left = {prefix + "ABCDEF.hst", prefix + "NEW123", roster::FileName};
        writeFile(left[0], "a student's results");
        writeFile(left[1], "ANN\r\n"); // a save that may still be running
        writeFile(prefix + "OLD456", "ANN\r\nB");
        const timespec eleventhMinute[2]
            = {{::time(nullptr) - 11 * 60, 0}, {::time(nullptr) - 11 * 60, 0}};
        for (const QByteArray &old : {left[0], prefix + "OLD456"}) {
            QVERIFY(::utimensat(AT_FDCWD, old, eleventhMinute, 0) == 0);
        }
        QVERIFY(roster::writeNames(roster::FileName, {"ANN", "BEN"}).ok); // without the lock
        QCOMPARE(fileNamesIn("."), left);
        QCOMPARE(roster::addName("CAT").outcome, roster::ChangeResult::Changed);
        left.removeOne(prefix + "NEW123");
        QCOMPARE(fileNamesIn("."), left);
    }
};

QTEST_GUILESS_MAIN(tst_datafile)
#include "tst_datafile.moc"
