// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

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

    // The prompts and a pick (the prompts after other programs' changes: tst_hostilefolder).
    void promptsAndPicks()
    {
        MainMenu *menu = openMenu();
        QCOMPARE(menu->windowTitle(), "Main Menu");
        QCOMPARE(welcome(menu), Empty);
        closeAllWindows();
        writeFile(R, "\r\nZOE\r\n\r\nann\r\n\n"); // empty lines name no one
        menu = openMenu();
        QCOMPARE(listedStudents(menu), (QStringList {"ann", "ZOE"}));
        menu = openMenu(2);
        QCOMPARE(welcome(menu), "Welcome ZOE");
        QCOMPARE(windowButtonsEnabled(menu), 3);
        QCOMPARE(snapshot(), (Files {{R, "\r\nZOE\r\n\r\nann\r\n\n"}, {"ANN.hst", Old}}));
    }

    // A roster line is a name, whatever it holds: the greeting and the report's heading show
    // it as written, never as markup (the message boxes' text is plain, as tst_msgbox shows).
    void namesAreShownAsWritten()
    {
        const QString name = "<b>A</b> &amp; <img src=\"/any/file.png\">";
        writeFile(R, name.toLatin1() + "\r\n");
        MainMenu *menu = openMenu(1);
        const QWidget *report = act(menu, {"Command4"});
        for (const auto *label :
             {menu->findChild<QLabel *>("lblWelcome"), report->findChild<QLabel *>("lblstudent")}) {
            QVERIFY(label->text().endsWith(" " + name));
            QCOMPARE(label->textFormat(), Qt::PlainText);
        }
    }

    // Names typed in the new-student dialog, each followed by Enter: in capitals, trimmed,
    // sorted in; an earlier ANN's results kept aside; a name already there refused, the
    // dialog left open to change it (the roster's rules: tst_records).
    void newStudent()
    {
        writeFile(R, "BEN\r\n");
        MainMenu *menu = openMenu();
        const QString prompt = welcome(menu);
        for (const QStringList &entries : {QStringList {"ben", "NY"}, {"  ann  "}}) {
            QTimer::singleShot(0, [&] { // the dialog is modal: answered from its own event loop
                auto *box = QApplication::activeModalWidget()->findChild<QWidget *>("txtStudent");
                for (const QString &entry : entries) {
                    QTest::keyClicks(box, entry);
                    QTest::keyClick(box, Qt::Key_Return);
                }
            });
            click(menu, "btnAddStduent");
        }
        QCOMPARE(snapshot(),
                 (Files {{R, "ANN\r\nBEN\r\nBENNY\r\n"},
                         {"ANN.hst", ""},
                         {"ANN.hst.1", Old},
                         {"BENNY.hst", ""}}));
        QCOMPARE(m_ground->messages.texts(), QStringList {"Student Already exist!"});
        QCOMPARE(welcome(menu), prompt); // nothing picked: the prompt and buttons stay
        QCOMPARE(windowButtonsEnabled(menu), 0);
    }

    // ANN picked, the question answered No, then Yes; her history stays whatever the answer.
    void deleteStudent()
    {
        writeFile(R, "ANN\r\nBEN\r\n");
        MainMenu *menu = openMenu(1);
        m_ground->messages.answer(QMessageBox::No);
        click(menu, "BtnDelStudent");
        QCOMPARE(snapshot(), (Files {{R, "ANN\r\nBEN\r\n"}, {"ANN.hst", Old}}));
        QCOMPARE(welcome(menu), "Welcome ANN");
        m_ground->messages.answer(QMessageBox::Yes);
        click(menu, "BtnDelStudent");
        QCOMPARE(snapshot(), (Files {{R, "BEN\r\n"}, {"ANN.hst", Old}}));
        QCOMPARE(welcome(menu), "Please Select student to begin or press \"New Student\"");
        QCOMPARE(menu->session().students().names(), roster::readNames(R));
        QCOMPARE(m_ground->messages.texts(), QStringList(2, "Do you want to delete user ANN?"));
        const ui::MessageRequest asked = m_ground->messages.shown().value(0);
        QVERIFY(asked.icon == QMessageBox::Warning && asked.defaultButton == QMessageBox::No);
    }

    // Each window the menu opens is opened once: a second press brings the open one forward.
    // A window that closes brings the menu back (the report leaves it as it is), and the
    // next click opens a fresh one.
    void opensEachWindowOnceAndIsShownAgain()
    {
        writeFile(R, "ANN\r\n");
        for (const auto &[button, title, closer] : {std::tuple("Command4", "Report", "Command1"),
                                                    {"Command1", "Addition Excercise", "cmdMenu"},
                                                    {"Command2", "Print Excerises", "Command1"}}) {
            MainMenu *menu = openMenu(1);
            click(menu, button);
            const QWidgetList opened = windowsTitled(title);
            QVERIFY(opened.size() == 1 && opened[0]->isVisible());
            QCOMPARE(menu->isVisible(), QString(title) == "Report");
            // Pressed again, by the mouse or, while the menu is hidden, as a program can.
            menu->findChild<QPushButton *>(button)->click();
            QCOMPARE(windowsTitled(title), opened);
            QVERIFY(opened[0]->isVisible());
            click(opened[0], closer);
            QVERIFY(windowsTitled(title).isEmpty() && menu->isVisible());
            click(menu, button);
            QCOMPARE(windowsTitled(title).size(), 1);
            closeAllWindows();
        }
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
