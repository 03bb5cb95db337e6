// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/tutors/columnaddition.h"
#include "gui/base/twips.h"
#include "gui/tutors/columntutor.h"
#include "support/testsupport.h"
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <QtTest>

namespace {

ColumnAddition started(int first, int second)
{
    ColumnAddition steps;
    steps.initialize({first, second, first + second});
    return steps;
}

// The worked example as the tutor shows it: carry in, the two digits and the column total.
QString demo(const ColumnAddition &steps)
{
    const auto &d = steps.demo();
    return d.carry + '|' + d.first + '|' + d.second + '|' + d.total;
}

} // namespace

// The column tutor: its steps, and its window as a pupil walks a sum through it by the keyboard.
class tst_columntutor : public QObject
{
    Q_OBJECT
private slots:
    // A digit box reads its number with any white space around it, as an answer box does
    // not; other text clears the box.
    void digitBoxText()
    {
        for (const auto &[text, hint, kept] :
             {std::tuple(QString("\t2\r\n"), ColumnAddition::Hint::Right, QString("\t2\r\n")),
              {"4", ColumnAddition::Hint::Wrong, "4"},
              {"\u00a02", ColumnAddition::Hint::None, ""}}) {
            ColumnAddition steps = started(47, 85);
            steps.textChanged(0, text);
            QCOMPARE(steps.hint(), hint);
            QCOMPARE(steps.column(0).text, kept);
        }
    }

    // Every column carries, the last into the thousands.
    void thousandsColumnTakesTheLastCarry()
    {
        ColumnAddition steps = started(456, 544);
        for (int i = 0; i < 3; ++i) {
            steps.help(); // types the right digit, as the pupil would
            QCOMPARE(steps.column(i).text, "0");
            QCOMPARE(steps.column(i + 1).carry, 1);
        }
        steps.textChanged(3, QStringLiteral("1")); // 0 + 0 and the carry
        QCOMPARE(demo(steps), QStringLiteral("1|0|0|1"));
        QVERIFY(steps.finished());
    }

    void cleanup() { QVERIFY(testsupport::closeEveryWindow()); }

    void keyboardWalks47Plus85()
    {
        ColumnTutor w(testsupport::sum(47, 85), 16);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        const auto text = [&w](const QString &name) { return w.findChild<QLabel *>(name)->text(); };
        QCOMPARE(text("lblQno"), QStringLiteral("Question 16"));
        const auto box
            = [&w](int i) { return w.findChild<QLineEdit *>(QStringLiteral("TxtAns(%1)").arg(i)); };
        const auto type = [&w](char key) { QTest::keyClick(w.focusWidget(), key); };
        // The worked example: carry in, the two digits and the column total.
        const auto demo = [&text] {
            return text("lbldemoc") + '|' + text("lbldemo1") + '|' + text("lbldemo2") + '|'
                + text("lblans");
        };

        type('4');
        QCOMPARE(text("lblhint"), QStringLiteral("No!"));
        type('2'); // the box holds one character: the wrong one must go first
        QTest::keyClick(w.focusWidget(), Qt::Key_Backspace);
        type('2');
        QCOMPARE(text("lblhint"), QStringLiteral("yes!"));
        QCOMPARE(demo(), "|7|5|12");
        QVERIFY(!box(0)->isEnabled() && w.focusWidget() == box(1));
        QCOMPARE(ui::leftTwips(w.findChild<QWidget *>("lblarrow")),
                 ColumnAddition::PointerStart - ColumnAddition::ColumnStep);
        type('3');
        QCOMPARE(demo(), "1|4|8|13");
        type('1');
        QCOMPARE(demo(), "1|0|0|1");
        QCOMPARE(box(2)->text() + box(1)->text() + box(0)->text(), QStringLiteral("132"));
        QCOMPARE(text("lblhint"), QStringLiteral("Correct!"));
        auto *help = w.findChild<QPushButton *>("cmdhelp");
        QCOMPARE(w.focusWidget(), help);
        QTest::keyClick(help, Qt::Key_Space);
        QVERIFY(!w.isVisible());
        QCOMPARE(w.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(tst_columntutor)
#include "tst_columntutor.moc"
