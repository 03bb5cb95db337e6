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

    void operandsByLevel_data()
    {
        QTest::addColumn<qint16>("level");
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<int>("drawsTaken");

        QTest::newRow("1 lowest") << qint16(1) << QList<double> {0.0} << 0 << 0 << 1;
        QTest::newRow("1 highest") << qint16(1) << QList<double> {Top} << 10 << 10 << 1;
        QTest::newRow("1 one draw, both operands")
            << qint16(1) << QList<double> {part(13, 121)} << 1 << 2 << 1;
        QTest::newRow("2 highest, second never 10")
            << qint16(2) << QList<double> {Top} << 20 << 9 << 2;
        QTest::newRow("2 first then second")
            << qint16(2) << QList<double> {part(5, 11), part(3, 10)} << 15 << 3 << 2;
        QTest::newRow("3 highest") << qint16(3) << QList<double> {Top} << 99 << 10 << 2;
        QTest::newRow("3 first then second")
            << qint16(3) << QList<double> {part(7, 80), part(9, 11)} << 27 << 9 << 2;
        QTest::newRow("4 first then second")
            << qint16(4) << QList<double> {part(2, 11), part(8, 11)} << 12 << 18 << 2;
        QTest::newRow("5 lowest, tens never 0")
            << qint16(5) << QList<double> {0.0} << 10 << 10 << 4;
        QTest::newRow("5 highest") << qint16(5) << QList<double> {Top} << 99 << 99 << 4;
        // Each operand: ones first, then tens.
        QTest::newRow("5 ones, tens, ones, tens")
            << qint16(5) << QList<double> {part(3, 10), part(0, 9), part(2, 10), part(6, 9)} << 13
            << 72 << 4;
        QTest::newRow("6 lowest, hundreds never 0")
            << qint16(6) << QList<double> {0.0} << 100 << 100 << 6;
        QTest::newRow("6 highest") << qint16(6) << QList<double> {Top} << 999 << 999 << 6;
        // Each operand: tens, ones, then hundreds.
        QTest::newRow("6 tens, ones, hundreds")
            << qint16(6) << QList<double> {part(1, 10), part(2, 10), part(3, 9),
                                           part(4, 10), part(5, 10), part(5, 9)}
            << 412 << 645 << 6;
    }

    void operandsByLevel()
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

    void levelOutsideOneToSixWritesNothing()
    {
        testsupport::ScriptedRandom random({0.5});
        FirstNum[3] = 123;
        SecondNum[3] = 456;
        for (qint16 level : {0, 7, -1}) {
            GenerateQuestion(3, level);
        }
        QCOMPARE(FirstNum[3], 123);
        QCOMPARE(SecondNum[3], 456);
        QCOMPARE(random.draws(), 0);
    }

    void realSourceDrawsFreshValues()
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

    void isDuplicateComparesOnlyEarlierQuestions()
    {
        // Entry 0 is no question and is never compared; nor is a later question.
        FirstNum[0] = FirstNum[2] = 4;
        SecondNum[0] = SecondNum[2] = 6;
        FirstNum[1] = FirstNum[3] = 9;
        SecondNum[1] = SecondNum[3] = 6;
        QVERIFY(!IsDuplicate(1));
        QVERIFY(!IsDuplicate(2));
        QVERIFY(IsDuplicate(3));
    }

    void drawQuestionDrawsAgainOnARepeat()
    {
        // 3 + 5, 3 + 5 again (drawn anew), 3 + 7, then 5 + 3: swapped operands are another
        // question.
        testsupport::ScriptedRandom random(
            {part(38, 121), part(38, 121), part(40, 121), part(58, 121)});
        QCOMPARE(DrawQuestion(1, 1), 1);
        QCOMPARE(DrawQuestion(2, 1), 2);
        QCOMPARE(DrawQuestion(3, 1), 1);
        QCOMPARE(FirstNum[2], 3);
        QCOMPARE(SecondNum[2], 7);
        QCOMPARE(SumNum[2], 10);
        QCOMPARE(FirstNum[3], 5);
        QCOMPARE(SecondNum[3], 3);
        QCOMPARE(random.draws(), 4);
    }

    void sameQuestionEveryTimeStopsAtElevenDraws()
    {
        testsupport::ScriptedRandom random({0.5});
        QCOMPARE(DrawQuestion(1, 2), 1);
        for (qint16 n = 2; n <= 16; ++n) {
            const int before = random.draws();
            QCOMPARE(DrawQuestion(n, 2), 11);
            QCOMPARE(random.draws() - before, 22); // two draws per question at level 2
        }
        // The set is complete, repeats and all.
        QCOMPARE(FirstNum[16], 15);
        QCOMPARE(SecondNum[16], 5);
        QCOMPARE(SumNum[16], 20);
    }

    void setsHaveNoRepeats()
    {
        // With the real source. Level 1 has only 121 questions, so repeats would show within
        // a few sets.
        for (int set = 0; set < 200; ++set) {
            QSet<QPair<int, int>> questions;
            for (qint16 n = 1; n <= 16; ++n) {
                DrawQuestion(n, 1);
                QCOMPARE(SumNum[n], FirstNum[n] + SecondNum[n]);
                questions.insert({FirstNum[n], SecondNum[n]});
            }
            QCOMPARE(questions.size(), 16);
        }
    }
};

QTEST_GUILESS_MAIN(TestAddModule)
#include "tst_addmodule.moc"
