#include "exercise/addmodule.h"
#include "exercise/randomsource.h"
#include "support/testsupport.h"

#include <QSet>
#include <QTest>

using namespace AddModule;

namespace {
// A draw that lands inside the k-th of n equal parts of [0, 1).
double part(int k, int n)
{
    return (k + 0.5) / n;
}
constexpr double Top = 0.999999;

void clearQuestions()
{
    FirstNum.fill(0);
    SecondNum.fill(0);
    SumNum.fill(0);
}
} // namespace

class TestAddModule : public QObject
{
    Q_OBJECT
private slots:
    void init() { clearQuestions(); }

    void operandsByLevel_data();
    void operandsByLevel();
    void levelOneReachesEveryPairOnce();
    void levelOutsideOneToSixWritesNothing_data();
    void levelOutsideOneToSixWritesNothing();
    void realSourceStaysInEachLevelsRanges_data();
    void realSourceStaysInEachLevelsRanges();
    void realSourceDrawsFreshValues();

    void isDuplicateComparesOnlyEarlierQuestions();
    void drawQuestionDrawsAgainOnARepeat();
    void swappedOperandsAreADifferentQuestion();
    void sameQuestionEveryTimeStopsAtElevenDraws();
    void setsHaveNoRepeats_data();
    void setsHaveNoRepeats();
};

void TestAddModule::operandsByLevel_data()
{
    QTest::addColumn<qint16>("level");
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("drawsTaken");

    QTest::newRow("1 lowest") << qint16(1) << QList<double>{0.0} << 0 << 0 << 1;
    QTest::newRow("1 highest") << qint16(1) << QList<double>{Top} << 10 << 10 << 1;
    QTest::newRow("1 one draw, both operands")
        << qint16(1) << QList<double>{part(13, 121)} << 1 << 2 << 1;
    QTest::newRow("2 lowest") << qint16(2) << QList<double>{0.0} << 10 << 0 << 2;
    QTest::newRow("2 highest, second never 10") << qint16(2) << QList<double>{Top} << 20 << 9 << 2;
    QTest::newRow("2 first then second")
        << qint16(2) << QList<double>{part(5, 11), part(3, 10)} << 15 << 3 << 2;
    QTest::newRow("3 lowest") << qint16(3) << QList<double>{0.0} << 20 << 0 << 2;
    QTest::newRow("3 highest") << qint16(3) << QList<double>{Top} << 99 << 10 << 2;
    QTest::newRow("3 first then second")
        << qint16(3) << QList<double>{part(7, 80), part(9, 11)} << 27 << 9 << 2;
    QTest::newRow("4 lowest") << qint16(4) << QList<double>{0.0} << 10 << 10 << 2;
    QTest::newRow("4 highest") << qint16(4) << QList<double>{Top} << 20 << 20 << 2;
    QTest::newRow("4 first then second")
        << qint16(4) << QList<double>{part(2, 11), part(8, 11)} << 12 << 18 << 2;
    QTest::newRow("5 lowest, tens never 0") << qint16(5) << QList<double>{0.0} << 10 << 10 << 4;
    QTest::newRow("5 highest") << qint16(5) << QList<double>{Top} << 99 << 99 << 4;
    // Each operand: ones first, then tens.
    QTest::newRow("5 ones, tens, ones, tens")
        << qint16(5) << QList<double>{part(3, 10), part(0, 9), part(2, 10), part(6, 9)} << 13 << 72
        << 4;
    QTest::newRow("6 lowest, hundreds never 0")
        << qint16(6) << QList<double>{0.0} << 100 << 100 << 6;
    QTest::newRow("6 highest") << qint16(6) << QList<double>{Top} << 999 << 999 << 6;
    // Each operand: tens, ones, then hundreds.
    QTest::newRow("6 tens, ones, hundreds")
        << qint16(6) << QList<double>{part(1, 10), part(2, 10), part(3, 9),
                                       part(4, 10), part(5, 10), part(5, 9)}
        << 412 << 645 << 6;
}

void TestAddModule::operandsByLevel()
{
    QFETCH(qint16, level);
    QFETCH(QList<double>, draws);
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(int, drawsTaken);

    testsupport::ScriptedRandom random(draws);
    SumNum[7] = -1;
    GenerateQuestion(7, level);
    QCOMPARE(FirstNum[7], first);
    QCOMPARE(SecondNum[7], second);
    QCOMPARE(random.draws(), drawsTaken);
    QCOMPARE(SumNum[7], -1); // the caller sets the sum
    QCOMPARE(FirstNum[6], 0);
    QCOMPARE(FirstNum[8], 0);
}

void TestAddModule::levelOneReachesEveryPairOnce()
{
    QSet<QPair<int, int>> pairs;
    for (int k = 0; k < 121; ++k) {
        testsupport::ScriptedRandom random({part(k, 121)});
        GenerateQuestion(1, 1);
        QCOMPARE(FirstNum[1], k / 11);
        QCOMPARE(SecondNum[1], k % 11);
        pairs.insert({FirstNum[1], SecondNum[1]});
    }
    QCOMPARE(pairs.size(), 121);
}

void TestAddModule::levelOutsideOneToSixWritesNothing_data()
{
    QTest::addColumn<qint16>("level");
    QTest::newRow("0") << qint16(0);
    QTest::newRow("7") << qint16(7);
    QTest::newRow("-1") << qint16(-1);
}

void TestAddModule::levelOutsideOneToSixWritesNothing()
{
    QFETCH(qint16, level);
    testsupport::ScriptedRandom random({0.5});
    FirstNum[3] = 123;
    SecondNum[3] = 456;
    GenerateQuestion(3, level);
    QCOMPARE(FirstNum[3], 123);
    QCOMPARE(SecondNum[3], 456);
    QCOMPARE(random.draws(), 0);
}

