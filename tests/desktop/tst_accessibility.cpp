#include "exercise/addition.h"
#include "exercise/addmodule.h"
#include "exercise/scoring.h"
#include "menu/dialog.h"
#include "menu/mainportal.h"
#include "print/printmenu.h"
#include "records/studentlist.h"
#include "report/report.h"
#include "support/testsupport.h"
#include "tutors/tutor.h"
#include "tutors/tutor2.h"
#include "ui/windows.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

namespace {
const QDateTime Opened(QDate(2026, 5, 12), QTime(13, 20, 0));
const QList<double> VariedDraws = {0.13, 0.57, 0.91, 0.29, 0.74, 0.46, 0.08, 0.62,
                                   0.85, 0.37, 0.21, 0.68, 0.52, 0.33, 0.97, 0.04};

QString accessibleText(QObject *w, QAccessible::Text which)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(w);
    return face ? face->text(which) : QString();
}

// The controls of a window, as its design table named them.
QList<QWidget *> namedControls(QWidget *window)
{
    QList<QWidget *> found;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_"))) {
            found.append(w);
        }
    }
    return found;
}

// Presses Tab in the window until `target` has the focus; false when it never comes.
bool tabTo(QWidget *window, QWidget *target)
{
    for (int i = 0; i < 40 && window->focusWidget() != target; ++i) {
        QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, Qt::Key_Tab);
    }
    return window->focusWidget() == target;
}
} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void everyControlThatTakesTheFocusIsNamedAndDescribed_data();
    void everyControlThatTakesTheFocusIsNamedAndDescribed();
    void namesSayWhatControlsAreFor();
    void marksAreAnnouncedAsRightOrWrong();
    void wholeExerciseAndTutorByKeyboardAlone();
    void columnTutorByKeyboardAlone();

private:
    MainPortal *openMenuWithStudent();
    Addition *startExercise();

    std::unique_ptr<testsupport::WorkDir> m_dir;
    std::unique_ptr<testsupport::ScriptedMessages> m_messages;
    std::unique_ptr<testsupport::FixedClock> m_clock;
    std::optional<testsupport::ScriptedRandom> m_random;
    StudentList m_students;
};

void TestAccessibility::init()
{
    m_dir = std::make_unique<testsupport::WorkDir>();
    m_messages = std::make_unique<testsupport::ScriptedMessages>();
    m_clock = std::make_unique<testsupport::FixedClock>(Opened);
    m_random.emplace(VariedDraws);
    testsupport::writeFile(QStringLiteral("sumroll.ini"), "ANN\r\n");
    testsupport::writeFile(QStringLiteral("ANN.hst"), "12/5/2026 1:23:45 PM#3#81#00:03:27\r\n");
}

void TestAccessibility::cleanup()
{
    testsupport::closeAllWindows();
    QCOMPARE(testsupport::visibleTopLevelWindows(), 0);
    QCOMPARE(Windows::loaded().size(), 0);
    m_random.reset();
    m_clock.reset();
    m_messages.reset();
    m_dir.reset();
}

MainPortal *TestAccessibility::openMenuWithStudent()
{
    MainPortal *menu = Windows::load<MainPortal>();
    menu->show();
    QTest::keyClick(menu->findChild<QComboBox *>("Combo1"), Qt::Key_Down); // picks ANN
    return menu;
}

Addition *TestAccessibility::startExercise()
{
    MainPortal *menu = openMenuWithStudent();
    QTest::mouseClick(menu->findChild<QPushButton *>("Command1"), Qt::LeftButton);
    Addition *exercise = Windows::find<Addition>();
    return exercise && QTest::qWaitForWindowActive(exercise) ? exercise : nullptr;
}

using Opener = std::function<QWidget *(StudentList &)>;
Q_DECLARE_METATYPE(Opener)

void TestAccessibility::everyControlThatTakesTheFocusIsNamedAndDescribed_data()
{
    QTest::addColumn<Opener>("open");
    QTest::addColumn<int>("atLeast"); // controls a pupil can reach

    const auto modal = [](QDialog *dialog) {
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->show();
        return dialog;
    };
    QTest::newRow("main menu") << Opener([](StudentList &) {
        MainPortal *w = Windows::load<MainPortal>();
        w->show();
        return w;
    }) << 7;
    QTest::newRow("new student") << Opener([modal](StudentList &students) {
        return modal(new Dialog(students));
    }) << 3;
    QTest::newRow("exercise") << Opener([](StudentList &) {
        Addition *w = Windows::load<Addition>();
        w->show();
        return w;
    }) << 23;
    QTest::newRow("picture tutor") << Opener([modal](StudentList &) {
        AddModule::FirstNum[1] = 7;
        AddModule::SecondNum[1] = 5;
        AddModule::SumNum[1] = 12;
        auto *tutor = new Tutor;
        qint16 q = 1;
        tutor->initialize(q);
        return modal(tutor);
    }) << 2;
    QTest::newRow("column tutor") << Opener([modal](StudentList &) {
        AddModule::FirstNum[1] = 478;
        AddModule::SecondNum[1] = 356;
        AddModule::SumNum[1] = 834;
        auto *tutor = new Tutor2;
        qint16 q = 1;
        tutor->initialize(q);
        return modal(tutor);
    }) << 4;
    QTest::newRow("report") << Opener([](StudentList &) {
        MainPortal *menu = Windows::load<MainPortal>();
        menu->show();
        QTest::keyClick(menu->findChild<QComboBox *>("Combo1"), Qt::Key_Down);
        report *w = Windows::load<report>();
        w->show();
        return w;
    }) << 4;
    QTest::newRow("print") << Opener([](StudentList &) {
        PrintMenu *w = Windows::load<PrintMenu>();
        w->show();
        return w;
    }) << 4;
}

