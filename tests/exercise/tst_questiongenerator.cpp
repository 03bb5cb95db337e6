// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/exercise/questiongenerator.h"
#include "core/exercise/randomsource.h"
#include "support/testfiles.h"

#include <QSet>
#include <QTest>

namespace {
// A draw that lands inside the k-th of n equal parts of [0, 1).
double part(int k, int n)
{
    return (k + 0.5) / n;
}
constexpr double Top = 0.999999;
} // namespace

class tst_questiongenerator : public QObject
{
    Q_OBJECT
private slots:
    // Which draw makes which operand or digit, level by level, and the extremes.
    void operandsByLevel_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<QString>("question");
        QTest::addColumn<int>("drawsTaken");

        QTest::newRow("1 one draw, both operands")
            << 1 << QList<double> {part(13, 121)} << "1 + 2" << 1;
        QTest::newRow("2 highest, second never 10")
            << 2 << QList<double> {part(10, 11), part(9, 10)} << "20 + 9" << 2;
        QTest::newRow("3 highest") << 3 << QList<double> {Top, part(10, 11)} << "99 + 10" << 2;
        QTest::newRow("4 first then second")
            << 4 << QList<double> {part(2, 11), part(8, 11)} << "12 + 18" << 2;
        QTest::newRow("5 ones, tens, ones, tens")
            << 5 << QList<double> {part(3, 10), part(0, 9), part(2, 10), part(6, 9)} << "13 + 72"
            << 4;
        QTest::newRow("6 tens, ones, hundreds")
            << 6 << QList<double> {part(1, 10), part(2, 10), part(3, 9),
                                   part(4, 10), part(5, 10), part(5, 9)}
            << "412 + 645" << 6;
        QTest::newRow("7 is no level") << 7 << QList<double> {0.5} << "0 + 0" << 0;
    }

    void operandsByLevel()
    {
        QFETCH(int, level);
        QFETCH(QList<double>, draws);
        QFETCH(QString, question);
        QFETCH(int, drawsTaken);

        testsupport::ScriptedDraws random(draws);
        const Question q = questiongenerator::drawQuestion(level, random.source());
        QCOMPARE(QStringLiteral("%1 + %2").arg(q.first).arg(q.second), question);
        QCOMPARE(q.sum, q.first + q.second);
        QCOMPARE(random.draws(), drawsTaken);
    }

    void sameQuestionEveryTimeStopsAtElevenDraws()
    {
        testsupport::ScriptedDraws random({0.5});
        QCOMPARE(questiongenerator::generate(2, 1, random.source()).size(), 1);
        QCOMPARE(random.draws(), 2); // the first question: one attempt of two draws at level 2
        const QList<Question> set = questiongenerator::generate(2, 2, random.source());
        QCOMPARE(random.draws(), 2 + 2 + 22); // the second question: eleven attempts
        // The last draw stands, repeat and all.
        QCOMPARE(set, QList<Question>({{15, 5, 20}, {15, 5, 20}}));
    }

    // Draws in the order the questions stand, a repeat drawn again at once; a repeat is the
    // same operands in the same order.
    void repeatIsDrawnAgainInPlace()
    {
        testsupport::ScriptedDraws again({part(13, 121), part(13, 121), part(0, 121)});
        QCOMPARE(questiongenerator::generate(1, 2, again.source()),
                 QList<Question>({{1, 2, 3}, {0, 0, 0}}));
        QCOMPARE(again.draws(), 3);
        testsupport::ScriptedDraws swapped({part(13, 121), part(23, 121), part(0, 121)});
        QCOMPARE(questiongenerator::generate(1, 2, swapped.source()),
                 QList<Question>({{1, 2, 3}, {2, 1, 3}}));
        QCOMPARE(swapped.draws(), 2);
    }

    void realSourceDrawsFreshValuesWithinOneClockTick()
    {
        QSet<double> seen;
        for (int i = 0; i < 1000; ++i) {
            seen.insert(randomsource::realDraw());
        }
        QCOMPARE(seen.size(), 1000);
    }
};

QTEST_GUILESS_MAIN(tst_questiongenerator)
#include "tst_questiongenerator.moc"