void TestAddModule::realSourceStaysInEachLevelsRanges_data()
{
    QTest::addColumn<qint16>("level");
    QTest::addColumn<int>("firstLow");
    QTest::addColumn<int>("firstHigh");
    QTest::addColumn<int>("secondLow");
    QTest::addColumn<int>("secondHigh");
    QTest::newRow("1") << qint16(1) << 0 << 10 << 0 << 10;
    QTest::newRow("2") << qint16(2) << 10 << 20 << 0 << 9;
    QTest::newRow("3") << qint16(3) << 20 << 99 << 0 << 10;
    QTest::newRow("4") << qint16(4) << 10 << 20 << 10 << 20;
    QTest::newRow("5") << qint16(5) << 10 << 99 << 10 << 99;
    QTest::newRow("6") << qint16(6) << 100 << 999 << 100 << 999;
}

void TestAddModule::realSourceStaysInEachLevelsRanges()
{
    QFETCH(qint16, level);
    QFETCH(int, firstLow);
    QFETCH(int, firstHigh);
    QFETCH(int, secondLow);
    QFETCH(int, secondHigh);
    for (int i = 0; i < 5000; ++i) {
        GenerateQuestion(1, level);
        QVERIFY2(FirstNum[1] >= firstLow && FirstNum[1] <= firstHigh,
                 qPrintable(QString::number(FirstNum[1])));
        QVERIFY2(SecondNum[1] >= secondLow && SecondNum[1] <= secondHigh,
                 qPrintable(QString::number(SecondNum[1])));
    }
}

void TestAddModule::realSourceDrawsFreshValues()
{
    // Many draws within one clock tick must not repeat each other.
    QSet<double> seen;
    for (int i = 0; i < 1000; ++i) {
        Randomize();
        const double r = Rnd();
        QVERIFY(r >= 0.0 && r < 1.0);
        seen.insert(r);
    }
    QCOMPARE(seen.size(), 1000);
}

void TestAddModule::isDuplicateComparesOnlyEarlierQuestions()
{
    // The first question has nothing before it, not even entry 0.
    FirstNum[0] = FirstNum[1] = 4;
    SecondNum[0] = SecondNum[1] = 6;
    QVERIFY(!IsDuplicate(1));
    QVERIFY(!IsDuplicate(0));

    FirstNum[1] = 9;
    FirstNum[2] = 4;
    SecondNum[2] = 6;
    QVERIFY(!IsDuplicate(2)); // only entry 0 matches, and it is never compared

    FirstNum[3] = 9;
    SecondNum[3] = 6;
    QVERIFY(IsDuplicate(3)); // same as question 1
    QVERIFY(!IsDuplicate(2)); // a later question does not count against an earlier one

    FirstNum[4] = 6;
    SecondNum[4] = 9;
    QVERIFY(!IsDuplicate(4)); // swapped operands are another question
}

void TestAddModule::drawQuestionDrawsAgainOnARepeat()
{
    testsupport::ScriptedRandom random({part(38, 121), part(38, 121), part(40, 121)});
    QCOMPARE(DrawQuestion(1, 1), 1);
    QCOMPARE(DrawQuestion(2, 1), 2);
    QCOMPARE(FirstNum[1], 3);
    QCOMPARE(SecondNum[1], 5);
    QCOMPARE(SumNum[1], 8);
    QCOMPARE(FirstNum[2], 3);
    QCOMPARE(SecondNum[2], 7);
    QCOMPARE(SumNum[2], 10);
    QCOMPARE(random.draws(), 3);
}

void TestAddModule::swappedOperandsAreADifferentQuestion()
{
    testsupport::ScriptedRandom random({part(38, 121), part(58, 121)});
    QCOMPARE(DrawQuestion(1, 1), 1);
    QCOMPARE(DrawQuestion(2, 1), 1);
    QCOMPARE(FirstNum[2], 5);
    QCOMPARE(SecondNum[2], 3);
}

void TestAddModule::sameQuestionEveryTimeStopsAtElevenDraws()
{
    testsupport::ScriptedRandom random({0.5});
    QCOMPARE(DrawQuestion(1, 2), 1);
    for (qint16 n = 2; n <= 16; ++n) {
        const int before = random.draws();
        QCOMPARE(DrawQuestion(n, 2), 11);
        QCOMPARE(random.draws() - before, 22); // two draws per question at level 2
    }
    // The set is complete, repeats and all.
    for (int n = 1; n <= 16; ++n) {
        QCOMPARE(FirstNum[n], 15);
        QCOMPARE(SecondNum[n], 5);
        QCOMPARE(SumNum[n], 20);
    }
}

void TestAddModule::setsHaveNoRepeats_data()
{
    QTest::addColumn<qint16>("level");
    for (qint16 level = 1; level <= 6; ++level) {
        QTest::addRow("level %d", level) << level;
    }
}

void TestAddModule::setsHaveNoRepeats()
{
    QFETCH(qint16, level);
    // Level 1 has only 121 questions, so repeats would show within a few sets.
    for (int set = 0; set < 200; ++set) {
        QSet<QPair<int, int>> questions;
        for (qint16 n = 1; n <= 16; ++n) {
            DrawQuestion(n, level);
            QCOMPARE(SumNum[n], FirstNum[n] + SecondNum[n]);
            questions.insert({FirstNum[n], SecondNum[n]});
        }
        QCOMPARE(questions.size(), 16);
    }
}

QTEST_GUILESS_MAIN(TestAddModule)
#include "tst_addmodule.moc"