void TestAccessibility::everyControlThatTakesTheFocusIsNamedAndDescribed()
{
    QFETCH(Opener, open);
    QFETCH(int, atLeast);
    QWidget *window = open(m_students);
    QVERIFY(window);
    int reachable = 0;
    for (QWidget *w : namedControls(window)) {
        if (w->focusPolicy() == Qt::NoFocus || !w->isVisibleTo(window)) {
            continue;
        }
        ++reachable;
        const QByteArray who = w->objectName().toUtf8();
        QVERIFY2(!accessibleText(w, QAccessible::Name).trimmed().isEmpty(), who);
        QVERIFY2(!accessibleText(w, QAccessible::Description).trimmed().isEmpty(), who);
    }
    QVERIFY2(reachable >= atLeast, QByteArray::number(reachable));
    window->close();
}

void TestAccessibility::namesSayWhatControlsAreFor()
{
    Addition *exercise = startExercise();
    QVERIFY(exercise);
    const auto name = [](QWidget *window, const char *control) {
        QObject *w = window->findChild<QObject *>(QString::fromLatin1(control));
        return w ? accessibleText(w, QAccessible::Name) : QStringLiteral("(missing)");
    };
    QCOMPARE(name(exercise, "Text1(3)"), QStringLiteral("Answer to question 3"));
    QCOMPARE(name(exercise, "Text1(16)"), QStringLiteral("Answer to question 16"));
    QCOMPARE(name(exercise, "txtScore"), QStringLiteral("Score"));
    QCOMPARE(name(exercise, "TxtTime"), QStringLiteral("Time taken"));
    // A drop-down list says its choice as its name; its own name is read from its label or
    // its accessible name.
    QCOMPARE(exercise->findChild<QComboBox *>("Combo1")->accessibleName(), QStringLiteral("Level"));
    QCOMPARE(name(exercise, "cmdHelpMe"), QStringLiteral("HELP ME"));
    QCOMPARE(name(exercise, "Label2(7)"), QStringLiteral("Second number of question 7"));
    auto *students = Windows::find<MainPortal>()->findChild<QComboBox *>("Combo1");
    QCOMPARE(students->accessibleName(), QStringLiteral("Student"));
    QCOMPARE(Windows::find<MainPortal>()->findChild<QLabel *>("Label1")->buddy(), students);

    AddModule::FirstNum[1] = 478;
    AddModule::SecondNum[1] = 356;
    AddModule::SumNum[1] = 834;
    Tutor2 tutor;
    qint16 q = 1;
    tutor.initialize(q);
    QCOMPARE(name(&tutor, "TxtAns(0)"), QStringLiteral("Answer digit, units"));
    QCOMPARE(name(&tutor, "TxtAns(2)"), QStringLiteral("Answer digit, hundreds"));
}

void TestAccessibility::marksAreAnnouncedAsRightOrWrong()
{
    Addition *exercise = startExercise();
    QVERIFY(exercise);
    const auto box = [exercise](int n) {
        return exercise->findChild<QLineEdit *>(QStringLiteral("Text1(%1)").arg(n));
    };
    const auto mark = [exercise](int n) {
        return exercise->findChild<QLabel *>(QStringLiteral("lblmark(%1)").arg(n));
    };
    const QString help = accessibleText(box(2), QAccessible::Description);
    QTest::keyClicks(box(1), QString::number(AddModule::SumNum[1]));
    QTest::keyClicks(box(2), QString::number(AddModule::SumNum[2] + 1));
    QTest::mouseClick(exercise->findChild<QPushButton *>("cmdcheck"), Qt::LeftButton);

    QCOMPARE(accessibleText(mark(1), QAccessible::Name), QStringLiteral("Question 1 is right"));
    QCOMPARE(accessibleText(mark(2), QAccessible::Name), QStringLiteral("Question 2 is wrong"));
    QCOMPARE(accessibleText(mark(3), QAccessible::Name), QStringLiteral("Question 3 is wrong"));
    QCOMPARE(accessibleText(box(1), QAccessible::Description), QStringLiteral("Right"));
    QCOMPARE(accessibleText(box(2), QAccessible::Description),
             QStringLiteral("Wrong; the right answer is %1").arg(AddModule::SumNum[2]));

    // New questions: the boxes say again what they are for, not the old marks.
    QTest::mouseClick(exercise->findChild<QPushButton *>("CmdNew"), Qt::LeftButton);
    QCOMPARE(accessibleText(box(2), QAccessible::Description), help);
    QVERIFY(!help.isEmpty());
}

