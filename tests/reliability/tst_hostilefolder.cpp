// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/records/history.h"
#include "core/records/session.h"
#include "core/records/studentlist.h"
#include "core/report/reportline.h"
#include "gui/menu/mainmenu.h"
#include "gui/seams/savedialog.h"
#include "support/testsupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <cstring>
#include <sys/stat.h>

using namespace testsupport;

namespace {
void checkASheet(QWidget *menu)
{
    act(act(menu, {"Command1"}), {"cmdcheck", "cmdMenu"});
}
} // namespace

// The working folder as pupils and other programs leave it, used through the windows as a
// person does: a link or a pipe where a data file belongs, names that are bytes of no one
// encoding, a disk that will not take a write, and another program changing the roster
// meanwhile. What may stand at a data file's name, file by file, is tst_datafile's.
class tst_hostilefolder : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QVERIFY(closeEveryWindow()); }

    // Start-up and an add meet the roster; a check and the report meet the history. Each is
    // told of, naming the file, which stays as it was; nothing outside the folder changes,
    // and the pipe is not waited on.
    void dataFileThatIsNoPlainFile_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("sumroll.ini a link out of the folder") << QByteArray("sumroll.ini");
        QTest::newRow("ANN.hst a named pipe") << QByteArray("ANN.hst");
    }
    void dataFileThatIsNoPlainFile()
    {
        QFETCH(QByteArray, file);
        WindowGround ground; // ANN, with a result
        QTemporaryDir elsewhere;
        const QByteArray outside = QFile::encodeName(elsewhere.filePath("sumroll.ini"));
        writeFile(outside, "OUT\r\nSIDER\r\n");
        const bool isRoster = file == "sumroll.ini";
        QVERIFY(QFile::remove(file));
        QVERIFY(isRoster ? ::symlink(outside, file) == 0 : ::mkfifo(file, 0666) == 0);
        const QByteArray shape = kindAt(file);
        const QList<QByteArray> names = fileNamesIn(".");
        MainMenu *menu = openMenu(isRoster ? 0 : 1);
        if (isRoster) {
            addStudent(menu, "CAT");
            QCOMPARE(listedStudents(menu), QStringList());
        } else {
            checkASheet(menu);
            QCOMPARE(reportLines(act(menu, {"Command4"})), QStringList());
        }
        QCOMPARE(ground.messages.texts().size(), 2);
        QCOMPARE(ground.messages.texts().filter("\"" + file + "\"").size(), 2);
        QCOMPARE(kindAt(file), shape);
        QCOMPARE(fileNamesIn("."), names);
        QCOMPARE(readFile(outside), "OUT\r\nSIDER\r\n");
    }

    // Names that differ in their bytes alone, though they may look alike, keep their results
    // apart: each its own file, named by exactly its bytes, and its own report.
    void namesAreTheirBytes()
    {
        WindowGround ground;
        QVERIFY(QFile::remove("ANN.hst"));
        // An E acute in UTF-8 and in Latin-1; a name in two cases.
        const QList<QByteArray> names = {"JOS\xC3\x89", "JOS\xC9", "ann", "ANN"};
        writeFile("sumroll.ini", names.join("\r\n") + "\r\n");
        MainMenu *menu = openMenu();
        QList<QByteArray> files = {"sumroll.ini"};
        for (const QByteArray &name : names) {
            files += {name + ".ans", name + ".hst"};
            QTest::keyClick(menu->findChild<QWidget *>("Combo1"), Qt::Key_Down);
            ground.clock.advance(3600); // each result an hour after the last
            checkASheet(menu);
            const QByteArray student = menu->session().currentStudent().value_or("none");
            const QList<HistoryRecord> own = history::readRecords(student + ".hst");
            QCOMPARE(own.size(), 1);
            QWidget *report = act(menu, {"Command4"});
            QCOMPARE(reportLines(report),
                     QStringList {QString::fromLatin1(reportline::format(own[0]))});
            report->close();
        }
        std::sort(files.begin(), files.end());
        QCOMPARE(fileNamesIn("."), files);
        QCOMPARE(ground.messages.texts(), QStringList());
    }

    // Each way the windows write a data file meets a disk that will not take it: the user
    // sees one warning that names the file, and no file changes by a byte.
    void failedWriteIsShownAndChangesNothing_data()
    {
        QTest::addColumn<QString>("press");
        QTest::addColumn<QString>("named");
        QTest::addColumn<int>("sizeLimit"); // inside the write; 0: the file made a folder
        QTest::newRow("delete, the roster's save past a size limit") << "BtnDelStudent"
                                                                     << "sumroll.ini" << 4;
        QTest::newRow("add, CAT.hst a folder: the roster put back") << "btnAddStduent"
                                                                    << "CAT.hst" << 0;
        // 12 bytes past ANN's two records.
        QTest::newRow("check, ANN.hst's append past a size limit") << "cmdcheck"
                                                                   << "ANN.hst" << 82;
        QTest::newRow("export, ANN.csv past a size limit") << "cmdExport"
                                                           << "ANN.csv" << 30;
    }
    void failedWriteIsShownAndChangesNothing()
    {
        QFETCH(QString, press);
        QFETCH(QString, named);
        QFETCH(int, sizeLimit);
        WindowGround ground;
        writeFile("sumroll.ini", "ANN\r\nBEN\r\nZOE\r\n");
        writeFile("ANN.hst",
                  "12/5/2026 1:23:45 PM#3#81#00:03:27\r\n"
                  "1/9/2026 9:05:00 AM#1#6#00:10:02\r\n");
        writeFile("ANN.csv", "an earlier export\r\n");
        MainMenu *menu = openMenu(press == "BtnDelStudent" ? 2 : 1); // BEN to delete, else ANN
        seams::ScopedOverride dialog(seams::saveDialog(), [](const ui::SaveRequest &r) {
            return QDir::current().filePath(r.suggestedName);
        });
        QWidget *window = press == "cmdcheck" ? act(menu, {"Command1"})
            : press == "cmdExport"            ? act(menu, {"Command4"})
                                              : menu;
        // Not empty, so that nothing may simply remove it.
        QVERIFY(sizeLimit > 0 || QDir().mkpath(named + "/inside"));
        const Files before = snapshot();
        ground.messages.answer(QMessageBox::Yes); // to whether to delete
        {
            // In this process: a forked copy of the windows can hang in their locks.
            FileSizeLimit limit(sizeLimit > 0 ? rlim_t(sizeLimit) : RLIM_INFINITY);
            press == "btnAddStduent" ? addStudent(window, "CAT") : click(window, qPrintable(press));
        }
        QCOMPARE(snapshot(), before);
        QCOMPARE(ground.messages.shown().size(), press == "BtnDelStudent" ? 2 : 1); // a question
        QCOMPARE(ground.messages.shown().constLast().icon, QMessageBox::Warning);
        const QString said = ground.messages.texts().constLast();
        // The limit's reason, even where part of the write went through.
        QVERIFY2(said.contains(named) && (!sizeLimit || said.contains(std::strerror(EFBIG))),
                 qPrintable(said));
        QCOMPARE(menu->session().students().size(), 3);
        QVERIFY(menu->session().currentStudent()); // still picked
        // The marks stay.
        QVERIFY(press != "cmdcheck" || window->findChild<QLineEdit *>("txtScore")->text() != "");
        std::printf("outcome: %s: one warning naming %s; %d files and directories unchanged\n",
                    QTest::currentDataTag(), qPrintable(named), int(before.size()));
    }

    // Another program (another sumtrail, on this computer or over the network, or any editor)
    // rewrites the roster while the menu is open: the menu's periodic check shows it, and a
    // picked student deleted leaves no pick.
    void menuShowsAnotherProgramsChange_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<int>("picks"); // with the down arrow, before the change
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QString>("greeting"); // "Welcome" and whom, while one is picked
        const QByteArray annBen = "ANN\r\nBEN\r\n", three = "ANN\r\nBEN\r\nZOE\r\n";
        QTest::newRow("a name added")
            << annBen << 0 << three << "Please select student to begin or press \"New Student\"";
        QTest::newRow("the picked student deleted")
            << three << 2 << QByteArray("ANN\r\nZOE\r\n")
            << "Please Select student to begin or press \"New Student\"";
    }
    void menuShowsAnotherProgramsChange()
    {
        QFETCH(QByteArray, before);
        QFETCH(int, picks);
        QFETCH(QByteArray, after);
        WindowGround ground;
        writeFile("sumroll.ini", before);
        MainMenu *menu = openMenu(picks);
        writeFile("sumroll.ini", after);
        QTRY_COMPARE_WITH_TIMEOUT(listedStudents(menu),
                                  QString::fromLatin1(after).split("\r\n", Qt::SkipEmptyParts),
                                  5000);
        QCOMPARE(menu->session().currentStudent(), std::nullopt);
        QCOMPARE(windowButtonsEnabled(menu), 0);
        QTEST(menu->findChild<QLabel *>("lblWelcome")->text(), "greeting");
        QCOMPARE(ground.messages.texts(), QStringList());
    }
};

QTEST_MAIN(tst_hostilefolder)
#include "tst_hostilefolder.moc"
