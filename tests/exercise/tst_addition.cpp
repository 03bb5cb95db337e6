#include "exercise/addition.h"
#include "exercise/addmodule.h"
#include "menu/mainportal.h"
#include "support/testsupport.h"
#include "ui/symbolglyphs.h"
#include "ui/theme.h"
#include "ui/twips.h"
#include "ui/windows.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>
#include <optional>

using testsupport::readFile;

namespace {
const QDateTime Opened(QDate(2026, 5, 12), QTime(13, 20, 0));

// Draws that give sixteen different level 1 questions, none of them 0 + 0.
const QList<double> VariedDraws = {0.13, 0.57, 0.91, 0.29, 0.74, 0.46, 0.08, 0.62,
                                   0.85, 0.37, 0.21, 0.68, 0.52, 0.33, 0.97, 0.04};
} // namespace

class TestAddition : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void opensFromTheMainMenuAtLevelOne();
    void questionsSitInTheirGridPlaces();
    void tabOrderRunsThroughTheBoxesThenTheButtons();
    void enterMovesToTheNextEnabledControl();
    void emptyBoxIsWrongAndShowsZero();
    void emptyBoxIsRightForZeroPlusZero();
    void leadingZerosAreRight();
    void scoreAndHistoryLine_data();
    void scoreAndHistoryLine();
    void helpMeOnlyWithAWrongAnswer();
    void helpMeOpensTheTutorOfTheLevel_data();
    void helpMeOpensTheTutorOfTheLevel();
    void aSetIsCheckedOnceUntilNew();
    void choosingALevelStartsANewSet();
    void letterRestoresTheLastNumber();
    void pasteIsCutOrRefused();
    void clockShowsElapsedTime_data();
    void clockShowsElapsedTime();
    void realTimerTicksAndCheckingStopsIt();
    void historyThatCannotBeWrittenIsReported();
    void withoutAStudentNothingIsWritten();
    void leavingShowsTheMainMenu_data();
    void leavingShowsTheMainMenu();

private:
    Addition *openFromMenu();
    QLineEdit *box(int n) const { return child<QLineEdit>(QStringLiteral("Text1(%1)").arg(n)); }
    QLabel *mark(int n) const { return child<QLabel>(QStringLiteral("lblmark(%1)").arg(n)); }
    QLabel *answer(int n) const { return child<QLabel>(QStringLiteral("lblAnswer(%1)").arg(n)); }
    QPushButton *button(const char *name) const { return child<QPushButton>(name); }
    QLineEdit *score() const { return child<QLineEdit>("txtScore"); }
    QLineEdit *clock() const { return child<QLineEdit>("TxtTime"); }
    template<class T> T *child(const QString &name) const
    {
        T *w = m_window->findChild<T *>(name);
        Q_ASSERT(w);
        return w;
    }
    void typeRightAnswers(const QList<int> &questions);
    void check() { QTest::mouseClick(button("cmdcheck"), Qt::LeftButton); }
    static QWidget *focused() { return QApplication::focusWidget(); }
    static QString sum(int n) { return QString::number(AddModule::SumNum[n]); }

    std::unique_ptr<testsupport::WorkDir> m_dir;
    std::unique_ptr<testsupport::ScriptedMessages> m_messages;
    std::unique_ptr<testsupport::FixedClock> m_clock;
    std::optional<testsupport::ScriptedRandom> m_random;
    MainPortal *m_menu = nullptr;
    Addition *m_window = nullptr;
};

void TestAddition::init()
{
    m_dir = std::make_unique<testsupport::WorkDir>();
    m_messages = std::make_unique<testsupport::ScriptedMessages>();
    m_clock = std::make_unique<testsupport::FixedClock>(Opened);
    m_random.emplace(VariedDraws);
    testsupport::writeFile(QStringLiteral("sumroll.ini"), "ANN\r\nBEN\r\n");
    m_window = openFromMenu();
}

