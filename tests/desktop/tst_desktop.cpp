// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/exercise/scoring.h"
#include "gui/base/windowless.h"
#include "gui/exercise/exercisewindow.h"
#include "gui/menu/mainmenu.h"
#include "gui/menu/newstudentdialog.h"
#include "gui/report/linelistview.h"
#include "gui/report/reportwindow.h"
#include "gui/tutors/columntutor.h"
#include "gui/tutors/picturetutor.h"
#include "support/testsupport.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <optional>

using namespace testsupport;

namespace {
// A tutor for question 1, a + b, over the main menu.
QWidget *pictureTutor(int a, int b)
{
    return new PictureTutor(sum(a, b), openMenu());
}
QWidget *columnTutor(int a, int b)
{
    return new ColumnTutor(sum(a, b), 1, openMenu());
}

// Every window a pupil meets, before and after its main action, opened on a WindowGround,
// with the number of its controls that take the focus. Messages shown on the way are kept.
const QList<std::tuple<const char *, int, QWidget *(*)()>> PupilWindows = {
    {"main menu", 7, [] { return act(openMenu()); }},
    {"main menu, ANN picked and kept", 7, [] { return act(openMenu(1), {"BtnDelStudent"}); }},
    {"new student, refused as already there", 3, // its box is next to OK, which has the focus
     [] {
         return act(new NewStudentDialog(openMenu()->session(), openMenu()), {"OKButton"}, "\tANN");
     }},
    {"exercise", 23, [] { return act(openMenu(1), {"Command1"}); }},
    {"exercise, marked", 23, [] { return act(act(openMenu(1), {"Command1"}), {"cmdcheck"}); }},
    {"picture tutor, counted to the end", 2,
     [] { return act(pictureTutor(7, 5), QList<const char *>(12, "cmdplus")); }},
    {"column tutor, 4 right, 9 wrong", 4, [] { return act(columnTutor(478, 356), {}, "49"); }},
    {"report of ANN", 6, [] { return act(openMenu(1), {"Command4"}); }},
    {"print", 4, [] { return act(openMenu(1), {"Command2"}); }},
};

// What a control, or the window's child of that name, tells assistive technology.
QString accessible(QWidget *w, const char *of = nullptr, QAccessible::Text t = QAccessible::Name)
{
    auto *face = QAccessible::queryAccessibleInterface(of ? w->findChild<QWidget *>(of) : w);
    return face ? face->text(t) : "(missing)";
}

// Presses Tab in the window until `target` has the focus, then Space; false when it never comes.
bool tabAndPress(QWidget *window, const char *target, Qt::Key press = Qt::Key_Space)
{
    for (int i = 0; i < 40 && window->focusWidget()->objectName() != target; ++i) {
        QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
    }
    const bool reached = window->focusWidget()->objectName() == target;
    QTest::keyClick(window->focusWidget(), reached ? press : Qt::Key_unknown);
    return reached;
}

// Gives back every source text in marks, so that a text shown without them was not translated.
class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char *, const char *source, const char *, int) const override
    {
        return source && *source ? QString("\u27e6%1\u27e7").arg(source) : QString();
    }
};

// Wording a person reads that did not come through translation, each with where it was.
// Data is not wording: numbers, times, dates, signs and pictures, and the student's name.
QStringList untranslated(QWidget *window)
{
    static const QRegularExpression ok("\u27e6[\\s\\S]*\u27e7|^[^A-Za-z]*$|^ANN$");
    QStringList found;
    const QWidgetList widgets = window->findChildren<QWidget *>() << window;
    for (QWidget *w : widgets) {
        QStringList texts {w->property("text").toString(), w->property("title").toString()};
        texts << w->windowTitle() << w->accessibleName() << w->accessibleDescription();
        auto *list = qobject_cast<QComboBox *>(w);
        auto *lines = qobject_cast<LineListView *>(w);
        QAbstractItemModel *model = list ? list->model() : lines ? lines->model() : nullptr;
        for (int row = 0; model && row < model->rowCount(); ++row) {
            texts.append(model->index(row, 0).data().toString());
        }
        for (const QString &text : texts) {
            if (w->isVisibleTo(window) && !ok.match(text).hasMatch()) {
                found.append(w->objectName() + ": \"" + text + '"');
            }
        }
    }
    // Labels drawn by their frame, with no window of their own.
    for (const ui::WindowlessLabel *label : window->findChildren<ui::WindowlessLabel *>()) {
        for (const QString &text : {label->text(), label->accessibleName()}) {
            if (label->isVisible() && !ok.match(text).hasMatch()) {
                found.append(label->objectName() + ": \"" + text + '"');
            }
        }
    }
    return found;
}
} // namespace

// What the desktop asks of a program beyond the mouse and one language: every control a
// pupil can reach says what it is, marks say right or wrong, an exercise with its tutor
// needs no mouse, and every text a person reads comes through translation.
class tst_desktop : public QObject
{
    Q_OBJECT
    std::optional<WindowGround> m_ground;
private slots:
    void init() { m_ground.emplace(); }
    void cleanup() { QVERIFY(closeEveryWindow()); }

