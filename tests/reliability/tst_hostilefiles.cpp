#include "reliabilitysupport.h"

#include "exercise/addition.h"
#include "menu/mainportal.h"
#include "records/history.h"
#include "records/textlines.h"
#include "report/linelistview.h"
#include "report/report.h"
#include "support/testsupport.h"
#include "ui/windows.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <cstdarg>
#include <cstdio>
#include <memory>

using namespace reliability;

// Files no program of ours wrote, opened through the windows: what can be read is listed,
// nothing is written outside the working directory, and the work done stays in proportion
// to the file. Times are printed, not asserted, beyond a bound that only a hang exceeds.
class tst_HostileFiles : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void rosterOfAMillionNames();
    void rosterOfOneHundredMegabyteLine();
    void namesThatAreNotPlainFileNames();
    void historyWithCarriageReturnsOnly();
    void historyOfBinaryJunk();
    void historyWithAHundredMegabyteLine();

private:
    MainPortal *openMenu();
    void pick(int row);
    report *openReport();
    // Starts an exercise for the picked student, checks it and goes back to the menu.
    void checkOneSheet();
    static QPushButton *button(QWidget *w, const char *name)
    {
        return w->findChild<QPushButton *>(QString::fromLatin1(name));
    }
    QStringList outsideWorkDir() const;

    std::unique_ptr<QTemporaryDir> m_root;
    QString m_previousDir;
    std::unique_ptr<testsupport::ScriptedMessages> m_messages;
    MainPortal *m_menu = nullptr;
};

// One line of figures for the record; printed directly, since the test's message count is
// capped and a 100 MB name makes the fonts complain many times.
__attribute__((format(printf, 1, 2))) static void outcome(const char *format, ...)
{
    std::va_list args;
    va_start(args, format);
    std::printf("outcome: ");
    std::vprintf(format, args);
    std::printf("\n");
    std::fflush(stdout);
    va_end(args);
}

// A hang, not a slow machine, takes this long: the sanitizer build runs several times slower.
constexpr qint64 SanityBoundMs = 120000;

void tst_HostileFiles::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir(m_root->path()).mkdir(QStringLiteral("work")));
    m_previousDir = QDir::currentPath();
    QDir::setCurrent(m_root->filePath(QStringLiteral("work")));
    m_messages = std::make_unique<testsupport::ScriptedMessages>();
}

void tst_HostileFiles::cleanup()
{
    testsupport::closeAllWindows();
    QCOMPARE(testsupport::visibleTopLevelWindows(), 0);
    QVERIFY(Windows::loaded().isEmpty());
    QCOMPARE(outsideWorkDir(), QStringList());
    m_messages.reset();
    QDir::setCurrent(m_previousDir);
    m_root.reset();
    m_menu = nullptr;
}