void TestAddition::cleanup()
{
    testsupport::closeAllWindows();
    QCOMPARE(testsupport::visibleTopLevelWindows(), 0);
    QCOMPARE(Windows::loaded().size(), 0);
    m_window = nullptr;
    m_menu = nullptr;
    m_random.reset();
    m_clock.reset();
    m_messages.reset();
    m_dir.reset();
}

Addition *TestAddition::openFromMenu()
{
    m_menu = Windows::load<MainPortal>();
    m_menu->show();
    auto *students = m_menu->findChild<QComboBox *>("Combo1");
    QTest::keyClick(students, Qt::Key_Down); // picks ANN
    auto *start = m_menu->findChild<QPushButton *>("Command1");
    if (!start->isEnabled()) {
        return nullptr;
    }
    QTest::mouseClick(start, Qt::LeftButton);
    auto *window = Windows::find<Addition>();
    if (window && !QTest::qWaitForWindowActive(window)) {
        return nullptr;
    }
    return window;
}

void TestAddition::typeRightAnswers(const QList<int> &questions)
{
    for (int n : questions) {
        QTest::keyClicks(box(n), sum(n));
    }
}

void TestAddition::opensFromTheMainMenuAtLevelOne()
{
    QVERIFY(m_window);
    QVERIFY(!m_menu->isVisible());
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Addition Excercise"));
    QCOMPARE(child<QGroupBox>("Frame1")->title(), QStringLiteral("Addition"));
    QCOMPARE(m_window->curLevel(), 1);
    auto *levels = child<QComboBox>("Combo1");
    QCOMPARE(levels->currentText(), QStringLiteral("Level 1"));
    QCOMPARE(levels->count(), 6);
    QCOMPARE(levels->itemText(5), QStringLiteral("Level 6"));
    QCOMPARE(levels->itemData(5).toInt(), 6);
    QCOMPARE(clock()->text(), QStringLiteral("00:00:00"));
    QCOMPARE(score()->text(), QString());
    QVERIFY(button("cmdcheck")->isEnabled());
    QVERIFY(!button("cmdHelpMe")->isEnabled());
    QCOMPARE(focused(), box(1));
    QCOMPARE(m_window->curQuestion(), 1);
    QCOMPARE(child<QLabel>("lblno(1)")->text(), QStringLiteral("No. 1"));
    QCOMPARE(child<QLabel>("lblno(9)")->text(), QStringLiteral("No. 9"));
    QCOMPARE(child<QLabel>("lblno(10)")->text(), QStringLiteral("No.10"));
    QCOMPARE(child<QLabel>("lblno(16)")->text(), QStringLiteral("No.16"));
    for (int n = 1; n <= 16; ++n) {
        QCOMPARE(child<QLabel>(QStringLiteral("Label1(%1)").arg(n))->text(),
                 QString::number(AddModule::FirstNum[n]));
        QCOMPARE(child<QLabel>(QStringLiteral("Label2(%1)").arg(n))->text(),
                 QString::number(AddModule::SecondNum[n]));
        QCOMPARE(child<QLabel>(QStringLiteral("Label3(%1)").arg(n))->text(), QStringLiteral("+"));
        QVERIFY(AddModule::FirstNum[n] <= 10 && AddModule::SecondNum[n] <= 10);
        QCOMPARE(AddModule::SumNum[n], AddModule::FirstNum[n] + AddModule::SecondNum[n]);
        QVERIFY(box(n)->isEnabled());
        QCOMPARE(box(n)->text(), QString());
        QVERIFY(mark(n)->isHidden());
        QVERIFY(answer(n)->isHidden());
    }
}

