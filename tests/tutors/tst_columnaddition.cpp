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

QString answerTexts(const ColumnAddition &steps)
{
    QString digits;
    for (int i = steps.answerDigits() - 1; i >= 0; --i) {
        digits += steps.column(i).text;
    }
    return digits;
}

int pointerUnder(int column)
{
    return ColumnAddition::PointerStart - ColumnAddition::ColumnStep * column;
}

bool anyLineShown(const ColumnAddition &steps)
{
    for (int i = 0; i < ColumnAddition::Columns; ++i) {
        if (steps.answerLineShown(i) || (i < 3 && steps.carryLineShown(i))) {
            return true;
        }
    }
    return false;
}

} // namespace

class TestColumnAddition : public QObject
{
    Q_OBJECT
private slots:
    void splitsOperandsIntoColumns_data();
    void splitsOperandsIntoColumns();
    void walks47Plus85ColumnByColumn();
    void columnWithoutCarryShowsNoCarry();
    void zeroPlusZeroFinishesAtOnce();
    void thousandsColumnTakesTheLastCarry();
    void wrongDigitThenErasedThenRight();
    void letterIsRemovedAndHintKept_data();
    void letterIsRemovedAndHintKept();
    void nextChangeHidesDemonstrationButNotCarries();
    void helpBeforeTypingFillsTheUnits();
    void helpReplacesAWrongDigit();
    void helpWorksEverySumToTheEnd_data();
    void helpWorksEverySumToTheEnd();
    void helpTypesIntoTheFocusedColumn();
};

void TestColumnAddition::splitsOperandsIntoColumns_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("answerDigits");
    QTest::addColumn<QString>("upper"); // digits shown, most significant first
    QTest::addColumn<QString>("lower");

    QTest::newRow("47+85") << 47 << 85 << 3 << "47"
                           << "85";
    QTest::newRow("15+7 padded") << 15 << 7 << 2 << "15"
                                 << "07";
    QTest::newRow("7+15 padded") << 7 << 15 << 2 << "07"
                                 << "15";
    QTest::newRow("0+0") << 0 << 0 << 1 << "0"
                         << "0";
    QTest::newRow("999+999") << 999 << 999 << 4 << "999"
                             << "999";
    QTest::newRow("95+7 carries out") << 95 << 7 << 3 << "95"
                                      << "07";
    QTest::newRow("100+5") << 100 << 5 << 3 << "100"
                           << "005";
}

void TestColumnAddition::splitsOperandsIntoColumns()
{
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(int, answerDigits);
    QFETCH(QString, upper);
    QFETCH(QString, lower);

    const ColumnAddition steps = started(first, second);
    QCOMPARE(steps.answerDigits(), answerDigits);
    const int operandColumns = int(upper.size());
    QString shownUpper;
    QString shownLower;
    for (int i = ColumnAddition::Columns - 1; i >= 0; --i) {
        const auto &c = steps.column(i);
        QCOMPARE(c.operandsShown, i < operandColumns);
        if (c.operandsShown) {
            shownUpper += QString::number(c.first);
            shownLower += QString::number(c.second);
        } else {
            QCOMPARE(c.first, 0); // a column without digits counts them as 0
            QCOMPARE(c.second, 0);
        }
        QCOMPARE(c.carry, 0);
        QVERIFY(!c.carryShown);
        QCOMPARE(c.boxShown, i < answerDigits);
        QCOMPARE(c.boxEnabled, i == 0);
        QCOMPARE(c.text, i < answerDigits ? QString() : QStringLiteral("0"));
    }
    QCOMPARE(shownUpper, upper);
    QCOMPARE(shownLower, lower);

    QVERIFY(!steps.demoShown());
    QVERIFY(!steps.carryCaptionShown());
    QVERIFY(!anyLineShown(steps));
    QCOMPARE(steps.hint(), Hint::None);
    QCOMPARE(steps.curColumn(), 0);
    QCOMPARE(steps.pointerLeft(), pointerUnder(0));
    QVERIFY(steps.pointerShown());
    QVERIFY(!steps.finished());
}

