// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/records/atomicfile.h"
#include "core/records/roster.h"
#include "core/records/studentlist.h"
#include "support/testfiles.h"

#include <QTest>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

using namespace testsupport;

namespace {
// Where reads of one file start to fail, as on a disk with a bad sector or a share that
// drops: every read() of this process passes through the one below.
struct ReadFault
{
    std::atomic<bool> armed {false};
    dev_t device = 0;
    ino_t inode = 0;
    off_t failFrom = 0;
};
ReadFault readFault;

// Makes the reads of a file fail from an offset on, for the life of the object.
class FailingReads
{
public:
    FailingReads(const char *path, off_t failFrom)
    {
        struct stat st
        {
        };
        if (::stat(path, &st) == 0) {
            readFault.device = st.st_dev;
            readFault.inode = st.st_ino;
            readFault.failFrom = failFrom;
            readFault.armed = true;
        }
    }
    ~FailingReads() { readFault.armed = false; }
    FailingReads(const FailingReads &) = delete;
    FailingReads &operator=(const FailingReads &) = delete;
};

} // namespace

// Qt's file reads come here before the C library's own: reads of the file the test chose
// fail part-way, the rest go on as ever.
extern "C" ssize_t read(int fd, void *buffer, size_t size)
{
    if (readFault.armed) {
        struct stat st
        {
        };
        if (::fstat(fd, &st) == 0 && st.st_dev == readFault.device
            && st.st_ino == readFault.inode) {
            const off_t at = ::lseek(fd, 0, SEEK_CUR);
            if (at >= readFault.failFrom) {
                errno = EIO;
                return -1;
            }
            size = std::min(size, size_t(readFault.failFrom - at));
        }
    }
    return ::syscall(SYS_read, fd, buffer, size);
}

// Opening and reading the data files of the working folder: reads that fail part-way, the
// stamp that tells another program's change, and the temporary files of saves.
class tst_datafile : public QObject
{
    Q_OBJECT
    std::optional<WorkDir> m_dir;
private slots:
    void init() { m_dir.emplace(); }
    void cleanup() { m_dir.reset(); }