void TestAddition::questionsSitInTheirGridPlaces()
{
    QVERIFY(m_window);
    auto *frame = child<QGroupBox>("Frame1");
    // Question 6 is the second of the second row.
    QCOMPARE(box(6)->parentWidget(), frame);
    QCOMPARE(box(6)->geometry(), ui::twipsRect(600 + 2520, 1150 + 1680, 1335, 420));
    QCOMPARE(box(16)->geometry(), ui::twipsRect(600 + 3 * 2520, 1150 + 3 * 1680, 1335, 420));
    QCOMPARE(mark(4)->geometry(), ui::twipsRect(2160 + 3 * 2520, 1150, 255, 375));
    QCOMPARE(answer(13)->geometry(), ui::twipsRect(600, 1590 + 3 * 1680, 1335, 375));
    QCOMPARE(box(1)->maxLength(), 5);
    QCOMPARE(box(1)->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    QCOMPARE(box(1)->font().family(), QStringLiteral("MS Sans Serif"));
    // Rows are designed at 13.5 points and shown at the layout's whole 14.
    QCOMPARE(box(1)->font().pointSizeF(), 14.0);
    QVERIFY(box(1)->font().bold());
    QCOMPARE(mark(1)->font().family(), QStringLiteral("Symbol"));
    QCOMPARE(ui::foreColour(answer(1)), QColor(255, 128, 0));
    QCOMPARE(button("cmdcheck")->geometry(), ui::twipsRect(3600, 7320, 6735, 1215));
    QCOMPARE(button("cmdcheck")->font().family(), QStringLiteral("Times New Roman"));
    QCOMPARE(button("cmdcheck")->font().pointSizeF(), 18.0);
    QCOMPARE(score()->palette().color(QPalette::Base), QColor(64, 0, 64));
    QCOMPARE(ui::outerSizeTwips(m_window), QSize(12120, 9120));
}

void TestAddition::tabOrderRunsThroughTheBoxesThenTheButtons()
{
    QVERIFY(m_window);
    QStringList visited;
    for (int step = 0; step < 23; ++step) {
        QTest::keyClick(focused(), Qt::Key_Tab);
        visited.append(focused()->objectName());
    }
    QStringList expected;
    for (int n = 2; n <= 16; ++n) {
        expected.append(QStringLiteral("Text1(%1)").arg(n));
    }
    // HELP ME is disabled before checking, so the chain goes round to the first box.
    expected << "cmdcheck"
             << "CmdNew"
             << "txtScore"
             << "Combo1"
             << "TxtTime"
             << "cmdMenu"
             << "Text1(1)"
             << "Text1(2)";
    QCOMPARE(visited, expected);
}

void TestAddition::enterMovesToTheNextEnabledControl()
{
    QVERIFY(m_window);
    QTest::keyClicks(box(1), QStringLiteral("5"));
    QTest::keyClick(box(1), Qt::Key_Return);
    QCOMPARE(focused(), box(2));
    QCOMPARE(box(1)->text(), QStringLiteral("5")); // the Enter went no further
    QCOMPARE(m_window->curQuestion(), 2);
    QTest::keyClick(box(2), Qt::Key_Enter);
    QCOMPARE(focused(), box(3));

    // Right answers in 3 and 4, then Enter from the last box presses Check Answers.
    typeRightAnswers({3, 4});
    box(16)->setFocus();
    QTest::keyClick(box(16), Qt::Key_Return);
    QCOMPARE(focused(), button("cmdcheck"));
    QTest::keyClick(focused(), Qt::Key_Return);
    QVERIFY(!button("cmdcheck")->isEnabled());
    QVERIFY(!score()->text().isEmpty());

    // After marking, Enter skips the locked boxes 3 and 4.
    box(2)->setFocus();
    QTest::keyClick(box(2), Qt::Key_Return);
    QCOMPARE(focused(), box(5));
    QCOMPARE(m_window->curQuestion(), 5);
}

void TestAddition::emptyBoxIsWrongAndShowsZero()
{
    QVERIFY(m_window);
    check();
    for (int n = 1; n <= 16; ++n) {
        QVERIFY(AddModule::SumNum[n] != 0);
        QCOMPARE(box(n)->text(), QStringLiteral("0"));
        QVERIFY(box(n)->isEnabled());
        QVERIFY(mark(n)->isVisible());
        QCOMPARE(mark(n)->text(), QString::fromUtf8(ui::symbolglyphs::Cross));
        QCOMPARE(ui::foreColour(mark(n)), QColor(192, 0, 0));
        QVERIFY(answer(n)->isVisible());
        QCOMPARE(answer(n)->text(), sum(n));
    }
    QCOMPARE(score()->text(), QStringLiteral("0%"));
}

void TestAddition::emptyBoxIsRightForZeroPlusZero()
{
    QVERIFY(m_window);
    m_random.emplace(QList<double>{0.0});
    QTest::mouseClick(button("CmdNew"), Qt::LeftButton);
    check();
    for (int n = 1; n <= 16; ++n) {
        QCOMPARE(AddModule::SumNum[n], 0);
        QCOMPARE(box(n)->text(), QStringLiteral("0"));
        QVERIFY(!box(n)->isEnabled());
        QCOMPARE(mark(n)->text(), QString::fromUtf8(ui::symbolglyphs::Check));
        QCOMPARE(ui::foreColour(mark(n)), QColor(0, 192, 0));
        QVERIFY(answer(n)->isHidden());
    }
    QCOMPARE(score()->text(), QStringLiteral("100%"));
    QVERIFY(!button("cmdHelpMe")->isEnabled());
    QCOMPARE(m_window->curQuestion(), -1);
}

void TestAddition::leadingZerosAreRight()
{
    QVERIFY(m_window);
    QTest::keyClicks(box(1), QStringLiteral("00") + sum(1));
    QTest::keyClicks(box(2), QStringLiteral(" ") + sum(2) + QStringLiteral(" "));
    QTest::keyClicks(box(3), sum(3) + QStringLiteral(".5"));
    check();
    QCOMPARE(box(1)->text(), QStringLiteral("00") + sum(1));
    QCOMPARE(mark(1)->text(), QString::fromUtf8(ui::symbolglyphs::Check));
    QCOMPARE(mark(2)->text(), QString::fromUtf8(ui::symbolglyphs::Check));
    QCOMPARE(mark(3)->text(), QString::fromUtf8(ui::symbolglyphs::Cross));
    QCOMPARE(score()->text(), QStringLiteral("12%"));
}

void TestAddition::scoreAndHistoryLine_data()
{
    QTest::addColumn<int>("right");
    QTest::addColumn<QString>("percent");
    QTest::newRow("none") << 0 << "0";
    QTest::newRow("two") << 2 << "12";
    QTest::newRow("six") << 6 << "38";
    QTest::newRow("ten") << 10 << "62";
    QTest::newRow("fourteen") << 14 << "88";
    QTest::newRow("all") << 16 << "100";
}

void TestAddition::scoreAndHistoryLine()
{
    QFETCH(int, right);
    QFETCH(QString, percent);
    QVERIFY(m_window);
    // The first questions right, the rest wrong but answered.
    for (int n = 1; n <= 16; ++n) {
        const int typed = AddModule::SumNum[n] + (n <= right ? 0 : 1);
        QTest::keyClicks(box(n), QString::number(typed));
    }
    m_clock->advance(207);
    m_window->Timer1_Timer();
    check();

    QCOMPARE(score()->text(), percent + QLatin1Char('%'));
    QCOMPARE(readFile(QStringLiteral("ANN.hst")),
             "5/12/2026 1:23:27 PM#1#" + percent.toLatin1() + "#00:03:27\r\n");
    QVERIFY(!QFile::exists(QStringLiteral("BEN.hst")));
    QVERIFY(m_messages->shown().isEmpty());
    if (right < 16) {
        QCOMPARE(m_window->curQuestion(), right + 1);
        QCOMPARE(focused(), box(right + 1));
    } else {
        QCOMPARE(m_window->curQuestion(), -1);
    }
    QCOMPARE(button("cmdHelpMe")->isEnabled(), right < 16);
}

void TestAddition::helpMeOnlyWithAWrongAnswer()
{
    QVERIFY(m_window);
    // Wrong answers do not count before checking.
    QTest::keyClicks(box(1), QStringLiteral("99"));
    QVERIFY(!button("cmdHelpMe")->isEnabled());

    typeRightAnswers({1, 2, 3, 4, 5, 6, 8, 9, 10, 12, 13, 14, 15, 16});
    box(1)->clear();
    typeRightAnswers({1});
    check();
    QVERIFY(button("cmdHelpMe")->isEnabled());
    QCOMPARE(focused(), box(7));
    QCOMPARE(m_window->curQuestion(), 7);

    // Clicking another wrong answer makes it the one explained.
    QTest::mouseClick(box(11), Qt::LeftButton);
    QCOMPARE(m_window->curQuestion(), 11);
    // Moving on past the locked boxes to a button leaves it the one explained.
    QTest::keyClick(box(11), Qt::Key_Tab);
    QCOMPARE(focused(), button("CmdNew"));
    QCOMPARE(m_window->curQuestion(), 11);

    QTest::mouseClick(button("CmdNew"), Qt::LeftButton);
    QVERIFY(!button("cmdHelpMe")->isEnabled());
    QVERIFY(button("cmdcheck")->isEnabled());
    for (int n = 1; n <= 16; ++n) {
        QVERIFY(box(n)->isEnabled());
        QCOMPARE(box(n)->text(), QString());
        QVERIFY(mark(n)->isHidden());
        QVERIFY(answer(n)->isHidden());
    }
    QCOMPARE(score()->text(), QString());
}

void TestAddition::helpMeOpensTheTutorOfTheLevel_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QByteArray>("tutorClass");
    QTest::addColumn<QString>("operandLabel");
    QTest::newRow("level 1: pictures") << 1 << QByteArray("Tutor") << "lblop1";
    QTest::newRow("level 4: columns") << 4 << QByteArray("Tutor2") << "lblQno";
}

