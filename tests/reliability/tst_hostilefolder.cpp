#include "core/records/history.h"
#include "core/records/session.h"
#include "core/records/studentlist.h"
#include "core/report/reportline.h"
#include "gui/menu/mainmenu.h"
#include "gui/report/linelistview.h"
#include "support/testsupport.h"

#include <QComboBox>
#include <QLabel>
#include <QTest>

#include <cstring>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace testsupport;

namespace {
const QByteArray Record = "12/5/2026 1:23:45 PM#3#81#00:03:27\r\n";
const gid_t Users = 100, Staff = 50;
const uid_t Nobody = 65534;

QStringList entries(MainMenu *menu)
{
    const auto *list = menu->findChild<QComboBox *>("Combo1");
    QStringList shown;
    for (int i = 0; i < list->count(); ++i) {
        shown.append(list->itemText(i));
    }
    return shown;
}

// The report's lines below its heading.
QStringList reportLines(QWidget *report)
{
    const auto *list = report->findChild<LineListView *>("List1");
    QStringList lines;
    for (int row = 1; row < list->model()->rowCount(); ++row) {
        lines.append(list->model()->index(row, 0).data().toString());
    }
    return lines;
}

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

// Sets the process's umask for the life of the object.
class Umask
{
public:
    explicit Umask(mode_t mask)
        : m_previous(::umask(mask))
    {
    }
    ~Umask() { ::umask(m_previous); }

private:
    mode_t m_previous;
};
} // namespace

