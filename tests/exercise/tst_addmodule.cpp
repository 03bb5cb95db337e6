#include "core/exercise/addmodule.h"
#include "core/exercise/randomsource.h"
#include "support/testfiles.h"

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
} // namespace

class TestAddModule : public QObject
{
    Q_OBJECT
private slots:
    // Which draw makes which operand or digit, level by level, and the extremes.
    void operandsByLevel_data()
    {
        QTest::addColumn<qint16>("level");
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<QString>("question");
        QTest::addColumn<int>("drawsTaken");

        QTest::newRow("1 one draw, both operands")
            << qint16(1) << QList<double> {part(13, 121)} << "1 + 2" << 1;
        QTest::newRow("2 highest, second never 10")
            << qint16(2) << QList<double> {part(10, 11), part(9, 10)} << "20 + 9" << 2;
        QTest::newRow("3 highest")
            << qint16(3) << QList<double> {Top, part(10, 11)} << "99 + 10" << 2;
        QTest::newRow("4 first then second")
            << qint16(4) << QList<double> {part(2, 11), part(8, 11)} << "12 + 18" << 2;
        QTest::newRow("5 ones, tens, ones, tens")
            << qint16(5) << QList<double> {part(3, 10), part(0, 9), part(2, 10), part(6, 9)}
            << "13 + 72" << 4;
        QTest::newRow("6 highest") << qint16(6) << QList<double> {Top} << "999 + 999" << 6;
        QTest::newRow("6 tens, ones, hundreds")
            << qint16(6) << QList<double> {part(1, 10), part(2, 10), part(3, 9),
                                           part(4, 10), part(5, 10), part(5, 9)}
            << "412 + 645" << 6;
        QTest::newRow("7 is no level") << qint16(7) << QList<double> {0.5} << "0 + 0" << 0;
    }

    void operandsByLevel()
    {
        QFETCH(qint16, level);
        QFETCH(QList<double>, draws);
        QFETCH(QString, question);
        QFETCH(int, drawsTaken);

        testsupport::ScriptedDomainDraws random(draws);
        FirstNum[7] = SecondNum[7] = 0;
        GenerateQuestion(7, level);
        QCOMPARE(QStringLiteral("%1 + %2").arg(FirstNum[7]).arg(SecondNum[7]), question);
        QCOMPARE(random.draws(), drawsTaken);
    }

    void sameQuestionEveryTimeStopsAtElevenDraws()
    {
        testsupport::ScriptedDomainDraws random({0.5});
        QCOMPARE(DrawQuestion(1, 2), 1);
        QCOMPARE(DrawQuestion(2, 2), 11);
        QCOMPARE(random.draws(), 2 + 22); // two draws per question at level 2
        // The last draw stands, repeat and all.
        QCOMPARE(QList<int>({FirstNum[2], SecondNum[2], SumNum[2]}), QList<int>({15, 5, 20}));
    }

    void realSourceDrawsFreshValuesWithinOneClockTick()
    {
        QSet<double> seen;
        for (int i = 0; i < 1000; ++i) {
            Randomize();
            seen.insert(Rnd());
        }
        QCOMPARE(seen.size(), 1000);
    }
};

QTEST_GUILESS_MAIN(TestAddModule)
#include "tst_addmodule.moc"
