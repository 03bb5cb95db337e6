#include "menu/dialog.h"
#include "menu/mainportal.h"
#include "support/testsupport.h"
#include "ui/windows.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace testsupport;

// Stands for any other modeless window the main menu may have opened.
class OtherWindow : public Form
{
    Q_OBJECT
public:
    int unloads = 0;

protected:
    void Form_Unload() override { ++unloads; }
};

class tst_MainPortal : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void firstRunShowsTheEmptyPromptAndDisablesTheWindowButtons();
    void listedStudentsGetTheSelectPrompt();
    void pickingAStudentGreetsAndEnablesTheWindowButtons();
    void addingAStudentChangesNeitherPromptNorButtons();
    void deleteWithoutAPickAsksNothing();
    void deleteAskedAndRefusedChangesNothing();
    void deleteConfirmedRewritesTheRosterAndKeepsTheHistory();
    void deletingTheLastStudentEmptiesTheRoster();
    void deleteThatCannotBeSavedKeepsTheStudent();
    void realMessageBoxAsksAndIsAnswered();
    void exitUnloadsEveryWindow();

private:
    MainPortal *open();
    void pick(MainPortal *menu, int presses);
};

MainPortal *tst_MainPortal::open()
{
    auto *menu = Windows::load<MainPortal>();
    menu->show();
    QApplication::setActiveWindow(menu);
    return menu;
}

// Picks an entry the way a user does from the keyboard: focus the list, arrow down.
void tst_MainPortal::pick(MainPortal *menu, int presses)
{
    auto *combo = menu->findChild<QComboBox *>("Combo1");
    combo->setFocus();
    for (int i = 0; i < presses; ++i) {
        QTest::keyClick(combo, Qt::Key_Down);
    }
}

static QString welcome(MainPortal *menu)
{
    return menu->findChild<QLabel *>("lblWelcome")->text();
}

static bool windowButtonsEnabled(MainPortal *menu)
{
    const bool start = menu->findChild<QPushButton *>("Command1")->isEnabled();
    const bool print = menu->findChild<QPushButton *>("Command2")->isEnabled();
    const bool reports = menu->findChild<QPushButton *>("Command4")->isEnabled();
    if (start != print || print != reports) {
        qWarning("window buttons disagree");
        return !start;
    }
    return start;
}

void tst_MainPortal::cleanup()
{
    closeAllWindows();
    QCOMPARE(visibleTopLevelWindows(), 0);
    QVERIFY(Windows::loaded().isEmpty());
}

void tst_MainPortal::firstRunShowsTheEmptyPromptAndDisablesTheWindowButtons()
{
    WorkDir dir;
    MainPortal *menu = open();
    QCOMPARE(menu->windowTitle(), QStringLiteral("Main Menu"));
    QCOMPARE(welcome(menu), QStringLiteral("Press \"NEW STUDENT\" to begin"));
    QVERIFY(!windowButtonsEnabled(menu));
    QVERIFY(menu->findChild<QPushButton *>("btnAddStduent")->isEnabled());
    QVERIFY(menu->findChild<QPushButton *>("BtnDelStudent")->isEnabled());
    QVERIFY(!menu->currentStudent());
    QVERIFY(!QFile::exists("sumroll.ini"));
}

void tst_MainPortal::listedStudentsGetTheSelectPrompt()
{
    WorkDir dir;
    writeFile("sumroll.ini", "ZOE\r\nANN\r\n");
    MainPortal *menu = open();
    QCOMPARE(welcome(menu),
             QStringLiteral("Please select student to begin or press \"New Student\""));
    auto *combo = menu->findChild<QComboBox *>("Combo1");
    QCOMPARE(combo->currentIndex(), -1);
    QCOMPARE(combo->itemText(0), QStringLiteral("ANN"));
    QCOMPARE(combo->itemText(1), QStringLiteral("ZOE"));
}