void TestAddition::helpMeOpensTheTutorOfTheLevel()
{
    QFETCH(int, level);
    QFETCH(QByteArray, tutorClass);
    QFETCH(QString, operandLabel);
    QVERIFY(m_window);
    auto *levels = child<QComboBox>("Combo1");
    for (int i = 1; i < level; ++i) {
        QTest::keyClick(levels, Qt::Key_Down);
    }
    QCOMPARE(m_window->curLevel(), level);
    typeRightAnswers({1, 2, 3, 4});
    check();
    QCOMPARE(m_window->curQuestion(), 5);
    const QString before = score()->text();

    // The tutor is modal: look at it and close it from inside its own event loop.
    QByteArray opened;
    QString shown;
    QTimer::singleShot(0, [&] {
        QWidget *tutor = QApplication::activeModalWidget();
        QVERIFY(tutor);
        opened = tutor->metaObject()->className();
        shown = tutor->findChild<QLabel *>(operandLabel)->text();
        tutor->close();
    });
    QTest::mouseClick(button("cmdHelpMe"), Qt::LeftButton);
    QCOMPARE(opened, tutorClass);
    QCOMPARE(shown, level == 1 ? QString::number(AddModule::FirstNum[5])
                               : QStringLiteral("Question 5"));
    QCOMPARE(score()->text(), before);
    QCOMPARE(m_window->curQuestion(), 5);
    QVERIFY(button("cmdHelpMe")->isEnabled());
    QVERIFY(!box(1)->isEnabled());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

void TestAddition::aSetIsCheckedOnceUntilNew()
{
    QVERIFY(m_window);
    typeRightAnswers({1, 2});
    check();
    QCOMPARE(score()->text(), QStringLiteral("12%"));
    const QByteArray once = readFile(QStringLiteral("ANN.hst"));
    QCOMPARE(once.count("\r\n"), 1);

    // Correcting a wrong answer and pressing the disabled button changes nothing.
    box(3)->clear();
    QTest::keyClicks(box(3), sum(3));
    check();
    QCOMPARE(score()->text(), QStringLiteral("12%"));
    QCOMPARE(readFile(QStringLiteral("ANN.hst")), once);

    m_clock->advance(65);
    QTest::mouseClick(button("CmdNew"), Qt::LeftButton);
    QCOMPARE(clock()->text(), QStringLiteral("00:00:00"));
    m_clock->advance(4);
    m_window->Timer1_Timer();
    check();
    QCOMPARE(readFile(QStringLiteral("ANN.hst")), once + "5/12/2026 1:21:09 PM#1#0#00:00:04\r\n");
}

void TestAddition::choosingALevelStartsANewSet()
{
    QVERIFY(m_window);
    check();
    auto *levels = child<QComboBox>("Combo1");
    m_clock->advance(30);
    for (int level = 2; level <= 6; ++level) {
        QTest::keyClick(levels, Qt::Key_Down);
        QCOMPARE(levels->currentText(), QStringLiteral("Level %1").arg(level));
        QCOMPARE(m_window->curLevel(), level);
        QVERIFY(button("cmdcheck")->isEnabled());
        QVERIFY(!button("cmdHelpMe")->isEnabled());
        QCOMPARE(clock()->text(), QStringLiteral("00:00:00"));
        QCOMPARE(box(1)->text(), QString());
        QVERIFY(mark(1)->isHidden());
    }
    // Level 6 operands have three digits.
    for (int n = 1; n <= 16; ++n) {
        QVERIFY(AddModule::FirstNum[n] >= 100 && AddModule::SecondNum[n] >= 100);
    }
    typeRightAnswers({1});
    check();
    QVERIFY(readFile(QStringLiteral("ANN.hst")).endsWith("#6#6#00:00:00\r\n"));
}

void TestAddition::letterRestoresTheLastNumber()
{
    QVERIFY(m_window);
    QTest::keyClicks(box(1), QStringLiteral("12"));
    QTest::keyClick(box(1), Qt::Key_A);
    QCOMPARE(box(1)->text(), QStringLiteral("12"));
    QCOMPARE(box(1)->cursorPosition(), 2);

    // A letter typed in the middle leaves the caret where it was.
    box(1)->setCursorPosition(1);
    QTest::keyClick(box(1), Qt::Key_X);
    QCOMPARE(box(1)->text(), QStringLiteral("12"));
    QCOMPARE(box(1)->cursorPosition(), 1);

    // Emptying the box keeps its last number ("1" on the way), which a letter brings back.
    QTest::keyClick(box(1), Qt::Key_End);
    QTest::keyClick(box(1), Qt::Key_Backspace);
    QTest::keyClick(box(1), Qt::Key_Backspace);
    QCOMPARE(box(1)->text(), QString());
    QTest::keyClick(box(1), Qt::Key_B);
    QCOMPARE(box(1)->text(), QStringLiteral("1"));

    // So does a box that a new set has emptied.
    QTest::keyClicks(box(2), QStringLiteral("7"));
    QTest::mouseClick(button("CmdNew"), Qt::LeftButton);
    QCOMPARE(box(1)->text(), QString());
    QTest::keyClicks(box(1), QStringLiteral("q"));
    QCOMPARE(box(1)->text(), QStringLiteral("1"));
    QTest::keyClicks(box(2), QStringLiteral("#"));
    QCOMPARE(box(2)->text(), QStringLiteral("7"));

    // A lone sign in a box that never held a number leaves it empty; sign and digits stay.
    QTest::keyClicks(box(3), QStringLiteral("-"));
    QCOMPARE(box(3)->text(), QString());
    QTest::keyClicks(box(4), QStringLiteral("4.5"));
    QCOMPARE(box(4)->text(), QStringLiteral("4.5"));

    // At most five characters.
    QTest::keyClicks(box(5), QStringLiteral("1234567"));
    QCOMPARE(box(5)->text(), QStringLiteral("12345"));
}

void TestAddition::pasteIsCutOrRefused()
{
    QVERIFY(m_window);
    QGuiApplication::clipboard()->setText(QStringLiteral("1234567"));
    QTest::keyClick(box(1), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box(1)->text(), QStringLiteral("12345"));

    QTest::keyClicks(box(2), QStringLiteral("8"));
    QGuiApplication::clipboard()->setText(QStringLiteral("3#4\r\nx"));
    QTest::keyClick(box(2), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box(2)->text(), QStringLiteral("8"));

    QGuiApplication::clipboard()->setText(QStringLiteral("12ab99"));
    QTest::keyClick(box(3), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box(3)->text(), QString());

    check();
    const QByteArray line = readFile(QStringLiteral("ANN.hst"));
    QCOMPARE(line.count('#'), 3);
    QCOMPARE(line.count("\r\n"), 1);
}

void TestAddition::clockShowsElapsedTime_data()
{
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<QString>("shown");
    QTest::newRow("59 s") << qint64(59) << "00:00:59";
    QTest::newRow("1 h") << qint64(3600) << "01:00:00";
    QTest::newRow("past a day") << qint64(25 * 3600 + 2 * 60 + 3) << "01:02:03";
}

void TestAddition::clockShowsElapsedTime()
{
    QFETCH(qint64, seconds);
    QFETCH(QString, shown);
    QVERIFY(m_window);
    m_clock->advance(seconds);
    m_window->Timer1_Timer();
    QCOMPARE(clock()->text(), shown);
    check();
    QVERIFY(readFile(QStringLiteral("ANN.hst")).endsWith("#1#0#" + shown.toLatin1() + "\r\n"));
}

void TestAddition::realTimerTicksAndCheckingStopsIt()
{
    QVERIFY(m_window);
    m_clock->advance(42);
    QTRY_COMPARE_WITH_TIMEOUT(clock()->text(), QStringLiteral("00:00:42"), 3000);
    check();
    auto *timer = m_window->findChild<QTimer *>();
    QVERIFY(timer);
    QVERIFY(!timer->isActive());
    // The clock box is shown, not typed into: its text goes into the history.
    QVERIFY(clock()->isReadOnly());
    QVERIFY(score()->isReadOnly());
}

void TestAddition::historyThatCannotBeWrittenIsReported()
{
    QVERIFY(m_window);
    QVERIFY(QDir().mkdir(QStringLiteral("ANN.hst")));
    typeRightAnswers({1});
    check();
    QCOMPARE(m_messages->shown().size(), 1);
    QCOMPARE(m_messages->shown().first().icon, QMessageBox::Warning);
    QVERIFY(m_messages->texts().first().contains(QStringLiteral("ANN.hst")));
    // The marks and the score stay on screen.
    QCOMPARE(score()->text(), QStringLiteral("6%"));
    QVERIFY(mark(1)->isVisible());
    QVERIFY(answer(2)->isVisible());
    QVERIFY(!button("cmdcheck")->isEnabled());
    QVERIFY(button("cmdHelpMe")->isEnabled());
    QVERIFY(m_window->isVisible());
}

void TestAddition::withoutAStudentNothingIsWritten()
{
    testsupport::closeAllWindows();
    auto *window = Windows::load<Addition>();
    window->show();
    QTest::mouseClick(window->findChild<QPushButton *>("cmdcheck"), Qt::LeftButton);
    QCOMPARE(window->findChild<QLineEdit *>("txtScore")->text(), QStringLiteral("0%"));
    QVERIFY(QDir().entryList({QStringLiteral("*.hst")}, QDir::AllEntries).isEmpty());
    QVERIFY(m_messages->shown().isEmpty());
}

void TestAddition::leavingShowsTheMainMenu_data()
{
    QTest::addColumn<bool>("byButton");
    QTest::newRow("Main Menu") << true;
    QTest::newRow("close box") << false;
}

void TestAddition::leavingShowsTheMainMenu()
{
    QFETCH(bool, byButton);
    QVERIFY(m_window);
    if (byButton) {
        QTest::mouseClick(button("cmdMenu"), Qt::LeftButton);
    } else {
        m_window->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!Windows::find<Addition>());
    QVERIFY(m_menu->isVisible());
    QVERIFY(!QFile::exists(QStringLiteral("ANN.hst"))); // nothing is saved on leaving

    // The same student is still picked, so the exercise opens again for ANN.
    QTest::mouseClick(m_menu->findChild<QPushButton *>("Command1"), Qt::LeftButton);
    m_window = Windows::find<Addition>();
    QVERIFY(m_window);
    QVERIFY(!m_menu->isVisible());
    check();
    QVERIFY(QFile::exists(QStringLiteral("ANN.hst")));
}

QTEST_MAIN(TestAddition)
#include "tst_addition.moc"