// The working folder as a pupil or another program may leave it: links, pipes and folders
// where data files belong, names that are bytes of no one encoding, files this account may
// not read, and files whose owner, group and mode a class relies on. Used through the
// windows, as a person does.
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
        if (kind == "link in the folder") {
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
        const bool used = kind == "link in the folder"; // as the file it names

        ScriptedMessages messages;
        MainMenu *menu = openMenu(isRoster ? 0 : 1);
        if (isRoster) {
            QCOMPARE(entries(menu), used ? (QStringList {"ANN", "BEN"}) : QStringList());
            addStudent(menu, "CAT");
            QCOMPARE(entries(menu), used ? (QStringList {"ANN", "BEN", "CAT"}) : QStringList());
        } else {
            act(act(menu, {"Command1"}), {"cmdcheck", "cmdMenu"});
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
        if (used && isRoster) {
            QCOMPARE(readFile(inside), "ANN\r\nBEN\r\nCAT\r\n");
        } else if (used) {
            QVERIFY(readFile(inside).startsWith(Record));
            QCOMPARE(history::readRecords(inside).size(), 2);
        }
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
        auto *list = menu->findChild<QComboBox *>("Combo1");
        QList<QByteArray> picked;
        for (int pick = 0; pick < 2; ++pick) {
            QTest::keyClick(list, Qt::Key_Down);
            picked.append(menu->session().currentStudent().value_or("none"));
            ground.clock.advance(3600); // each result an hour after the last
            act(act(menu, {"Command1"}), {"cmdcheck", "cmdMenu"});
        }
        std::sort(picked.begin(), picked.end());
        QList<QByteArray> both = {first, second};
        std::sort(both.begin(), both.end());
        QCOMPARE(picked, both);
        QCOMPARE(fileNamesIn("."),
                 (QList<QByteArray> {both[0] + ".ans", both[0] + ".hst", both[1] + ".ans",
                                     both[1] + ".hst", "sumroll.ini"}));
        const QList<HistoryRecord> results[2]
            = {history::readRecords(both[0] + ".hst"), history::readRecords(both[1] + ".hst")};
        QCOMPARE(results[0].size(), 1);
        QCOMPARE(results[1].size(), 1);
        QVERIFY(results[0].first().date != results[1].first().date);
        for (int pick = 0; pick < 2; ++pick) {
            QTest::keyClick(list, pick == 0 ? Qt::Key_Up : Qt::Key_Down);
            const QByteArray student = menu->session().currentStudent().value_or("none");
            QWidget *report = act(menu, {"Command4"});
            QCOMPARE(report->findChild<QLabel *>("lblstudent")->text(),
                     "Student : " + StudentList::displayName(student));
            const QStringList lines = reportLines(report);
            QCOMPARE(lines.size(), 1);
            const HistoryRecord own = results[student == both[0] ? 0 : 1].first();
            QCOMPARE(lines[0], QString::fromLatin1(reportline::format(own)));
            report->close();
        }
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
            QCOMPARE(entries(menu), QStringList());
            addStudent(menu, "CAT");
            QCOMPARE(entries(menu), QStringList());
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

    // The roster replaced by a save keeps the owner, group and mode it had: a class sharing
    // the folder through a group keeps its access.
    void savedRosterKeepsOwnerGroupAndMode_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("mode");
        QTest::addColumn<uint>("owner");
        QTest::addColumn<uint>("group");
        QTest::newRow("add, rw-rw-r-- root:users") << "add" << 0664 << 0u << uint(Users);
        QTest::newRow("add, rw----r-- nobody:staff")
            << "add" << 0604 << uint(Nobody) << uint(Staff);
        QTest::newRow("delete, rw-rw---- nobody:users")
            << "delete" << 0660 << uint(Nobody) << uint(Users);
        QTest::newRow("delete, r-------- root:root") << "delete" << 0400 << 0u << 0u;
    }
    void savedRosterKeepsOwnerGroupAndMode()
    {
        QFETCH(QString, action);
        QFETCH(int, mode);
        QFETCH(uint, owner);
        QFETCH(uint, group);
        WindowGround ground; // ANN
        QVERIFY(::chown("sumroll.ini", owner, group) == 0
                && ::chmod("sumroll.ini", mode_t(mode)) == 0);
        const ino_t before = statOf("sumroll.ini").st_ino;
        MainMenu *menu = openMenu(action == "delete" ? 1 : 0);
        if (action == "add") {
            addStudent(menu, "CAT");
        } else {
            ground.messages.answer(QMessageBox::Yes);
            click(menu, "BtnDelStudent");
        }
        QCOMPARE(readFile("sumroll.ini"), action == "add" ? "ANN\r\nCAT\r\n" : "");
        const struct stat after = statOf("sumroll.ini");
        QVERIFY(after.st_ino != before); // replaced as a whole, not written over
        QCOMPARE(after.st_mode & 07777, mode_t(mode));
        QCOMPARE(after.st_uid, owner);
        QCOMPARE(after.st_gid, group);
        QCOMPARE(ground.messages.texts().size(), action == "add" ? 0 : 1); // the question
    }

    // A file the program makes gets the folder's group and the mode the umask leaves of
    // rw-rw-rw-, as any account of the class's group can then use it.
    void newFilesTakeTheFoldersGroup_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("umask");
        QTest::newRow("CAT.hst by an add, umask 022") << QByteArray("CAT.hst") << "add" << 022;
        QTest::newRow("CAT.hst by an add, umask 007") << QByteArray("CAT.hst") << "add" << 007;
        QTest::newRow("sumroll.ini by the first add, umask 002")
            << QByteArray("sumroll.ini") << "first add" << 002;
        QTest::newRow("ANN.hst by a check, umask 027") << QByteArray("ANN.hst") << "check" << 027;
    }
    void newFilesTakeTheFoldersGroup()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, action);
        QFETCH(int, umask);
        WindowGround ground; // ANN, with a result
        QVERIFY(action != "first add" || QFile::remove("sumroll.ini"));
        QVERIFY(action != "check" || QFile::remove("ANN.hst"));
        // The class's group, with no set-group-ID bit that would give it by itself.
        QVERIFY(::chown(".", 0, Users) == 0 && ::chmod(".", 0775) == 0);
        const Umask mask {mode_t(umask)};
        MainMenu *menu = openMenu(action == "check" ? 1 : 0);
        if (action == "check") {
            act(act(menu, {"Command1"}), {"cmdcheck", "cmdMenu"});
        } else {
            addStudent(menu, "CAT");
        }
        QCOMPARE(ground.messages.texts(), QStringList());
        const struct stat made = statOf(file);
        QCOMPARE(kindAt(file), "file");
        QCOMPARE(made.st_mode & 07777, 0666 & ~mode_t(umask));
        QCOMPARE(made.st_gid, Users);
        QCOMPARE(made.st_uid, uid_t(0));
    }
};

QTEST_MAIN(tst_hostilefolder)
#include "tst_hostilefolder.moc"
