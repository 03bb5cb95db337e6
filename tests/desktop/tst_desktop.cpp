// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/exercise/scoring.h"
#include "gui/base/language.h"
#include "gui/base/windowless.h"
#include "gui/exercise/exercisewindow.h"
#include "gui/menu/mainmenu.h"
#include "gui/menu/newstudentdialog.h"
#include "gui/report/linelistview.h"
#include "gui/report/progresschart.h"
#include "gui/tutors/columntutor.h"
#include "gui/tutors/picturetutor.h"
#include "support/testsupport.h"

#include <QAccessible>
#include <QChart>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QStyleOption>
#include <QTableView>
#include <QTest>

#include <functional>
#include <optional>

using namespace testsupport;

namespace {
// Every window, at the point where it shows its texts, as a person reaches it: the main menu
// opens the others; the chart, the fact view and the class overview are modal windows of the
// report, read while they are open.
struct Scene
{
    const char *name;
    std::function<QWidget *()> open;
    const char *modalButton = nullptr; // in the window opened: the button of a modal window
};
QWidget *report()
{
    return act(openMenu(1), {"Command4"});
}
const QList<Scene> Scenes = {
    {"main menu", [] { return act(openMenu()); }},
    {"main menu, deleting ANN refused", [] { return act(openMenu(1), {"BtnDelStudent"}); }},
    {"new student, refused",
     [] {
         return act(new NewStudentDialog(openMenu()->session(), openMenu()), {"OKButton"}, "\tANN");
     }},
    {"exercise", [] { return act(openMenu(1), {"Command1"}); }},
    {"exercise, marked", [] { return act(act(openMenu(1), {"Command1"}), {"cmdcheck"}); }},
    {"picture tutor", [] { return act(new PictureTutor(sum(7, 5), openMenu()), {"cmdplus"}); }},
    {"column tutor, a wrong digit after a carry",
     [] { return act(new ColumnTutor(sum(478, 356), 1, openMenu()), {}, "49"); }},
    {"report", report},
    {"chart", report, "cmdProgress"},
    {"facts", report, "cmdFacts"},
    {"class", report, "cmdClass"},
    {"print", [] { return act(openMenu(1), {"Command2"}); }},
};

// Texts that are rightly the same in English and in a translation: a text without letters
// (numbers, times, signs) and a student's name are data; these are words both languages use.
const QRegularExpression SameInBoth(
    "^(ANN|OK|plus|Addition|Questions?|Question \\d+|Date|Score|Score \\(%\\)|Menu|Level 1)$");

// A text a person reads or hears, found at a place in a window: "Command1 text", "Combo1 item 2".
using Texts = QMap<QString, QString>;

// Whether `text` in `font` stays inside `box`: its width always; when it wraps, in no more
// lines than the box holds (a box lower than a line holds one: the design's tall fonts).
// Signs and numbers are left out: they are the same in every language, and some are drawn
// larger than their boxes by design.
bool fits(const QFont &font, const QRect &box, const QString &text, int flags)
{
    static const QRegularExpression letter("\\p{L}");
    if (!letter.match(text).hasMatch()) {
        return true;
    }
    const QFontMetrics metrics(font);
    const QRect needed = metrics.boundingRect(box, flags, text);
    const int lines = qRound(double(needed.height()) / metrics.lineSpacing());
    return needed.width() <= box.width()
        && (!(flags & Qt::TextWordWrap) || lines <= qMax(1, box.height() / metrics.lineSpacing()));
}

// Reads what a window shows and what a screen reader says of its controls; notes each text
// that overflows its control, and each control reached by Tab that does not say what it is.
void read(QWidget *window, Texts &texts, QStringList &faults)
{
    int unnamed = 0; // Qt's own parts of a window, told apart by their order
    const auto put = [&](const QObject *o, const QString &what, const QString &text) {
        const QString name = o->objectName().isEmpty()
            ? QStringLiteral("%1#%2").arg(o->metaObject()->className()).arg(unnamed++)
            : o->objectName();
        if (!text.isEmpty()) {
            texts.insert(name + QLatin1Char(' ') + what, text);
        }
    };
    const auto fit = [&faults](const QObject *o, const QFont &font, const QRect &box,
                               const QString &text, int flags) {
        if (!text.isEmpty() && !fits(font, box, text, flags)) {
            faults.append(QStringLiteral("%1: \"%2\" is %3 wide in %4x%5")
                              .arg(o->objectName(), text)
                              .arg(QFontMetrics(font).horizontalAdvance(text))
                              .arg(box.width())
                              .arg(box.height()));
        }
    };
    put(window, "title", window->windowTitle());
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window) || w->objectName().startsWith("qt_")) {
            continue;
        }
        put(w, "text", w->property("text").toString());
        put(w, "title", w->property("title").toString()); // of a frame
        put(w, "name", w->accessibleName());
        put(w, "description", w->accessibleDescription());
        const QAccessibleInterface *face = QAccessible::queryAccessibleInterface(w);
        if (w->focusPolicy() != Qt::NoFocus && !w->objectName().isEmpty()
            && (face->text(QAccessible::Name).isEmpty()
                || face->text(QAccessible::Description).isEmpty())) {
            faults.append(w->objectName() + " does not say what it is");
        }
        if (auto *label = qobject_cast<QLabel *>(w)) {
            const int m = label->margin();
            // A label with a buddy shows its mnemonic underlined, not as "&".
            fit(w, label->font(), label->contentsRect().adjusted(m, m, -m, -m), label->text(),
                int(label->alignment()) | Qt::TextShowMnemonic
                    | (label->wordWrap() ? Qt::TextWordWrap : 0));
        } else if (auto *button = qobject_cast<QPushButton *>(w)) {
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            // The form's command buttons wrap their captions; Qt's own do not.
            fit(w, button->font(),
                button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button),
                button->text(),
                Qt::TextShowMnemonic
                    | (button->inherits("CommandButton") ? int(Qt::TextWordWrap) : 0));
        } else if (auto *combo = qobject_cast<QComboBox *>(w)) {
            QStyleOptionComboBox option;
            option.initFrom(combo);
            const QRect box = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                             QStyle::SC_ComboBoxEditField, combo);
            for (int i = 0; i < combo->count(); ++i) {
                put(w, QStringLiteral("item %1").arg(i), combo->itemText(i));
                fit(w, combo->font(), box, combo->itemText(i), 0);
            }
        } else if (auto *lines = qobject_cast<LineListView *>(w)) {
            put(w, "heading", lines->model()->index(0, 0).data().toString());
        } else if (auto *table = qobject_cast<QTableView *>(w)) {
            for (int c = 0; c < table->model()->columnCount(); ++c) {
                put(w, QStringLiteral("heading %1").arg(c),
                    table->model()->headerData(c, Qt::Horizontal).toString());
            }
        }
    }
    // Labels drawn by their frame, with no window of their own.
    for (const ui::WindowlessLabel *label : window->findChildren<ui::WindowlessLabel *>()) {
        if (label->isVisible()) {
            put(label, "text", label->text());
            put(label, "name", label->accessibleName());
            fit(label, label->font(), label->geometry(), label->text(),
                int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0));
        }
    }
    if (auto *chart = qobject_cast<ProgressChart *>(window)) {
        put(window, "chart", chart->chart()->title());
        for (const QAbstractAxis *axis : chart->chart()->axes()) {
            put(axis, "axis", axis->titleText());
        }
        for (const QAbstractSeries *series : chart->chart()->series()) {
            put(series, "series", series->name());
        }
    }
}