void TestColumnAddition::walks47Plus85ColumnByColumn()
{
    ColumnAddition steps = started(47, 85);

    steps.textChanged(0, QStringLiteral("2"));
    QVERIFY(steps.demoShown());
    QCOMPARE(steps.demo().carry, QString());
    QCOMPARE(steps.demo().first, QStringLiteral("7"));
    QCOMPARE(steps.demo().second, QStringLiteral("5"));
    QCOMPARE(steps.demo().total, QStringLiteral("12"));
    QVERIFY(steps.answerLineShown(0));
    QCOMPARE(steps.hint(), Hint::Right);
    QVERIFY(!steps.column(0).boxEnabled);
    QCOMPARE(steps.column(1).carry, 1);
    QVERIFY(steps.column(1).carryShown);
    QVERIFY(steps.carryLineShown(0));
    QVERIFY(steps.carryCaptionShown());
    QVERIFY(steps.column(1).boxEnabled);
    QCOMPARE(steps.takeFocusRequest(), 1);
    QCOMPARE(steps.takeFocusRequest(), -1); // asked for once only
    QCOMPARE(steps.curColumn(), 1);
    QCOMPARE(steps.pointerLeft(), pointerUnder(1));

    steps.textChanged(1, QStringLiteral("3"));
    QCOMPARE(steps.demo().carry, QStringLiteral("1"));
    QCOMPARE(steps.demo().first, QStringLiteral("4"));
    QCOMPARE(steps.demo().second, QStringLiteral("8"));
    QCOMPARE(steps.demo().total, QStringLiteral("13"));
    QVERIFY(steps.answerLineShown(1));
    QVERIFY(!steps.answerLineShown(0));
    QVERIFY(steps.carryLineShown(1));
    QVERIFY(!steps.carryLineShown(0));
    QCOMPARE(steps.column(2).carry, 1);
    QVERIFY(steps.column(2).carryShown);
    QVERIFY(steps.column(1).carryShown); // a carry once written stays
    QCOMPARE(steps.takeFocusRequest(), 2);
    QCOMPARE(steps.pointerLeft(), pointerUnder(2));
    QVERIFY(!steps.finished());

    steps.textChanged(2, QStringLiteral("1"));
    QCOMPARE(steps.demo().carry, QStringLiteral("1"));
    QCOMPARE(steps.demo().first, QStringLiteral("0"));
    QCOMPARE(steps.demo().second, QStringLiteral("0"));
    QCOMPARE(steps.demo().total, QStringLiteral("1"));
    QVERIFY(steps.answerLineShown(2));
    QVERIFY(!steps.carryCaptionShown());
    QVERIFY(!steps.column(3).carryShown);
    QCOMPARE(steps.takeFocusRequest(), -1);
    QVERIFY(steps.finished());
    QCOMPARE(steps.hint(), Hint::Finished);
    QVERIFY(!steps.pointerShown());
    QCOMPARE(steps.pointerLeft(), pointerUnder(3)); // moved once more, then hidden
    for (int i = 0; i < 3; ++i) {
        QVERIFY(!steps.column(i).boxEnabled);
    }
    QCOMPARE(answerTexts(steps), QStringLiteral("132"));
}

void TestColumnAddition::columnWithoutCarryShowsNoCarry()
{
    ColumnAddition steps = started(12, 3);
    steps.textChanged(0, QStringLiteral("5"));
    QCOMPARE(steps.hint(), Hint::Right);
    QCOMPARE(steps.demo().carry, QString());
    QCOMPARE(steps.demo().total, QStringLiteral("5"));
    QCOMPARE(steps.column(1).carry, 0);
    QVERIFY(!steps.column(1).carryShown);
    QVERIFY(!steps.carryLineShown(0));
    QVERIFY(!steps.carryCaptionShown());
    QVERIFY(steps.answerLineShown(0));

    steps.textChanged(1, QStringLiteral("1"));
    QCOMPARE(steps.demo().carry, QString());
    QCOMPARE(steps.demo().total, QStringLiteral("1"));
    QVERIFY(steps.finished());
}

