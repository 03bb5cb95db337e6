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

} // namespace

// The column tutor's steps; the window test walks 47 + 85 through the keyboard.
class TestColumnAddition : public QObject
{
    Q_OBJECT
private slots:
    void splitsIntoColumnsAndHelpFinishes_data()
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
        QTest::newRow("0+0") << 0 << 0 << 1 << "0"
                             << "0";
        QTest::newRow("95+7 carries out") << 95 << 7 << 3 << "95"
                                          << "07";
        QTest::newRow("456+544") << 456 << 544 << 4 << "456"
                                 << "544";
        QTest::newRow("999+999") << 999 << 999 << 4 << "999"
                                 << "999";
    }

    void splitsIntoColumnsAndHelpFinishes()
    {
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(int, answerDigits);
        QFETCH(QString, upper);
        QFETCH(QString, lower);

        ColumnAddition steps = started(first, second);
        QCOMPARE(steps.answerDigits(), answerDigits);
        QString shownUpper;
        QString shownLower;
        for (int i = ColumnAddition::Columns - 1; i >= 0; --i) {
            const auto &c = steps.column(i);
            QCOMPARE(c.operandsShown, i < upper.size());
            if (c.operandsShown) {
                shownUpper += QString::number(c.first);
                shownLower += QString::number(c.second);
            }
            QVERIFY(!c.carryShown);
            QCOMPARE(c.boxShown, i < answerDigits);
            QCOMPARE(c.boxEnabled, i == 0);
        }
        QCOMPARE(shownUpper, upper);
        QCOMPARE(shownLower, lower);
        QVERIFY(!steps.demoShown());
        QCOMPARE(steps.hint(), Hint::None);
        QCOMPARE(steps.pointerLeft(), pointerUnder(0));

        // Help, pressed once per column, works the whole sum.
        for (int press = 0; press < answerDigits; ++press) {
            QVERIFY(!steps.finished());
            QCOMPARE(steps.curColumn(), press);
            steps.help();
            steps.takeFocusRequest();
        }
        QVERIFY(steps.finished());
        QCOMPARE(steps.hint(), Hint::Finished);
        QVERIFY(!steps.pointerShown());
        QCOMPARE(answerTexts(steps), QString::number(first + second));
        steps.help(); // "Exit" now: nothing more is typed
        QCOMPARE(answerTexts(steps), QString::number(first + second));
    }

    void thousandsColumnTakesTheLastCarry()
    {
        ColumnAddition steps = started(999, 999);
        const QString digits = QStringLiteral("899");
        for (int i = 0; i < 3; ++i) {
            steps.textChanged(i, digits.mid(i, 1));
            QCOMPARE(steps.hint(), Hint::Right);
            QCOMPARE(steps.column(i + 1).carry, 1);
        }
        QVERIFY(steps.column(3).boxEnabled);

        steps.textChanged(3, QStringLiteral("0"));
        QCOMPARE(steps.hint(), Hint::Wrong); // 0 + 0 + carry 1 is not 0
        steps.textChanged(3, QString());
        steps.textChanged(3, QStringLiteral("1"));
        QCOMPARE(steps.demo().carry, QStringLiteral("1"));
        QCOMPARE(steps.demo().total, QStringLiteral("1"));
        QVERIFY(steps.finished());
        QCOMPARE(steps.pointerLeft(), pointerUnder(3)); // hidden where it stood
        QCOMPARE(answerTexts(steps), QStringLiteral("1998"));
    }

    void letterIsRemovedAndHintKept_data()
    {
        QTest::addColumn<QString>("before"); // what went into the units box first
        QTest::addColumn<int>("hint");

        QTest::newRow("nothing typed") << QString() << int(Hint::None);
        QTest::newRow("after a wrong digit") << QStringLiteral("9") << int(Hint::Wrong);
        QTest::newRow("after a right digit") << QStringLiteral("2") << int(Hint::Right);
    }

    void letterIsRemovedAndHintKept()
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
        for (const QString &typed :
             {QStringLiteral("a"), QStringLiteral("-"), QStringLiteral(" ")}) {
            steps.textChanged(box, typed);
            QCOMPARE(steps.column(box).text, QString());
            QCOMPARE(int(steps.hint()), hint);
            QVERIFY(!steps.demoShown());
            QVERIFY(steps.column(box).boxEnabled);
        }
    }
};

QTEST_GUILESS_MAIN(TestColumnAddition)
#include "tst_columnaddition.moc"