    // A roster whose reading stops part-way keeps the lines read whole before the failure
    // and is not taken for the whole roster: no change is saved over it, which would drop
    // the names not read.
    void rosterThatFailsPartWayIsNotChanged_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<off_t>("failFrom");
        QTest::addColumn<QByteArrayList>("names");
        const QByteArray three = "ANN\r\nBEN\r\nZOE\r\n";
        const QByteArrayList all = {"ANN", "BEN", "ZOE"};
        QTest::newRow("at the first byte") << three << off_t(0) << QByteArrayList {};
        QTest::newRow("right after a line end") << three << off_t(5) << QByteArrayList {"ANN"};
        QTest::newRow("inside the second name") << three << off_t(7) << QByteArrayList {"ANN"};
        QTest::newRow("between CR and LF") << three << off_t(9) << all.first(2);
        QTest::newRow("after the last line end") << three << off_t(15) << all;
        QTest::newRow("in a last line without an end") << three + "AL" << off_t(17) << all;
        QTest::newRow("past the end: read whole") << three << off_t(16) << all;
    }
    void rosterThatFailsPartWayIsNotChanged()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(off_t, failFrom);
        writeFile(roster::FileName, bytes);
        const bool whole = failFrom > bytes.size();
        roster::ReadResult read;
        roster::ChangeResult added, removed;
        QString loadProblem;
        {
            FailingReads failing(roster::FileName, failFrom);
            read = roster::read();
            StudentList list;
            loadProblem = roster::loadInto(list);
            added = roster::addName("CAT");
            removed = roster::removeName("ZOE");
        }
        QTEST(read.names, "names");
        QCOMPARE(read.whole, whole);
        if (whole) { // the fault in the test is what makes the other rows fail
            QCOMPARE(added.outcome, roster::ChangeResult::Changed);
            QCOMPARE(removed.outcome, roster::ChangeResult::Changed);
            QCOMPARE(readFile(roster::FileName), "ANN\r\nBEN\r\nCAT\r\n");
            return;
        }
        const QString reason = QString::fromLocal8Bit(std::strerror(EIO));
        QCOMPARE(read.message, "The file \"sumroll.ini\" could not be read: " + reason + ".");
        QVERIFY2(loadProblem.startsWith(read.message) && loadProblem.contains("No change"),
                 qPrintable(loadProblem));
        for (const roster::ChangeResult &change : {added, removed}) {
            QCOMPARE(change.outcome, roster::ChangeResult::Failed);
            QCOMPARE(change.message, read.message + "\nNothing was changed.");
        }
        QCOMPARE(fileNamesIn("."), QList<QByteArray> {roster::FileName}); // no lock, no temporary
        QCOMPARE(readFile(roster::FileName), bytes);
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
        struct stat before
        {
        };
        QVERIFY(::stat(roster::FileName, &before) == 0);
        writeFile(roster::FileName, "ANN\r\nBOB\r\n");
        const timespec times[2] = {before.st_atim, before.st_mtim};
        QVERIFY(::utimensat(AT_FDCWD, roster::FileName, times, 0) == 0);
        QTRY_VERIFY_WITH_TIMEOUT(roster::stamp() == roster::stamp(), 5000);
        QVERIFY(roster::stamp() != settled);
        QVERIFY(QFile::remove(roster::FileName));
        QCOMPARE(roster::stamp(), QByteArray());
    }

    // Temporary files left beside the roster by a save that was killed go with a later
    // save; one that holds the lock knows no other save runs and removes them all.
    void leftoverTemporariesGoWithALaterSave_data()
    {
        QTest::addColumn<QString>("save");
        QTest::addColumn<QList<QByteArray>>("left"); // besides the roster
        // Another file's temporary, a folder, and a student's history whose name begins as
        // a temporary file's does.
        const QList<QByteArray> kept = {".ANN.hst.saving-C0FFEE", ".sumroll.ini.saving-folder",
                                        ".sumroll.ini.saving-ABCDEF.hst"};
        QTest::newRow("a name added, under the lock") << "add" << kept;
        QTest::newRow("a name removed, under the lock") << "remove" << kept;
        QTest::newRow("saved without the lock: only the old ones")
            << "write" << (kept + QList<QByteArray> {".sumroll.ini.saving-NEW123"});
    }
    void leftoverTemporariesGoWithALaterSave()
    {
        QFETCH(QString, save);
        QFETCH(QList<QByteArray>, left);
        writeFile(roster::FileName, "ANN\r\nBEN\r\n");
        const QByteArray prefix = AtomicFile::temporaryPrefix(roster::FileName);
        QCOMPARE(prefix, ".sumroll.ini.saving-");
        writeFile(prefix + "NEW123", "ANN\r\n"); // a save that may still be running
        writeFile(prefix + "OLD456", "ANN\r\nB");
        writeFile(".ANN.hst.saving-C0FFEE", "another file's");
        writeFile(".sumroll.ini.saving-ABCDEF.hst", "a student's results");
        QVERIFY(QDir().mkpath(prefix + "folder/inside"));
        const timespec eleventhMinute[2]
            = {{::time(nullptr) - 11 * 60, 0}, {::time(nullptr) - 11 * 60, 0}};
        for (const char *old : {".sumroll.ini.saving-OLD456", ".ANN.hst.saving-C0FFEE",
                                ".sumroll.ini.saving-folder", ".sumroll.ini.saving-ABCDEF.hst"}) {
            QVERIFY(::utimensat(AT_FDCWD, old, eleventhMinute, 0) == 0);
        }
        const bool saved = save == "add"
            ? roster::addName("CAT").outcome == roster::ChangeResult::Changed
            : save == "remove" ? roster::removeName("BEN").outcome == roster::ChangeResult::Changed
                               : roster::writeNames(roster::FileName, {"ANN", "BEN"}).ok;
        QVERIFY(saved);
        QList<QByteArray> names = fileNamesIn(".");
        QVERIFY(names.removeOne(roster::FileName));
        std::sort(left.begin(), left.end());
        QCOMPARE(names, left);
    }
};

QTEST_GUILESS_MAIN(tst_datafile)
#include "tst_datafile.moc"