void TestColumnAddition::zeroPlusZeroFinishesAtOnce()
{
    ColumnAddition steps = started(0, 0);
    QCOMPARE(steps.answerDigits(), 1);
    steps.textChanged(0, QStringLiteral("0"));
    QVERIFY(steps.finished());
    QCOMPARE(steps.hint(), Hint::Finished);
    QCOMPARE(steps.demo().total, QStringLiteral("0"));
    QVERIFY(!steps.pointerShown());
    QVERIFY(!steps.column(1).boxEnabled);
    QVERIFY(!steps.column(1).boxShown);
    QCOMPARE(steps.takeFocusRequest(), -1);
}

void TestColumnAddition::thousandsColumnTakesTheLastCarry()
{
    ColumnAddition steps = started(999, 999);
    QCOMPARE(steps.answerDigits(), 4);
    const QString digits = QStringLiteral("8991");
    for (int i = 0; i < 3; ++i) {
        steps.textChanged(i, digits.mid(i, 1));
        QCOMPARE(steps.hint(), Hint::Right);
        QCOMPARE(steps.column(i + 1).carry, 1);
        QCOMPARE(steps.pointerLeft(), pointerUnder(i + 1));
    }
    QVERIFY(steps.column(3).boxEnabled);
    QCOMPARE(steps.curColumn(), 3);

    steps.textChanged(3, QStringLiteral("0"));
    QCOMPARE(steps.hint(), Hint::Wrong); // 0 + 0 + carry 1 is not 0
    steps.textChanged(3, QString());
    steps.textChanged(3, QStringLiteral("1"));
    QCOMPARE(steps.demo().carry, QStringLiteral("1"));
    QCOMPARE(steps.demo().total, QStringLiteral("1"));
    QVERIFY(steps.finished());
    QVERIFY(!steps.pointerShown());
    QCOMPARE(steps.pointerLeft(), pointerUnder(3)); // hidden where it stood
    QCOMPARE(answerTexts(steps), QStringLiteral("1998"));
}

void TestColumnAddition::wrongDigitThenErasedThenRight()
{
    ColumnAddition steps = started(47, 85);
    steps.textChanged(0, QStringLiteral("3"));
    QCOMPARE(steps.hint(), Hint::Wrong);
    QCOMPARE(steps.column(0).text, QStringLiteral("3"));
    QVERIFY(steps.column(0).boxEnabled);
    QVERIFY(!steps.demoShown());
    QCOMPARE(steps.pointerLeft(), pointerUnder(0));

    steps.textChanged(0, QString());
    QCOMPARE(steps.hint(), Hint::Wrong);
    QVERIFY(!steps.demoShown());
    QVERIFY(steps.column(0).boxEnabled);

    steps.textChanged(0, QStringLiteral("2"));
    QCOMPARE(steps.hint(), Hint::Right);
    QVERIFY(steps.demoShown());
    QCOMPARE(steps.curColumn(), 1);
}

void TestColumnAddition::letterIsRemovedAndHintKept_data()
{
    QTest::addColumn<QString>("before"); // what went into the units box first
    QTest::addColumn<int>("hint");

    QTest::newRow("nothing typed") << QString() << int(Hint::None);
    QTest::newRow("after a wrong digit") << QStringLiteral("9") << int(Hint::Wrong);
    QTest::newRow("after a right digit") << QStringLiteral("2") << int(Hint::Right);
}

void TestColumnAddition::letterIsRemovedAndHintKept()
{
    QFETCH(QString, before);
    QFETCH(int, hint);

    ColumnAddition steps = started(47, 85);
    int box = 0;
    if (!before.isEmpty()) {
        steps.textChanged(0, before);
        if (steps.hint() == Hint::Wrong) {
            steps.textChanged(0, QString()); // erased, so a letter can go in
        } else {
            box = 1;
        }
    }
    QCOMPARE(int(steps.hint()), hint);
    for (const QString &typed : {QStringLiteral("a"), QStringLiteral("-"), QStringLiteral(" ")}) {
        steps.textChanged(box, typed);
        QCOMPARE(steps.column(box).text, QString());
        QCOMPARE(int(steps.hint()), hint);
        QVERIFY(!steps.demoShown());
        QVERIFY(steps.column(box).boxEnabled);
    }
}

