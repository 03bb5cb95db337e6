#include "core/records/roster.h"
#include "core/records/session.h"
#include "gui/menu/mainmenu.h"
#include "support/testsupport.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <optional>

using namespace testsupport;

namespace {
const QString Empty = "Press \"NEW STUDENT\" to begin", R = "sumroll.ini";
const QByteArray Old = "1/1/2026#1#50#00:01:00\r\n"; // results of a student once deleted

QString welcome(MainMenu *menu)
{
    return menu->findChild<QLabel *>("lblWelcome")->text();
}

// How many of Start, Print and Reports are enabled: all three only while a student is picked.
int windowButtonsEnabled(MainMenu *menu)
{
    const auto on
        = [menu](const char *name) { return menu->findChild<QWidget *>(name)->isEnabled(); };
    return on("Command1") + on("Command2") + on("Command4");
}

// The windows of that title still there (closed ones are gone once their deletion has run).
QWidgetList windowsTitled(const QString &title)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QWidgetList found;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->windowTitle() == title) {
            found.append(w);
        }
    }
    return found;
}

QString reportedStudent(QWidget *report)
{
    return report->findChild<QLabel *>("lblstudent")->text();
}
} // namespace

// The main menu and its new-student dialog, as a person uses them, and what they leave in
// the working directory, byte for byte.
class tst_menu : public QObject
{
    Q_OBJECT
    struct Ground
    {
        WorkDir dir;
        ScriptedMessages messages;
    };
    std::optional<Ground> m_ground;
private slots:
    void init()
    {
        m_ground.emplace();
        writeFile("ANN.hst", Old);
    }
    void cleanup() { QVERIFY(closeEveryWindow()); }

    void promptsAndPicks()
    {
        MainMenu *menu = openMenu();
        QCOMPARE(menu->windowTitle(), "Main Menu");
        QCOMPARE(welcome(menu), Empty);
        QCOMPARE(windowButtonsEnabled(menu), 0);
        closeAllWindows();
        writeFile(R, "\r\nZOE\r\n\r\nann\r\n\n"); // empty lines name no one
        menu = openMenu();
        QCOMPARE(welcome(menu), "Please select student to begin or press \"New Student\"");
        QCOMPARE(menu->findChild<QComboBox *>("Combo1")->count(), 2);
        QCOMPARE(menu->findChild<QComboBox *>("Combo1")->itemText(0), "ann");
        QCOMPARE(windowButtonsEnabled(menu), 0);
        click(menu, "BtnDelStudent"); // nothing picked: nothing asked
        QCOMPARE(m_ground->messages.texts(), QStringList());
        menu = openMenu(2);
        QCOMPARE(welcome(menu), "Welcome ZOE");
        QCOMPARE(windowButtonsEnabled(menu), 3);
        QCOMPARE(menu->session().currentStudent(), std::optional<QByteArray>("ZOE"));
        QCOMPARE(snapshot(), (Files {{R, "\r\nZOE\r\n\r\nann\r\n\n"}, {"ANN.hst", Old}}));
    }