    // With a translator that marks what it translates.
    void everyWindowIsDescribedAndTranslated_data()
    {
        QTest::addColumn<int>("row");
        for (int row = 0; row < PupilWindows.size(); ++row) {
            QTest::newRow(std::get<0>(PupilWindows[row])) << row;
        }
    }
    void everyWindowIsDescribedAndTranslated()
    {
        QFETCH(int, row);
        MarkingTranslator marking;
        QCoreApplication::installTranslator(&marking);
        QWidget *window = std::get<2>(PupilWindows[row])();
        int focusable = 0;
        for (QWidget *w : window->findChildren<QWidget *>(QRegularExpression("^(?!qt_).+"))) {
            const bool reached = w->focusPolicy() != Qt::NoFocus && w->isVisibleTo(window);
            focusable += reached ? 1 : 0;
            const bool described = !accessible(w).isEmpty()
                && !accessible(w, nullptr, QAccessible::Description).isEmpty();
            QVERIFY2(!reached || described, qPrintable(w->objectName()));
        }
        QCOMPARE(focusable, std::get<1>(PupilWindows[row]));
        const QStringList found = untranslated(window)
            + m_ground->messages.texts().filter(QRegularExpression("^(?!\u27e6)"));
        QVERIFY2(found.isEmpty(), qPrintable(found.join("; ")));
    }

    void exerciseAndTutorByKeyboardAloneWithMarksAnnounced()
    {
        MainMenu *menu = openMenu();
        QVERIFY(QTest::qWaitForWindowActive(menu));
        QTest::keyClick(menu->focusWidget(), Qt::Key_Down); // the student list: ANN
        QVERIFY(tabAndPress(menu, "Command1", Qt::Key_Return)); // Enter presses it, as Space
        QWidget *exercise = shownWindow<ExerciseWindow>();
        QVERIFY(exercise && QTest::qWaitForWindowActive(exercise));
        const ExerciseSheet &sheet = qobject_cast<ExerciseWindow *>(exercise)->sheet();
        QCOMPARE(accessible(exercise, "Text1(3)"), "Answer to question 3");
        for (int n = 1; n <= scoring::QuestionCount; ++n) { // each typed and entered; 5 wrong
            QCOMPARE(exercise->focusWidget()->objectName(), QString("Text1(%1)").arg(n));
            QTest::keyClicks(exercise->focusWidget(),
                             QString::number(sheet.question(n).sum + (n == 5)));
            QTest::keyClick(exercise->focusWidget(), Qt::Key_Return);
        }
        QCOMPARE(exercise->focusWidget()->objectName(), "cmdcheck");
        QVERIFY(!untranslated(exercise).isEmpty()); // in English: the translation check sees it
        QVERIFY(tabAndPress(exercise, "cmdcheck"));
        QCOMPARE(accessible(exercise, "lblmark(1)"), "Question 1 is right");
        QCOMPARE(accessible(exercise, "lblmark(5)"), "Question 5 is wrong");
        QCOMPARE(accessible(exercise, "Text1(1)", QAccessible::Description), "Right");
        QCOMPARE(accessible(exercise, "Text1(5)", QAccessible::Description),
                 QString("Wrong; the right answer is %1").arg(sheet.question(5).sum));
        QCOMPARE(exercise->focusWidget()->objectName(), "Text1(5)"); // the first one wrong
        // The tutor for it, reached by the keyboard too (its own keys: tst_picturetutor).
        QString tutor;
        QTimer::singleShot(0, [&tutor] {
            QWidget *dialog = QApplication::activeModalWidget();
            tutor = dialog->focusWidget()->objectName(); // only the picture tutor has cmdplus
            dialog->close();
        });
        QVERIFY(tabAndPress(exercise, "cmdHelpMe", Qt::Key_Enter));
        QCOMPARE(tutor, "cmdplus");
        // New questions: the boxes say again what they are for.
        QVERIFY(tabAndPress(exercise, "CmdNew"));
        QCOMPARE(accessible(exercise, "Text1(5)", QAccessible::Description),
                 "Type the sum of the two numbers");
        QVERIFY(tabAndPress(exercise, "cmdMenu", Qt::Key_Return));
        QTRY_VERIFY(visibleTopLevelWindows() == 1 && menu->isVisible()); // the exercise closed

        // Enter on the focused button of the other windows too: the report's and the print
        // window's way back, the column tutor's Help, which a pupil's Enter in a box never
        // presses.
        QVERIFY(tabAndPress(menu, "Command4", Qt::Key_Return));
        QVERIFY(shownWindow<ReportWindow>());
        QVERIFY(tabAndPress(shownWindow<ReportWindow>(), "Command1", Qt::Key_Return));
        QTRY_VERIFY(visibleTopLevelWindows() == 1);
        QVERIFY(tabAndPress(menu, "Command2", Qt::Key_Return));
        QTRY_VERIFY(QApplication::activeWindow() && QApplication::activeWindow() != menu);
        QVERIFY(tabAndPress(QApplication::activeWindow(), "Command1", Qt::Key_Return));
        QTRY_VERIFY(visibleTopLevelWindows() == 1 && menu->isVisible());
        ColumnTutor columns(testsupport::sum(47, 85), 1);
        columns.show();
        auto *hint = columns.findChild<QLabel *>("lblhint");
        const QString before = hint->text();
        QTest::keyClick(columns.focusWidget(), Qt::Key_Return); // in the first answer box
        QCOMPARE(hint->text(), before);
        QVERIFY(tabAndPress(&columns, "cmdhelp", Qt::Key_Return));
        QVERIFY(hint->text() != before);
    }
};

QTEST_MAIN(tst_desktop)
#include "tst_desktop.moc"