void TestColumnAddition::nextChangeHidesDemonstrationButNotCarries()
{
    ColumnAddition steps = started(47, 85);
    steps.textChanged(0, QStringLiteral("2"));
    QVERIFY(steps.demoShown() && steps.carryCaptionShown() && steps.carryLineShown(0));

    steps.textChanged(1, QStringLiteral("x"));
    QVERIFY(!steps.demoShown());
    QVERIFY(!steps.carryCaptionShown());
    QVERIFY(!anyLineShown(steps));
    QVERIFY(steps.column(1).carryShown);
    QCOMPARE(steps.hint(), Hint::Right);
}

void TestColumnAddition::helpBeforeTypingFillsTheUnits()
{
    ColumnAddition steps = started(47, 85);
    steps.help();
    QCOMPARE(steps.column(0).text, QStringLiteral("2"));
    QCOMPARE(steps.hint(), Hint::Right);
    QVERIFY(steps.demoShown());
    QVERIFY(!steps.column(0).boxEnabled);
    QVERIFY(steps.column(1).boxEnabled);
    QCOMPARE(steps.curColumn(), 1);
    QCOMPARE(steps.takeFocusRequest(), 1);
    QCOMPARE(steps.column(1).text, QString());
}

void TestColumnAddition::helpReplacesAWrongDigit()
{
    ColumnAddition steps = started(15, 7);
    steps.textChanged(0, QStringLiteral("1"));
    QCOMPARE(steps.hint(), Hint::Wrong);
    steps.help();
    QCOMPARE(steps.column(0).text, QStringLiteral("2"));
    QCOMPARE(steps.hint(), Hint::Right);
    QCOMPARE(steps.curColumn(), 1);
}

void TestColumnAddition::helpWorksEverySumToTheEnd_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");

    QTest::newRow("0+0") << 0 << 0;
    QTest::newRow("9+1") << 9 << 1;
    QTest::newRow("15+7") << 15 << 7;
    QTest::newRow("20+10") << 20 << 10;
    QTest::newRow("47+85") << 47 << 85;
    QTest::newRow("95+7") << 95 << 7;
    QTest::newRow("99+10") << 99 << 10;
    QTest::newRow("500+500") << 500 << 500;
    QTest::newRow("456+544") << 456 << 544;
    QTest::newRow("999+999") << 999 << 999;
}

void TestColumnAddition::helpWorksEverySumToTheEnd()
{
    QFETCH(int, first);
    QFETCH(int, second);

    ColumnAddition steps = started(first, second);
    const int digits = steps.answerDigits();
    for (int press = 0; press < digits; ++press) {
        QVERIFY(!steps.finished());
        QCOMPARE(steps.curColumn(), press);
        steps.help();
        steps.takeFocusRequest();
    }
    QVERIFY(steps.finished());
    QCOMPARE(steps.hint(), Hint::Finished);
    QCOMPARE(answerTexts(steps), QString::number(first + second));

    steps.help(); // "Exit" now: nothing more is typed
    QCOMPARE(answerTexts(steps), QString::number(first + second));
}

void TestColumnAddition::helpTypesIntoTheFocusedColumn()
{
    ColumnAddition steps = started(47, 85);
    steps.textChanged(0, QStringLiteral("2"));
    steps.gotFocus(1);
    steps.help();
    QCOMPARE(steps.column(1).text, QStringLiteral("3"));
    QCOMPARE(steps.demo().total, QStringLiteral("13"));
}

QTEST_GUILESS_MAIN(TestColumnAddition)
#include "tst_columnaddition.moc"