// The texts of a scene, and the messages shown on the way, in the language installed now.
Texts readScene(const Scene &scene, QStringList &faults)
{
    Texts texts;
    const WindowGround ground;
    QWidget *window = scene.open();
    if (scene.modalButton) {
        inNextModal([&](QWidget *modal) { read(modal, texts, faults); });
        click(window, scene.modalButton);
    } else {
        read(window, texts, faults);
    }
    for (int i = 0; i < ground.messages.texts().size(); ++i) {
        texts.insert(QStringLiteral("message %1").arg(i), ground.messages.texts().at(i));
    }
    closeEveryWindow();
    return texts;
}

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
} // namespace

// What the desktop asks of a program beyond the mouse and one language: every window in
// German, French and Spanish with no text a person reads or hears left in English and every
// text fitting its control; every control a pupil can reach says what it is, marks say right
// or wrong, and an exercise with its tutor needs no mouse.
class tst_desktop : public QObject
{
    Q_OBJECT
    std::optional<WindowGround> m_ground; // of the keyboard's test: each scene has its own
private slots:
    void cleanup()
    {
        QVERIFY(closeEveryWindow());
        m_ground.reset();
    }

    void everyWindowDescribedTranslatedAndFitting_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("scene");
        for (const char *language : {"de", "fr", "es"}) {
            for (int s = 0; s < Scenes.size(); ++s) {
                QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(language, Scenes.at(s).name)))
                    << QString(language) << s;
            }
        }
    }
    void everyWindowDescribedTranslatedAndFitting()
    {
        QFETCH(QString, language);
        QFETCH(int, scene);
        QStringList englishFaults;
        const Texts english = readScene(Scenes[scene], englishFaults);
        QVERIFY2(englishFaults.isEmpty(), qPrintable(englishFaults.join("; ")));
        QVERIFY(!english.isEmpty());

        const ui::Language translation {QLocale(language)};
        QVERIFY(translation.translated());
        QStringList faults;
        const Texts translated = readScene(Scenes[scene], faults);
        QCOMPARE(translated.keys(), english.keys()); // the same window, in another language
        static const QRegularExpression noWords("^[^\\p{L}]*$");
        for (auto it = english.cbegin(); it != english.cend(); ++it) {
            const QString &text = translated.value(it.key());
            if (text == it.value() && !noWords.match(text).hasMatch()
                && !SameInBoth.match(text).hasMatch()) {
                faults.append(it.key() + ": \"" + text + "\" is not translated");
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
    }

    // A locale the program has no translation for stays English.
    void languageFallsBackToEnglish()
    {
        const ui::Language italian {QLocale(QLocale::Italian)};
        QCOMPARE(QCoreApplication::translate("MainMenu", "Start Exercise"), "Start Exercise");
    }

    void exerciseAndTutorByKeyboardAloneWithMarksAnnounced()
    {
        m_ground.emplace();
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
        QVERIFY(tabAndPress(exercise, "cmdcheck"));
        QCOMPARE(accessible(exercise, "lblmark(5)"), "Question 5 is wrong");
        QCOMPARE(accessible(exercise, "Text1(5)", QAccessible::Description),
                 QString("Wrong; the right answer is %1").arg(sheet.question(5).sum));
        QCOMPARE(exercise->focusWidget()->objectName(), "Text1(5)"); // the first one wrong
        // The tutor for it, reached by the keyboard too (its own keys: tst_picturetutor).
        QString tutor;
        // Only the picture tutor has cmdplus.
        inNextModal([&tutor](QWidget *dialog) { tutor = dialog->focusWidget()->objectName(); });
        QVERIFY(tabAndPress(exercise, "cmdHelpMe", Qt::Key_Enter));
        QCOMPARE(tutor, "cmdplus");
        QVERIFY(tabAndPress(exercise, "cmdMenu", Qt::Key_Return));
        QTRY_VERIFY(visibleTopLevelWindows() == 1 && menu->isVisible()); // the exercise closed

        // The column tutor's Help too, which a pupil's Enter in a box never presses.
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