QStringList tst_HostileFiles::outsideWorkDir() const
{
    QStringList found = QDir(m_root->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    found.removeOne(QStringLiteral("work"));
    return found;
}

MainPortal *tst_HostileFiles::openMenu()
{
    m_menu = Windows::load<MainPortal>();
    m_menu->show();
    return m_menu;
}

void tst_HostileFiles::pick(int row)
{
    auto *combo = m_menu->findChild<QComboBox *>(QStringLiteral("Combo1"));
    combo->setFocus();
    if (combo->currentIndex() < 0) {
        QTest::keyClick(combo, Qt::Key_Down);
    }
    while (combo->currentIndex() < row) {
        QTest::keyClick(combo, Qt::Key_Down);
    }
    while (combo->currentIndex() > row) {
        QTest::keyClick(combo, Qt::Key_Up);
    }
}

report *tst_HostileFiles::openReport()
{
    QTest::mouseClick(button(m_menu, "Command4"), Qt::LeftButton);
    return Windows::find<report>();
}

void tst_HostileFiles::checkOneSheet()
{
    QTest::mouseClick(button(m_menu, "Command1"), Qt::LeftButton);
    auto *window = Windows::find<Addition>();
    QVERIFY(window);
    QTest::mouseClick(button(window, "cmdcheck"), Qt::LeftButton);
    QTest::mouseClick(button(window, "cmdMenu"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!Windows::find<Addition>());
}

static int listedRecords(const report *w)
{
    return w->findChild<LineListView *>(QStringLiteral("List1"))->model()->rowCount() - 1;
}

void tst_HostileFiles::rosterOfAMillionNames()
{
    constexpr int Count = 1000000;
    QByteArray roster;
    roster.reserve(Count * 12);
    for (int i = Count; i > 0; --i) { // in reverse, so that loading has to sort
        roster += "N" + QByteArray::number(i).rightJustified(7, '0') + "\r\n";
    }
    testsupport::writeFile(QStringLiteral("sumroll.ini"), roster);

    QElapsedTimer t;
    t.start();
    openMenu();
    const qint64 loadMs = t.elapsed();
    auto *combo = m_menu->findChild<QComboBox *>(QStringLiteral("Combo1"));
    QCOMPARE(combo->count(), Count);
    QCOMPARE(combo->itemText(0), QStringLiteral("N0000001"));

    pick(0);
    m_messages->answer(QMessageBox::Yes);
    t.restart();
    QTest::mouseClick(button(m_menu, "BtnDelStudent"), Qt::LeftButton);
    const qint64 deleteMs = t.elapsed();
    const QByteArray saved = testsupport::readFile(QStringLiteral("sumroll.ini"));
    QCOMPARE(saved.count("\r\n"), qsizetype(Count - 1));
    QVERIFY(saved.startsWith("N0000002\r\nN0000003\r\n"));
    QVERIFY(loadMs < SanityBoundMs && deleteMs < SanityBoundMs);
    outcome("roster of %d names (%lld bytes): menu loaded in %lld ms; a delete "
            "rewrote it in %lld ms",
            Count, qlonglong(roster.size()), loadMs, deleteMs);
}

void tst_HostileFiles::rosterOfOneHundredMegabyteLine()
{
    // A tenth of it under the sanitizers, where laying out its glyphs takes minutes.
    const QByteArray name((underAddressSanitizer() ? 10 : 100) * 1024 * 1024, 'A');
    testsupport::writeFile(QStringLiteral("sumroll.ini"), name + "\r\nBEN\r\n");

    QElapsedTimer t;
    t.start();
    openMenu();
    const qint64 loadMs = t.elapsed();
    QCOMPARE(m_menu->students().size(), 2);
    QCOMPARE(m_menu->students().nameAt(0).size(), name.size());

    t.restart();
    pick(0);
    checkOneSheet(); // the file name is far too long: refused with a message
    const qint64 checkMs = t.elapsed();
    QCOMPARE(m_messages->shown().size(), 1);
    QCOMPARE(QDir().entryList(QDir::Files), QStringList {QStringLiteral("sumroll.ini")});
    QVERIFY(loadMs < SanityBoundMs && checkMs < SanityBoundMs);
    outcome("roster with a %lld-byte line: menu loaded in %lld ms; picking it and "
            "checking a sheet took %lld ms and gave one message (%lld characters)",
            qlonglong(name.size()), loadMs, checkMs,
            qlonglong(m_messages->shown().first().text.size()));
}

void tst_HostileFiles::namesThatAreNotPlainFileNames()
{
    const QList<QByteArray> names = {QByteArray("ANN\0X", 5),
                                     "\xff\xfe"
                                     "BAD",
                                     "../x",
                                     "/etc/x",
                                     "a\\b",
                                     ".",
                                     ".."};
    QVERIFY2(!QFileInfo::exists(QStringLiteral("/etc/x.hst")), "a file left by someone else");
    QByteArray roster;
    for (const QByteArray &n : names) {
        roster += n + "\r\n";
    }
    testsupport::writeFile(QStringLiteral("sumroll.ini"), roster);
    openMenu();
    QCOMPARE(m_menu->students().size(), names.size());

    for (int row = 0; row < names.size(); ++row) {
        pick(row);
        checkOneSheet();
        report *w = openReport();
        QVERIFY(w);
        QCOMPARE(listedRecords(w),
                 m_menu->students().nameAt(row)
                         == "\xff\xfe"
                            "BAD"
                     ? 1
                     : 0);
        w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // Only the name that is a plain file name, odd bytes and all, got a history.
    QCOMPARE(QDir().entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 2);
    QCOMPARE(testsupport::readFile(QFile::decodeName("\xff\xfe"
                                                     "BAD.hst"))
                 .count("\r\n"),
             1);
    QCOMPARE(m_messages->shown().size(), names.size() - 1);
    for (const ui::MessageRequest &r : m_messages->shown()) {
        QVERIFY2(r.text.contains(QStringLiteral("cannot be used as a file name")),
                 qPrintable(r.text));
    }
    QVERIFY(!QFileInfo::exists(QStringLiteral("/etc/x.hst")));
    QVERIFY(!QFileInfo::exists(m_root->filePath(QStringLiteral("x.hst"))));
    outcome("%d names with NUL, invalid UTF-8, separators, \".\" and \"..\": all listed; "
            "%d refused with a message; 1 history written, inside the working directory",
            int(names.size()), int(m_messages->shown().size()));
}

static QByteArray records(int count, const char *lineEnd)
{
    QByteArray out;
    for (int i = 0; i < count; ++i) {
        out += "12/5/2026 1:23:45 PM#" + QByteArray::number(1 + i % 6) + "#"
            + QByteArray::number(i % 101) + "#00:03:27" + lineEnd;
    }
    return out;
}

void tst_HostileFiles::historyWithCarriageReturnsOnly()
{
    testsupport::writeFile(QStringLiteral("sumroll.ini"), "ANN\r\n");
    testsupport::writeFile(QStringLiteral("ANN.hst"), records(1000, "\r"));
    openMenu();
    pick(0);
    report *w = openReport();
    QVERIFY(w);
    QCOMPARE(listedRecords(w), 1000);
    w->close();
    checkOneSheet();
    const QList<HistoryRecord> read = history::readRecords(QStringLiteral("ANN.hst"));
    QCOMPARE(read.size(), qsizetype(1001));
    QCOMPARE(read.last().Level, QByteArray("1"));
    outcome("history of 1000 CR-ended lines: 1000 records listed; the next check "
            "added record 1001");
}

void tst_HostileFiles::historyOfBinaryJunk()
{
    QByteArray junk(8 * 1024 * 1024, Qt::Uninitialized);
    QRandomGenerator random(8);
    random.fillRange(reinterpret_cast<quint32 *>(junk.data()), junk.size() / 4);
    junk += "\xff#junk without a line end";
    testsupport::writeFile(QStringLiteral("sumroll.ini"), "ANN\r\n");
    testsupport::writeFile(QStringLiteral("ANN.hst"), junk);
    qsizetype parsable = 0;
    forEachLine(junk, [&](QByteArrayView line) { parsable += history::parseRecord(line) ? 1 : 0; });

    openMenu();
    pick(0);
    QElapsedTimer t;
    t.start();
    report *w = openReport();
    const qint64 openMs = t.elapsed();
    QVERIFY(w);
    QCOMPARE(listedRecords(w), int(parsable));
    w->close();

    // The next result is a record of its own, not glued onto the junk's last line.
    checkOneSheet();
    const QList<HistoryRecord> read = history::readRecords(QStringLiteral("ANN.hst"));
    QCOMPARE(read.size(), parsable + 1);
    QVERIFY(history::parseDate(read.last().Date).has_value());
    QCOMPARE(read.last().Level, QByteArray("1"));
    QVERIFY(testsupport::readFile(QStringLiteral("ANN.hst")).startsWith(junk));
    QVERIFY(openMs < SanityBoundMs);
    outcome("history of %lld bytes of binary junk: report opened in %lld ms listing the "
            "%lld lines that split into four fields; the next check added a whole record",
            qlonglong(junk.size()), openMs, qlonglong(parsable));
}

void tst_HostileFiles::historyWithAHundredMegabyteLine()
{
    QByteArray history(100 * 1024 * 1024, 'x');
    history += "\r\n" + records(3, "\r\n");
    testsupport::writeFile(QStringLiteral("sumroll.ini"), "ANN\r\n");
    testsupport::writeFile(QStringLiteral("ANN.hst"), history);
    openMenu();
    pick(0);
    QElapsedTimer t;
    t.start();
    report *w = openReport();
    const qint64 openMs = t.elapsed();
    QVERIFY(w);
    QCOMPARE(listedRecords(w), 3);
    QVERIFY(openMs < SanityBoundMs);
    outcome("history with a 100 MB line before 3 records: report opened in %lld ms "
            "listing the 3 records",
            openMs);
}

QTEST_MAIN(tst_HostileFiles)
#include "tst_hostilefiles.moc"
