#include "tutors/columnaddition.h"

#include <QtTest>

using Hint = ColumnAddition::Hint;

namespace {

ColumnAddition started(int first, int second)
{
    ColumnAddition steps;
    steps.initialize(qint16(first), qint16(second), qint16(first + second));
    return steps;
}

// The worked example as the tutor shows it: carry in, the two digits and the column total.
QString demo(const ColumnAddition &steps)
{
    const auto &d = steps.demo();
    return d.carry + '|' + d.first + '|' + d.second + '|' + d.total;
}

} // namespace

// The column tutor's steps; the window test walks a sum through the keyboard.
class TestColumnAddition : public QObject
{
    Q_OBJECT
private slots:
    void steps47Plus85()
    {
        ColumnAddition steps = started(47, 85);
        QVERIFY(steps.column(2).boxShown && !steps.column(3).boxShown);

        steps.textChanged(0, QStringLiteral("4"));
        QCOMPARE(steps.hint(), Hint::Wrong);
        QVERIFY(!steps.demoShown());
        steps.textChanged(0, QString());
        steps.textChanged(0, QStringLiteral("2"));
        QCOMPARE(steps.hint(), Hint::Right);
        QCOMPARE(demo(steps), QStringLiteral("|7|5|12"));
        QCOMPARE(steps.column(1).carry, 1);
        QVERIFY(!steps.column(0).boxEnabled && steps.column(1).boxEnabled);
        QCOMPARE(steps.pointerLeft(), ColumnAddition::PointerStart - ColumnAddition::ColumnStep);

        steps.textChanged(1, QStringLiteral("3"));
        QCOMPARE(demo(steps), QStringLiteral("1|4|8|13"));
        steps.textChanged(2, QStringLiteral("1"));
        QCOMPARE(demo(steps), QStringLiteral("1|0|0|1"));
        QVERIFY(steps.finished());
        QCOMPARE(steps.hint(), Hint::Finished);
        QVERIFY(!steps.pointerShown());
    }

    void thousandsColumnTakesTheLastCarry()
    {
        ColumnAddition steps = started(999, 999);
        for (int i = 0; i < 3; ++i) {
            steps.help(); // types the right digit, as the pupil would
            QCOMPARE(steps.column(i).text, QString(i == 0 ? "8" : "9"));
            QCOMPARE(steps.column(i + 1).carry, 1);
        }
        steps.textChanged(3, QStringLiteral("1")); // 0 + 0 and the carry
        QCOMPARE(demo(steps), QStringLiteral("1|0|0|1"));
        QVERIFY(steps.finished());
    }
};

QTEST_GUILESS_MAIN(TestColumnAddition)
#include "tst_columnaddition.moc"