void tst_MainPortal::pickingAStudentGreetsAndEnablesTheWindowButtons()
{
    WorkDir dir;
    writeFile("sumroll.ini", "ZOE\r\nANN\r\n");
    MainPortal *menu = open();
    pick(menu, 2);
    QCOMPARE(welcome(menu), QStringLiteral("Welcome ZOE"));
    QVERIFY(windowButtonsEnabled(menu));
    QCOMPARE(menu->currentStudent(), std::optional<QByteArray>("ZOE"));
}

void tst_MainPortal::addingAStudentChangesNeitherPromptNorButtons()
{
    WorkDir dir;
    MainPortal *menu = open();
    // The dialog is modal: answer it from inside its own event loop.
    QTimer::singleShot(0, [] {
        auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        auto *box = dialog->findChild<QLineEdit *>("txtStudent");
        box->setFocus();
        QTest::keyClicks(box, "ann");
        QTest::mouseClick(dialog->findChild<QPushButton *>("OKButton"), Qt::LeftButton);
    });
    QTest::mouseClick(menu->findChild<QPushButton *>("btnAddStduent"), Qt::LeftButton);
    QCOMPARE(readFile("sumroll.ini"), QByteArray("ANN\r\n"));
    QVERIFY(QFile::exists("ANN.hst"));
    QCOMPARE(welcome(menu), QStringLiteral("Press \"NEW STUDENT\" to begin"));
    QVERIFY(!windowButtonsEnabled(menu));
    QCOMPARE(menu->findChild<QComboBox *>("Combo1")->currentIndex(), -1);
    pick(menu, 1);
    QCOMPARE(welcome(menu), QStringLiteral("Welcome ANN"));
}

void tst_MainPortal::deleteWithoutAPickAsksNothing()
{
    WorkDir dir;
    writeFile("sumroll.ini", "ANN\r\n");
    ScriptedMessages messages;
    MainPortal *menu = open();
    QTest::mouseClick(menu->findChild<QPushButton *>("BtnDelStudent"), Qt::LeftButton);
    QVERIFY(messages.shown().isEmpty());
    QCOMPARE(readFile("sumroll.ini"), QByteArray("ANN\r\n"));
}