void TestAccessibility::wholeExerciseAndTutorByKeyboardAlone()
{
    MainPortal *menu = Windows::load<MainPortal>();
    menu->show();
    QVERIFY(QTest::qWaitForWindowActive(menu));
    auto *students = menu->findChild<QComboBox *>("Combo1");
    QCOMPARE(menu->focusWidget(), students);
    QTest::keyClick(students, Qt::Key_Down);
    auto *start = menu->findChild<QPushButton *>("Command1");
    QVERIFY(tabTo(menu, start));
    QTest::keyClick(start, Qt::Key_Space);

    Addition *exercise = Windows::find<Addition>();
    QVERIFY(exercise && QTest::qWaitForWindowActive(exercise));
    // Every answer typed and confirmed with Enter; question 5 is answered wrong.
    constexpr int Wrong = 5;
    for (int n = 1; n <= scoring::QuestionCount; ++n) {
        QWidget *box = exercise->focusWidget();
        QCOMPARE(box->objectName(), QStringLiteral("Text1(%1)").arg(n));
        const int typed = n == Wrong ? AddModule::SumNum[n] + 1 : AddModule::SumNum[n];
        QTest::keyClicks(box, QString::number(typed));
        QTest::keyClick(box, Qt::Key_Return);
    }
    auto *check = exercise->findChild<QPushButton *>("cmdcheck");
    QCOMPARE(exercise->focusWidget(), check);
    QTest::keyClick(check, Qt::Key_Space);
    QCOMPARE(exercise->findChild<QLineEdit *>("txtScore")->text(),
             QString::number(scoring::scorePercent(scoring::QuestionCount - 1)) + QLatin1Char('%'));
    QCOMPARE(exercise->focusWidget()->objectName(), QStringLiteral("Text1(%1)").arg(Wrong));

    // The picture tutor, worked and closed by keys from inside its own event loop.
    QByteArray tutorClass;
    QString total;
    bool closedByKey = false;
    QTimer::singleShot(0, [&] {
        auto *tutor = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY(tutor);
        tutorClass = tutor->metaObject()->className();
        auto *plus = tutor->findChild<QPushButton *>("cmdplus");
        auto *exit = tutor->findChild<QPushButton *>("cmdexit");
        QCOMPARE(tutor->focusWidget(), plus);
        for (int i = 0; i < 12 && !exit->isEnabled(); ++i) {
            QTest::keyClick(plus, Qt::Key_Space);
        }
        total = tutor->findChild<QLabel *>("lblanswer")->text();
        QVERIFY(tabTo(tutor, exit));
        QTest::keyClick(exit, Qt::Key_Space);
        closedByKey = !tutor->isVisible();
        if (!closedByKey) {
            tutor->reject(); // so that the test does not hang
        }
    });
    auto *help = exercise->findChild<QPushButton *>("cmdHelpMe");
    QVERIFY(tabTo(exercise, help));
    QTest::keyClick(help, Qt::Key_Space);
    QCOMPARE(tutorClass, QByteArray("Tutor"));
    QCOMPARE(total, QString::number(AddModule::SumNum[Wrong]));
    QVERIFY(closedByKey);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);

    auto *back = exercise->findChild<QPushButton *>("cmdMenu");
    QVERIFY(tabTo(exercise, back));
    QTest::keyClick(back, Qt::Key_Space);
    QTRY_VERIFY(!Windows::find<Addition>());
    QVERIFY(menu->isVisible());
    const QByteArray recorded = "#1#"
        + QByteArray::number(scoring::scorePercent(scoring::QuestionCount - 1)) + "#00:00:00\r\n";
    QVERIFY(testsupport::readFile(QStringLiteral("ANN.hst")).endsWith(recorded));
}

void TestAccessibility::columnTutorByKeyboardAlone()
{
    AddModule::FirstNum[1] = 478;
    AddModule::SecondNum[1] = 356;
    AddModule::SumNum[1] = 834;
    auto *tutor = new Tutor2;
    tutor->setAttribute(Qt::WA_DeleteOnClose);
    qint16 q = 1;
    tutor->initialize(q);
    tutor->show();
    QVERIFY(QTest::qWaitForWindowActive(tutor));
    // Digit by digit from the units, each typed where the focus is.
    for (const QChar digit : QStringLiteral("438")) {
        QWidget *box = tutor->focusWidget();
        QVERIFY(qobject_cast<QLineEdit *>(box));
        QTest::keyClick(box, digit.toLatin1());
    }
    QCOMPARE(tutor->findChild<QLabel *>("lblhint")->text(), QStringLiteral("Correct!"));
    auto *done = tutor->findChild<QPushButton *>("cmdhelp");
    QCOMPARE(tutor->focusWidget(), done);
    QTest::keyClick(done, Qt::Key_Space);
    QTRY_VERIFY(!tutor->isVisible());
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
