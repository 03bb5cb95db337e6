#include "gui/menu/mainmenu.h"
#include "gui/report/linelistview.h"
#include "support/testsupport.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QTest>

#include <fcntl.h>
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

// Data files of gigabytes, sparse so that they take no room on the disk: opening them
// neither ends the program nor takes their size in memory.
class tst_hugefiles : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QVERIFY(closeEveryWindow()); }

    // One line without an end: too long to be a name or a record, so passed over.
    void sparseFileWithoutLineEnds_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<qint64>("size");
        QTest::newRow("history of 8 GB, in the report")
            << QByteArray("ANN.hst") << (qint64(8) << 30);
        QTest::newRow("roster of 3 GB, at start-up")
            << QByteArray("sumroll.ini") << (qint64(3) << 30);
    }
    void sparseFileWithoutLineEnds()
    {
        QFETCH(QByteArray, file);
        QFETCH(qint64, size);
        WorkDir dir(fastFolder());
        ScriptedMessages messages;
        writeFile("sumroll.ini", "ANN\r\n");
        writeFile("ANN.hst", "12/5/2026 1:23:45 PM#3#81#00:03:27\r\n");
        const int fd = ::open(file.constData(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        QVERIFY(fd >= 0);
        const bool grown = ::ftruncate(fd, off_t(size)) == 0;
        ::close(fd);
        QVERIFY(grown);
        const bool isRoster = file == "sumroll.ini";
        const long before = residentKbFromNowOn();
        QElapsedTimer elapsed;
        elapsed.start();
        MainMenu *menu = openMenu(isRoster ? 0 : 1);
        int listed = menu->findChild<QComboBox *>("Combo1")->count();
        if (!isRoster) {
            const QWidget *report = act(menu, {"Command4"});
            listed = report->findChild<LineListView *>("List1")->rowCount() - 1; // less the heading
        }
        const qint64 ms = elapsed.elapsed();
        const long grewKb = statusKb("VmHWM") - before;
        QCOMPARE(listed, 0);
        // The roster's one line is told of; the history's is no record, as any other such line.
        QCOMPARE(messages.texts(),
                 isRoster ? QStringList {"1 line(s) of the file \"sumroll.ini\" are too long to be "
                                         "names: they are not listed, and a change of the list "
                                         "leaves them out."}
                          : QStringList {});
        QVERIFY2(grewKb < 64 * 1024, qPrintable(QString::number(grewKb) + " kB more"));
        std::printf("outcome: %s: %lld bytes opened in %lld ms, memory grew by %ld kB\n",
                    QTest::currentDataTag(), size, ms, grewKb);
    }
};

QTEST_MAIN(tst_hugefiles)
#include "tst_hugefiles.moc"
