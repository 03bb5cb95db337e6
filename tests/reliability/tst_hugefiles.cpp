// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/records/history.h"
#include "gui/menu/mainmenu.h"
#include "support/testsupport.h"

#include <QElapsedTimer>
#include <QTest>

#include <unistd.h>

using namespace testsupport;

namespace {
// Memory, where holes read as zeros without filling the page cache: 8 GB of them are read
// in a second instead of half a minute.
QString fastFolder()
{
    const QFileInfo shm(QStringLiteral("/dev/shm"));
    return shm.isDir() && shm.isWritable() ? shm.filePath() : QDir::tempPath();
}

// A figure of /proc/self/status, in kB.
long statusKb(const QByteArray &field)
{
    for (const QByteArray &line : readFile("/proc/self/status").split('\n')) {
        if (line.startsWith(field + ':')) {
            return line.mid(field.size() + 1).trimmed().split(' ').value(0).toLong();
        }
    }
    return -1;
}

// The memory held now, and from now on the most held since.
long residentKbFromNowOn()
{
    writeFile("/proc/self/clear_refs", "5");
    return statusKb("VmRSS");
}
} // namespace

// Data files of gigabytes, and a history grown by ten thousand checks: opening them neither
// ends the program nor takes their size in memory. Each result line ("outcome:") is a figure
// of docs/reliability.md; the sanitizer build runs lighter. How memory grows with the
// number of names is for the benchmarks to measure.
class tst_hugefiles : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QVERIFY(closeEveryWindow()); }

    // Sparse files of one line without an end, taking no room on the disk: too long to be a
    // name or a record, so passed over, and not held in memory.
    void hugeDataFilesOpened_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<qint64>("size");
        QTest::newRow("history of 8 GB, in the report")
            << QByteArray("ANN.hst") << (qint64(8) << 30);
        QTest::newRow("roster of 3 GB, at start-up")
            << QByteArray("sumroll.ini") << (qint64(3) << 30);
    }
    void hugeDataFilesOpened()
    {
        QFETCH(QByteArray, file);
        QFETCH(qint64, size);
        WorkDir dir(fastFolder());
        ScriptedMessages messages;
        writeFile("sumroll.ini", "ANN\r\n");
        writeFile("ANN.hst", "12/5/2026 1:23:45 PM#3#81#00:03:27\r\n");
        writeFile(file, QByteArray()); // then holes alone
        QVERIFY(::truncate(file.constData(), off_t(size)) == 0);
        const bool isRoster = file == "sumroll.ini";
        const long before = residentKbFromNowOn();
        QElapsedTimer elapsed;
        elapsed.start();
        MainMenu *menu = openMenu(isRoster ? 0 : 1);
        QCOMPARE(isRoster ? listedStudents(menu) : reportLines(act(menu, {"Command4"})),
                 QStringList());
        const qint64 ms = elapsed.elapsed();
        const long grewKb = statusKb("VmHWM") - before;
        // The roster's one line is told of; the history's is no record, as any other such line.
        QCOMPARE(messages.texts().size(), int(isRoster));
        QCOMPARE(messages.texts().filter("\"sumroll.ini\"").size(), int(isRoster));
        std::printf("outcome: %s: %lld bytes opened in %lld ms, memory grew by %ld kB\n",
                    QTest::currentDataTag(), qlonglong(size), ms, grewKb);
        QVERIFY2(grewKb < 64 * 1024, qPrintable(QString::number(grewKb) + " kB more"));
    }

    // Sheet after sheet checked through the exercise window into one history: as many
    // well-formed lines, and memory that stays flat.
    void tenThousandChecksGiveTenThousandLines()
    {
        WindowGround ground; // ANN, with one result so far
        QWidget *window = act(openMenu(1), {"Command1"});
        const int sheets = SUMTRAIL_SANITIZED ? 1000 : 10000;
        long warmedUpKb = 0;
        QElapsedTimer elapsed;
        elapsed.start();
        for (int i = 1; i <= sheets; ++i) {
            click(window, "CmdNew");
            ground.clock.advance(7);
            click(window, "cmdcheck");
            if (i % 100 == 0) { // what the event loop does between a person's clicks
                QCoreApplication::processEvents();
            }
            warmedUpKb = i == sheets / 20 ? statusKb("VmRSS") : warmedUpKb;
        }
        const long endKb = statusKb("VmRSS");
        QCOMPARE(ground.messages.texts(), QStringList());
        // As many lines as records, so each record whole on its own line.
        QCOMPARE(readFile("ANN.hst").count("\r\n"), 1 + sheets);
        QCOMPARE(history::readRecords("ANN.hst").size(), 1 + sheets);
        std::printf("outcome: %d sheets checked in %lld ms; resident memory %ld kB after %d "
                    "sheets, %ld kB after %d\n",
                    sheets, elapsed.elapsed(), warmedUpKb, sheets / 20, endKb, sheets);
        // Flat, except under the sanitizer, whose quarantine of freed memory grows by design.
        QVERIFY2(SUMTRAIL_SANITIZED || endKb - warmedUpKb < 16 * 1024, "memory grew");
    }
};

QTEST_MAIN(tst_hugefiles)
#include "tst_hugefiles.moc"