void tst_MainPortal::deleteAskedAndRefusedChangesNothing()
{
    WorkDir dir;
    writeFile("sumroll.ini", "ANN\r\nBEN\r\n");
    ScriptedMessages messages;
    messages.answer(QMessageBox::No);
    MainPortal *menu = open();
    pick(menu, 1);
    QTest::mouseClick(menu->findChild<QPushButton *>("BtnDelStudent"), Qt::LeftButton);
    QCOMPARE(messages.texts(), QStringList {"Do you want to delete user ANN?"});
    const ui::MessageRequest &asked = messages.shown().first();
    QCOMPARE(asked.icon, QMessageBox::Warning);
    QCOMPARE(asked.buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(asked.defaultButton, QMessageBox::No);
    QCOMPARE(welcome(menu), QStringLiteral("Welcome ANN"));
    QVERIFY(windowButtonsEnabled(menu));
    QCOMPARE(menu->findChild<QComboBox *>("Combo1")->count(), 2);
    QCOMPARE(readFile("sumroll.ini"), QByteArray("ANN\r\nBEN\r\n"));
}

void tst_MainPortal::deleteConfirmedRewritesTheRosterAndKeepsTheHistory()
{
    WorkDir dir;
    writeFile("sumroll.ini", "ANN\r\nBEN\r\nZOE\r\n");
    writeFile("BEN.hst", "1/1/2026#1#50#00:01:00\r\n");
    ScriptedMessages messages;
    messages.answer(QMessageBox::Yes);
    MainPortal *menu = open();
    pick(menu, 2);
    QTest::mouseClick(menu->findChild<QPushButton *>("BtnDelStudent"), Qt::LeftButton);
    QCOMPARE(readFile("sumroll.ini"), QByteArray("ANN\r\nZOE\r\n"));
    QCOMPARE(readFile("BEN.hst"), QByteArray("1/1/2026#1#50#00:01:00\r\n"));
    QCOMPARE(welcome(menu),
             QStringLiteral("Please Select student to begin or press \"New Student\""));
    QVERIFY(!windowButtonsEnabled(menu));
    QCOMPARE(menu->findChild<QComboBox *>("Combo1")->currentIndex(), -1);
    QVERIFY(!menu->currentStudent());
}

void tst_MainPortal::deletingTheLastStudentEmptiesTheRoster()
{
    WorkDir dir;
    writeFile("sumroll.ini", "ANN\r\n");
    ScriptedMessages messages;
    messages.answer(QMessageBox::Yes);
    MainPortal *menu = open();
    pick(menu, 1);
    QTest::mouseClick(menu->findChild<QPushButton *>("BtnDelStudent"), Qt::LeftButton);
    QVERIFY(QFile::exists("sumroll.ini"));
    QCOMPARE(readFile("sumroll.ini"), QByteArray());
    QCOMPARE(welcome(menu), QStringLiteral("Press \"NEW STUDENT\" to begin"));
    QVERIFY(!windowButtonsEnabled(menu));
}

void tst_MainPortal::deleteThatCannotBeSavedKeepsTheStudent()
{
    WorkDir dir;
    writeFile("sumroll.ini", "ANN\r\nBEN\r\n");
    ScriptedMessages messages;
    messages.answer(QMessageBox::Yes);
    MainPortal *menu = open();
    pick(menu, 1);
    // The roster's place is taken by a directory once loaded, so the save must fail.
    QFile::remove("sumroll.ini");
    QVERIFY(QDir().mkdir("sumroll.ini"));
    QTest::mouseClick(menu->findChild<QPushButton *>("BtnDelStudent"), Qt::LeftButton);
    QCOMPARE(messages.shown().size(), 2);
    QVERIFY2(messages.texts().last().contains("sumroll.ini"), qPrintable(messages.texts().last()));
    auto *combo = menu->findChild<QComboBox *>("Combo1");
    QCOMPARE(combo->count(), 2);
    QCOMPARE(combo->currentText(), QStringLiteral("ANN"));
    QCOMPARE(welcome(menu), QStringLiteral("Welcome ANN"));
    QVERIFY(windowButtonsEnabled(menu));
}

void tst_MainPortal::realMessageBoxAsksAndIsAnswered()
{
    WorkDir dir;
    writeFile("sumroll.ini", "ANN\r\n");
    MainPortal *menu = open();
    pick(menu, 1);
    QString title;
    QString text;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        title = box->windowTitle();
        text = box->text();
        defaultButton = box->standardButton(box->defaultButton());
        QTest::mouseClick(box->button(QMessageBox::Yes), Qt::LeftButton);
    });
    QTest::mouseClick(menu->findChild<QPushButton *>("BtnDelStudent"), Qt::LeftButton);
    QCOMPARE(title, QStringLiteral("sumtrail"));
    QCOMPARE(text, QStringLiteral("Do you want to delete user ANN?"));
    QCOMPARE(defaultButton, QMessageBox::No);
    QCOMPARE(readFile("sumroll.ini"), QByteArray());
}

void tst_MainPortal::exitUnloadsEveryWindow()
{
    WorkDir dir;
    MainPortal *menu = open();
    QPointer<OtherWindow> other = Windows::load<OtherWindow>();
    other->show();
    QPointer<MainPortal> guard = menu;
    QTest::mouseClick(menu->findChild<QPushButton *>("Command5"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(guard.isNull());
    QVERIFY(other.isNull());
    QVERIFY(Windows::loaded().isEmpty());
}

QTEST_MAIN(tst_MainPortal)
#include "tst_mainportal.moc"