    // A roster line is a name, whatever it holds: the greeting and the question whether to
    // delete show it as written, never as markup.
    void namesAreShownAsWritten_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("bold") << QByteArray("<b>ANN</b>");
        QTest::newRow("image") << QByteArray("<img src=\"/any/file.png\">");
        QTest::newRow("entity and link") << QByteArray("A &amp; <a href=\"x\">B</a>");
    }
    void namesAreShownAsWritten()
    {
        QFETCH(QByteArray, name);
        writeFile(R, name + "\r\n");
        MainMenu *menu = openMenu(1);
        const auto *greeting = menu->findChild<QLabel *>("lblWelcome");
        QCOMPARE(greeting->text(), "Welcome " + QString::fromLatin1(name));
        QCOMPARE(greeting->textFormat(), Qt::PlainText);
        seams::ScopedOverride realBox(seams::messageBox(), {}); // as a person meets it
        SeenMessage asked;
        readNextMessageBox(asked, QMessageBox::No);
        click(menu, "BtnDelStudent");
        QCOMPARE(asked.text, "Do you want to delete user " + QString::fromLatin1(name) + "?");
        QCOMPARE(asked.shownAs, Qt::PlainText);
        QCOMPARE(readFile(R), name + "\r\n");
    }

    void newStudent_data()
    {
        QTest::addColumn<QByteArray>("roster");
        QTest::addColumn<QStringList>("entries"); // typed in turn, each followed by Enter
        QTest::addColumn<int>("sizeLimit");
        QTest::addColumn<Files>("after");
        QTest::addColumn<QString>("message");
        const QStringList tooLong = {QString(3000, 'A')};
        QTest::newRow("first student, in capitals; an earlier ANN's results kept aside")
            << QByteArray() << QStringList {"  ann  "} << 0
            << Files {{R, "ANN\r\n"}, {"ANN.hst", ""}, {"ANN.hst.1", Old}} << "";
        QTest::newRow("sorted in without regard to case, the rest kept as written")
            << QByteArray("ben\r\nZOE\r\n") << QStringList {"cat"} << 0
            << Files {{R, "ben\r\nCAT\r\nZOE\r\n"}, {"ANN.hst", Old}, {"CAT.hst", ""}} << "";
        QTest::newRow("empty lines left out of the saved roster")
            << QByteArray("\r\n\r\nben\r\n\nZOE\r\r\n") << QStringList {"cat"} << 0
            << Files {{R, "ben\r\nCAT\r\nZOE\r\n"}, {"ANN.hst", Old}, {"CAT.hst", ""}} << "";
        QTest::newRow("duplicate refused, then changed")
            << QByteArray("BEN\r\n") << QStringList {"ben", "NY"} << 0
            << Files {{R, "BEN\r\nBENNY\r\n"}, {"ANN.hst", Old}, {"BENNY.hst", ""}}
            << "Student Already exist!";
        QTest::newRow("roster cannot be saved: nothing added")
            << QByteArray("BEN\r\n") << tooLong << 100 << Files {{R, "BEN\r\n"}, {"ANN.hst", Old}}
            << "The file \"sumroll.ini\"";
    }
    void newStudent()
    {
        QFETCH(QByteArray, roster);
        QFETCH(QStringList, entries);
        QFETCH(int, sizeLimit);
        QFETCH(QString, message);
        if (!roster.isNull()) {
            writeFile(R, roster);
        }
        MainMenu *menu = openMenu();
        const QString prompt = welcome(menu);
        QTimer::singleShot(0, [&] { // the dialog is modal: answered from its own event loop
            auto *box = QApplication::activeModalWidget()->findChild<QWidget *>("txtStudent");
            for (const QString &entry : entries) {
                QTest::keyClicks(box, entry);
                QTest::keyClick(box, Qt::Key_Return);
            }
            if (box->isVisible()) {
                QTest::keyClick(box, Qt::Key_Escape);
            }
        });
        {
            FileSizeLimit limit(sizeLimit > 0 ? sizeLimit : RLIM_INFINITY);
            click(menu, "btnAddStduent");
        }
        QTEST(snapshot(), "after");
        const QString said = m_ground->messages.texts().join(" | "); // all, in turn
        QVERIFY2(message.isEmpty() ? said.isEmpty() : said.contains(message), qPrintable(said));
        QCOMPARE(menu->session().students().names(),
                 roster::readNames(R)); // restored after a failure
        QCOMPARE(welcome(menu), prompt); // nothing picked: the prompt and buttons stay
        QCOMPARE(windowButtonsEnabled(menu), 0);
    }

    void deleteStudent_data()
    {
        QTest::addColumn<QByteArray>("roster");
        QTest::addColumn<int>("picks");
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<bool>("rosterBecomesADirectory"); // once loaded, so the save fails
        QTest::addColumn<Files>("after");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown"); // greeting
        const QByteArray annBen = "ANN\r\nBEN\r\n";
        const QString select = "Please Select student to begin or press \"New Student\"";
        QTest::newRow("No keeps the student")
            << annBen << 1 << QMessageBox::No << false << Files {{R, annBen}, {"ANN.hst", Old}}
            << "Do you want to delete user ANN?" << QString("Welcome ANN");
        QTest::newRow("Yes rewrites the roster and keeps the history")
            << annBen << 1 << QMessageBox::Yes << false << Files {{R, "BEN\r\n"}, {"ANN.hst", Old}}
            << "user ANN?" << select;
        QTest::newRow("the last student leaves an empty roster")
            << QByteArray("ANN\r\n") << 1 << QMessageBox::Yes << false
            << Files {{R, ""}, {"ANN.hst", Old}} << "user ANN?" << Empty;
        QTest::newRow("roster cannot be saved: student kept")
            << annBen << 2 << QMessageBox::Yes << true << Files {{R + "/", ""}, {"ANN.hst", Old}}
            << "BEN? | The file \"sumroll.ini\"" << QString("Welcome BEN");
    }
    void deleteStudent()
    {
        QFETCH(QByteArray, roster);
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(bool, rosterBecomesADirectory);
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QFETCH(int, picks);
        writeFile(R, roster);
        m_ground->messages.answer(answer);
        MainMenu *menu = openMenu(picks);
        const QByteArrayList listed = menu->session().students().names();
        QVERIFY(!rosterBecomesADirectory || (QFile::remove(R) && QDir().mkdir(R)));
        click(menu, "BtnDelStudent");
        QTEST(snapshot(), "after");
        const QString said = m_ground->messages.texts().join(" | "); // all, in turn
        QVERIFY2(message.isEmpty() ? said.isEmpty() : said.contains(message), qPrintable(said));
        const ui::MessageRequest asked = m_ground->messages.shown().value(0);
        QVERIFY(asked.icon == QMessageBox::Warning && asked.defaultButton == QMessageBox::No);
        QCOMPARE(asked.buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(welcome(menu), shown);
        QCOMPARE(windowButtonsEnabled(menu), shown.startsWith("Welcome") ? 3 : 0);
        QCOMPARE(menu->session().currentStudent().has_value(), shown.startsWith("Welcome"));
        QCOMPARE(menu->session().students().names(),
                 rosterBecomesADirectory ? listed : roster::readNames(R));
    }

    // Each window the menu opens is opened once: a second click brings the open one forward.
    // A window that closes brings the menu back (the report leaves it as it is), and the
    // next click opens a fresh one.
    void opensEachWindowOnceAndIsShownAgain()
    {
        writeFile(R, "ANN\r\nBEN\r\n");
        writeFile("BEN.hst", "");
        MainMenu *menu = openMenu(1);
        auto *students = menu->findChild<QComboBox *>("Combo1");
        click(menu, "Command4");
        const QWidgetList reports = windowsTitled("Report");
        QVERIFY(reports.size() == 1 && reports[0]->isVisible() && menu->isVisible());
        QTest::keyClick(students, Qt::Key_Down); // BEN
        click(menu, "Command4");
        QCOMPARE(windowsTitled("Report"), reports); // the open one, still ANN's
        QCOMPARE(reportedStudent(reports[0]), "Student : ANN");
        click(reports[0], "Command1");
        QVERIFY(windowsTitled("Report").isEmpty() && menu->isVisible());
        click(menu, "Command4");
        QCOMPARE(windowsTitled("Report").size(), 1);
        QCOMPARE(reportedStudent(windowsTitled("Report")[0]), "Student : BEN");

        click(menu, "Command1");
        const QWidgetList exercises = windowsTitled("Addition Excercise");
        QVERIFY(exercises.size() == 1 && exercises[0]->isVisible() && !menu->isVisible());
        menu->findChild<QPushButton *>("Command1")->click(); // pressed again, as a program can
        QCOMPARE(windowsTitled("Addition Excercise"), exercises);
        QVERIFY(exercises[0]->isVisible() && !menu->isVisible());
        click(exercises[0], "cmdMenu");
        QVERIFY(windowsTitled("Addition Excercise").isEmpty() && menu->isVisible());
        click(menu, "Command1");
        QCOMPARE(windowsTitled("Addition Excercise").size(), 1);
        click(windowsTitled("Addition Excercise")[0], "cmdMenu");

        click(menu, "Command2");
        const QWidgetList prints = windowsTitled("Print Excerises");
        QVERIFY(prints.size() == 1 && prints[0]->isVisible() && !menu->isVisible());
        menu->findChild<QPushButton *>("Command2")->click();
        QCOMPARE(windowsTitled("Print Excerises"), prints);
        click(prints[0], "Command1");
        QVERIFY(windowsTitled("Print Excerises").isEmpty() && menu->isVisible());
        QCOMPARE(m_ground->messages.texts(), QStringList());
    }

    // Exit closes the menu and every window it opened; the menu is destroyed, which is what
    // ends the program.
    void exitClosesEveryWindow()
    {
        writeFile(R, "ANN\r\n");
        QPointer<MainMenu> menu = openMenu(1);
        click(menu, "Command4");
        const QPointer<QWidget> report = windowsTitled("Report").value(0);
        QVERIFY(report && report->isVisible());
        click(menu, "Command5");
        QVERIFY(!report->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!menu && !report);
    }
};

QTEST_MAIN(tst_menu)
#include "tst_menu.moc"
