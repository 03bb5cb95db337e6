#include "core/records/session.h"
#include "gui/menu/mainmenu.h"
#include "support/testsupport.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLockFile>
#include <QScopeGuard>
#include <QTest>
#include <QThread>

#include <atomic>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>

using namespace testsupport;

namespace {
const char *const R = "sumroll.ini";

QComboBox *studentList(MainMenu *menu)
{
    return menu->findChild<QComboBox *>("Combo1");
}

QStringList entries(MainMenu *menu)
{
    QStringList shown;
    for (int i = 0; i < studentList(menu)->count(); ++i) {
        shown.append(studentList(menu)->itemText(i));
    }
    return shown;
}

// How many of Start, Print and Reports are enabled: all three only while a student is picked.
int windowButtonsEnabled(MainMenu *menu)
{
    const auto on
        = [menu](const char *name) { return menu->findChild<QWidget *>(name)->isEnabled(); };
    return on("Command1") + on("Command2") + on("Command4");
}

// Opens the list with the mouse, as a person looks at it, and closes it again with Esc.
void clickList(MainMenu *menu)
{
    QTest::mouseClick(studentList(menu), Qt::LeftButton);
    if (QApplication::activePopupWidget()) {
        QTest::keyClick(studentList(menu)->view(), Qt::Key_Escape);
    }
}

// Changes the roster as another program on this or another computer does.
bool writeAsAnotherProgram(const QString &how, const QByteArray &bytes)
{
    struct stat before
    {
    };
    if (how == "in place") {
        writeFile(R, bytes);
    } else if (how == "in place, times kept") { // as a copy that keeps times does
        if (::stat(R, &before) != 0) {
            return false;
        }
        writeFile(R, bytes);
        const timespec kept[2] = {before.st_atim, before.st_mtim};
        return ::utimensat(AT_FDCWD, R, kept, 0) == 0;
    } else if (how == "renamed over") {
        writeFile("sumroll.new", bytes);
        return ::rename("sumroll.new", R) == 0;
    } else if (how == "removed") {
        return QFile::remove(R);
    } else if (how == "made a folder") {
        return QFile::remove(R) && QDir().mkpath(QString(R) + "/inside");
    }
    return true;
}
} // namespace

// Several programs share the working folder: another sumtrail, on this computer or on
// another one reaching the folder over the network, or any program that edits the roster.
// The main menu shows what they did, and this program's own changes respect theirs.
class tst_sharedmenu : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QVERIFY(closeEveryWindow()); }

    void menuShowsAnotherProgramsChange_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<int>("picks"); // with the down arrow, before the change
        QTest::addColumn<QString>("written");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QString>("seen"); // what the person does next
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QString>("picked"); // none: ""
        QTest::addColumn<QString>("greeting");
        QTest::addColumn<int>("warnings");
        const QByteArray annBen = "ANN\r\nBEN\r\n", three = "ANN\r\nBEN\r\nZOE\r\n";
        const QString select = "Please select student to begin or press \"New Student\"";
        const QString reselect = "Please Select student to begin or press \"New Student\"";
        QTest::newRow("a name added, seen on a click")
            << annBen << 0 << "in place" << three << "click" << QStringList {"ANN", "BEN", "ZOE"}
            << "" << select << 0;
        QTest::newRow("a name as long put in, times kept, seen on a click")
            << annBen << 0 << "in place, times kept" << QByteArray("ANN\r\nBOB\r\n") << "click"
            << QStringList {"ANN", "BOB"} << "" << select << 0;
        QTest::newRow("another roster renamed over it, seen on a key that picks from it")
            << annBen << 0 << "renamed over" << QByteArray("ZOE\r\nADA\r\n") << "key"
            << QStringList {"ADA", "ZOE"} << "ADA"
            << "Welcome ADA" << 0;
        QTest::newRow("a name added, seen by the check every few seconds")
            << annBen << 0 << "renamed over" << three << "nothing"
            << QStringList {"ANN", "BEN", "ZOE"} << "" << select << 0;
        QTest::newRow("the picked student deleted, seen on a click")
            << three << 2 << "in place" << QByteArray("ANN\r\nZOE\r\n") << "click"
            << QStringList {"ANN", "ZOE"} << "" << reselect << 0;
        QTest::newRow("another student deleted, the pick kept")
            << three << 2 << "renamed over" << QByteArray("BEN\r\nZOE\r\n") << "click"
            << QStringList {"BEN", "ZOE"} << "BEN"
            << "Welcome BEN" << 0;
        QTest::newRow("the roster removed during an exercise, seen back in the menu")
            << annBen << 1 << "removed" << QByteArray() << "exercise" << QStringList {} << ""
            << "Press \"NEW STUDENT\" to begin" << 0;
        QTest::newRow("the roster emptied, no one picked: the prompt to add")
            << annBen << 0 << "in place" << QByteArray() << "click" << QStringList {} << ""
            << "Press \"NEW STUDENT\" to begin" << 0;
        QTest::newRow("the first names put in, no one picked: the prompt to pick")
            << QByteArray() << 0 << "renamed over" << annBen << "click"
            << QStringList {"ANN", "BEN"} << "" << select << 0;
        QTest::newRow("a folder put in its place: told once, the list kept")
            << annBen << 1 << "made a folder" << QByteArray() << "two clicks"
            << QStringList {"ANN", "BEN"} << "ANN"
            << "Welcome ANN" << 1;
    }
    void menuShowsAnotherProgramsChange()
    {
        QFETCH(QByteArray, before);
        QFETCH(int, picks);
        QFETCH(QString, written);
        QFETCH(QByteArray, after);
        QFETCH(QString, seen);
        QFETCH(QStringList, listed);
        QFETCH(QString, picked);
        WindowGround ground;
        writeFile(R, before);
        MainMenu *menu = openMenu(picks);
        QWidget *exercise = seen == "exercise" ? act(menu, {"Command1"}) : nullptr;
        QVERIFY(writeAsAnotherProgram(written, after));
        if (seen == "click" || seen == "two clicks") {
            clickList(menu);
            QCOMPARE(QApplication::activePopupWidget(), nullptr);
        }
        if (seen == "two clicks") {
            clickList(menu);
        }
        if (seen == "key") {
            QTest::keyClick(studentList(menu), Qt::Key_Down);
        }
        if (seen == "exercise") {
            click(exercise, "cmdMenu");
            QVERIFY(menu->isVisible());
        }
        if (seen == "nothing") {
            QTRY_COMPARE_WITH_TIMEOUT(entries(menu), listed, 5000);
        }
        QCOMPARE(entries(menu), listed);
        QCOMPARE(QString::fromLatin1(menu->session().currentStudent().value_or("")), picked);
        QCOMPARE(windowButtonsEnabled(menu), picked.isEmpty() ? 0 : 3);
        QTEST(menu->findChild<QLabel *>("lblWelcome")->text(), "greeting");
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
            QLockFile history("CAT.hst.lock");
            history.lock();
            step = 1;
            QElapsedTimer waited;
            waited.start();
            while (!readFile(R).contains("CAT") && waited.elapsed() < 20000) {
                QThread::msleep(2);
            }
            QLockFile roster("sumroll.ini.lock");
            roster.tryLock(10000);
            history.unlock();
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
        QCOMPARE(readFile(R), "ANN\r\nCAT\r\n");
        QCOMPARE(entries(menu), (QStringList {"ANN", "CAT"}));
        QVERIFY(QFileInfo("CAT.hst").isDir());
    }
};

QTEST_MAIN(tst_sharedmenu)
#include "tst_sharedmenu.moc"
