#include "exercise/addition.h"
#include "exercise/addmodule.h"
#include "menu/mainportal.h"
#include "support/testsupport.h"
#include "ui/symbolglyphs.h"
#include "ui/theme.h"
#include "ui/windows.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
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
    void init()
    {
        m_dir = std::make_unique<testsupport::WorkDir>();
        m_messages = std::make_unique<testsupport::ScriptedMessages>();
        m_clock = std::make_unique<testsupport::FixedClock>(Opened);
        m_random.emplace(VariedDraws);
        testsupport::writeFile(QStringLiteral("sumroll.ini"), "ANN\r\nBEN\r\n");
        m_window = openFromMenu();
    }

    void cleanup()
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

    void enterMovesToTheNextEnabledControl()
    {
        QVERIFY(m_window);
        QCOMPARE(focused(), box(1));
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

    void emptyBoxIsWrongAndShowsZero_data()
    {
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<bool>("zeroPlusZero");
        QTest::newRow("wrong") << VariedDraws << false;
        QTest::newRow("right for 0 + 0") << QList<double> {0.0} << true;
    }

    void emptyBoxIsWrongAndShowsZero()
    {
        QFETCH(QList<double>, draws);
        QFETCH(bool, zeroPlusZero);
        QVERIFY(m_window);
        m_random.emplace(draws);
        QTest::mouseClick(button("CmdNew"), Qt::LeftButton);
        check();
        for (int n = 1; n <= 16; ++n) {
            QCOMPARE(AddModule::SumNum[n] == 0, zeroPlusZero);
            QCOMPARE(box(n)->text(), QStringLiteral("0"));
            QCOMPARE(box(n)->isEnabled(), !zeroPlusZero);
            QCOMPARE(mark(n)->text(),
                     QString::fromUtf8(zeroPlusZero ? ui::symbolglyphs::Check
                                                    : ui::symbolglyphs::Cross));
            QCOMPARE(ui::foreColour(mark(n)), zeroPlusZero ? QColor(0, 192, 0) : QColor(192, 0, 0));
            QCOMPARE(answer(n)->isVisible(), !zeroPlusZero);
            if (!zeroPlusZero) {
                QCOMPARE(answer(n)->text(), sum(n));
            }
        }
        QCOMPARE(score()->text(), zeroPlusZero ? QStringLiteral("100%") : QStringLiteral("0%"));
    }

    void scoreAndHistoryLine_data()
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

    void scoreAndHistoryLine()
    {
        QFETCH(int, right);
        QFETCH(QString, percent);
        QVERIFY(m_window);
        // The first questions right, the rest wrong but answered; leading zeros are no fault.
        for (int n = 1; n <= 16; ++n) {
            const int typed = AddModule::SumNum[n] + (n <= right ? 0 : 1);
            QTest::keyClicks(box(n), QStringLiteral("00") + QString::number(typed));
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

    void helpMeOnlyWithAWrongAnswer()
    {
        QVERIFY(m_window);
        // Wrong answers do not count before checking.
        QTest::keyClicks(box(1), QStringLiteral("99"));
        QVERIFY(!button("cmdHelpMe")->isEnabled());

        box(1)->clear();
        typeRightAnswers({1, 2, 3, 4, 5, 6, 8, 9, 10, 12, 13, 14, 15, 16});
        check();
        QVERIFY(button("cmdHelpMe")->isEnabled());
        QCOMPARE(focused(), box(7));
        QCOMPARE(m_window->curQuestion(), 7);

        // Clicking another wrong answer makes it the one explained, and moving on to a button
        // leaves it so.
        QTest::mouseClick(box(11), Qt::LeftButton);
        QTest::keyClick(box(11), Qt::Key_Tab);
        QCOMPARE(focused(), button("CmdNew"));
        QCOMPARE(m_window->curQuestion(), 11);

        QTest::mouseClick(button("CmdNew"), Qt::LeftButton);
        QVERIFY(!button("cmdHelpMe")->isEnabled());
        QVERIFY(button("cmdcheck")->isEnabled());
        QVERIFY(box(1)->isEnabled() && box(1)->text().isEmpty() && mark(7)->isHidden());
        QCOMPARE(score()->text(), QString());
    }

    void helpMeOpensTheTutorOfTheLevel_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QByteArray>("tutorClass");
        QTest::addColumn<QString>("operandLabel");
        QTest::newRow("level 1: pictures") << 1 << QByteArray("Tutor") << "lblop1";
        QTest::newRow("level 4: columns") << 4 << QByteArray("Tutor2") << "lblQno";
    }

    void helpMeOpensTheTutorOfTheLevel()
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
        QCOMPARE(shown,
                 level == 1 ? QString::number(AddModule::FirstNum[5])
                            : QStringLiteral("Question 5"));
        QCOMPARE(score()->text(), before);
        QCOMPARE(m_window->curQuestion(), 5);
        QVERIFY(button("cmdHelpMe")->isEnabled());
        QVERIFY(!box(1)->isEnabled());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    void aSetIsCheckedOnceUntilALevelIsChosen()
    {
        QVERIFY(m_window);
        typeRightAnswers({1, 2});
        check();
        QCOMPARE(score()->text(), QStringLiteral("12%"));
        const QByteArray once = readFile(QStringLiteral("ANN.hst"));

        // Correcting a wrong answer and pressing the disabled button changes nothing.
        box(3)->clear();
        QTest::keyClicks(box(3), sum(3));
        check();
        QCOMPARE(score()->text(), QStringLiteral("12%"));
        QCOMPARE(readFile(QStringLiteral("ANN.hst")), once);

        // Choosing a level starts a new set of that level, its clock from nought.
        m_clock->advance(65);
        auto *levels = child<QComboBox>("Combo1");
        for (int level = 2; level <= 6; ++level) {
            QTest::keyClick(levels, Qt::Key_Down);
        }
        QCOMPARE(levels->currentText(), QStringLiteral("Level 6"));
        QVERIFY(button("cmdcheck")->isEnabled());
        QVERIFY(!button("cmdHelpMe")->isEnabled());
        QCOMPARE(clock()->text(), QStringLiteral("00:00:00"));
        QVERIFY(box(3)->isEnabled() && box(3)->text().isEmpty() && mark(3)->isHidden());
        for (int n = 1; n <= 16; ++n) {
            QVERIFY(AddModule::FirstNum[n] >= 100 && AddModule::SecondNum[n] >= 100);
        }
        typeRightAnswers({1});
        check();
        QCOMPARE(readFile(QStringLiteral("ANN.hst")),
                 once + "5/12/2026 1:21:05 PM#6#6#00:00:00\r\n");
    }

    void letterRestoresTheLastNumber()
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

        // A lone sign in a box that never held a number leaves it empty.
        QTest::keyClicks(box(3), QStringLiteral("-"));
        QCOMPARE(box(3)->text(), QString());
    }

    void clockShowsElapsedTime_data()
    {
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<QString>("shown");
        QTest::newRow("59 s") << qint64(59) << "00:00:59";
        QTest::newRow("1 h") << qint64(3600) << "01:00:00";
        QTest::newRow("past a day") << qint64(25 * 3600 + 2 * 60 + 3) << "01:02:03";
    }

    void clockShowsElapsedTime()
    {
        QFETCH(qint64, seconds);
        QFETCH(QString, shown);
        QVERIFY(m_window);
        m_clock->advance(seconds);
        QTRY_COMPARE(clock()->text(), shown); // the window's own timer ticks
        check();
        QVERIFY(readFile(QStringLiteral("ANN.hst")).endsWith("#1#0#" + shown.toLatin1() + "\r\n"));
        // Checking stops the clock: the real timer no longer moves it on.
        m_clock->advance(5);
        QTest::qWait(1200);
        QCOMPARE(clock()->text(), shown);
    }

    void historyThatCannotBeWrittenIsReported()
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
        QVERIFY(answer(2)->isVisible());
        QVERIFY(button("cmdHelpMe")->isEnabled());
    }

    void leavingShowsTheMainMenu_data()
    {
        QTest::addColumn<bool>("byButton");
        QTest::newRow("Main Menu") << true;
        QTest::newRow("close box") << false;
    }

    void leavingShowsTheMainMenu()
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

    void typeRightAnswers(const QList<int> &questions)
    {
        for (int n : questions) {
            QTest::keyClicks(box(n), sum(n));
        }
    }

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

QTEST_MAIN(TestAddition)
#include "tst_addition.moc"
