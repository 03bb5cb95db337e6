// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/report/facts.h"
#include "core/report/reviewsheet.h"
#include "support/testfiles.h"

#include <QtTest>

using facts::Mastery;

namespace {
// An answer of a sheet checked on day `sheet` of December 2026 at 9:00.
AnswerRecord answer(int sheet, int level, int first, int second, const QByteArray &given,
                    qint64 ms = 1000, bool review = false)
{
    const bool right = given == QByteArray::number(first + second);
    return {{QDate(2026, 12, sheet), QTime(9, 0)}, level, review, first, second, given, right, ms};
}
} // namespace

Q_DECLARE_METATYPE(Mastery)

// What the record of answers says of each sum: the grid's colours, the slips, the review.
class tst_facts : public QObject
{
    Q_OBJECT
private slots:
    // A fact's state from its last three answers.
    void mastery_data()
    {
        QTest::addColumn<QList<AnswerRecord>>("answers");
        QTest::addColumn<Mastery>("mastery");
        QTest::newRow("quick") << QList<AnswerRecord> {answer(1, 1, 3, 4, "7", 3000)}
                               << Mastery::Quick;
        QTest::newRow("slow") << QList<AnswerRecord> {answer(1, 1, 3, 4, "7", 3001)}
                              << Mastery::Slow;
        QTest::newRow("wrong among the last three")
            << QList<AnswerRecord> {answer(1, 1, 3, 4, "8"), answer(2, 1, 3, 4, "7"),
                                    answer(3, 1, 3, 4, "7")}
            << Mastery::WrongRecently;
        QTest::newRow("wrong four answers ago")
            << QList<AnswerRecord> {answer(1, 1, 3, 4, "8"), answer(2, 1, 3, 4, "7"),
                                    answer(3, 1, 3, 4, "7"), answer(4, 1, 3, 4, "7")}
            << Mastery::Quick;
        QTest::newRow("on a review sheet, at its own level")
            << QList<AnswerRecord> {answer(1, 1, 3, 4, "7", 5000, true)} << Mastery::Slow;
        QTest::newRow("another level's sum is another fact")
            << QList<AnswerRecord> {answer(1, 2, 3, 4, "8")} << Mastery::NeverSeen;
    }
    void mastery()
    {
        QFETCH(QList<AnswerRecord>, answers);
        QFETCH(Mastery, mastery);
        facts::FactRecord record;
        record.addAll(answers);
        QCOMPARE(record.gridCell(3, 4), mastery);
        QCOMPARE(record.gridCell(4, 3), Mastery::NeverSeen); // the order of the sum counts
    }

    // The slips of a level's recent sheets by kind, the commonest first, each with its latest
    // example; the sums most often missed.
    void slipsAndMissedSums()
    {
        facts::FactRecord record;
        record.add(answer(1, 3, 11, 11, "0")); // a sheet too old to count
        for (int sheet = 2; sheet < 2 + facts::RecentSheets; ++sheet) {
            record.add(answer(sheet, 3, 47, 85, "122")); // forgot to carry
            record.add(answer(sheet, 3, 52, 27, sheet % 2 ? "25" : "79"));
        }
        const QList<facts::Slip> slips = record.slips(3);
        QCOMPARE(slips.size(), 2);
        QCOMPARE(slips[0].kind, errordiagnosis::ErrorKind::ForgotCarry);
        QCOMPARE(slips[0].count, facts::RecentSheets);
        QCOMPARE(slips[0].example.checked.date, QDate(2026, 12, 1 + facts::RecentSheets));
        QCOMPARE(slips[1].kind, errordiagnosis::ErrorKind::Difference);
        QVERIFY(record.slips(2).isEmpty());

        const QList<facts::Missed> missed = record.mostMissed(3);
        QCOMPARE(missed.size(), 3);
        QCOMPARE(std::tuple(missed[0].fact.first, missed[0].wrong, missed[0].answered),
                 std::tuple(47, facts::RecentSheets, facts::RecentSheets));
    }

    // The student's weak facts first, those wrong lately (the latest first) before the slow
    // (the slowest first); the rest drawn at the level given, none twice.
    void reviewSheet()
    {
        facts::FactRecord record;
        record.addAll({answer(1, 1, 2, 2, "5"), answer(2, 1, 3, 3, "7"),
                       answer(3, 2, 12, 13, "25", 9000), answer(3, 1, 4, 4, "8", 4000),
                       answer(3, 1, 5, 5, "10", 500)});
        testsupport::ScriptedDraws draws({0.0, 0.0, 0.0, 0.0, 0.5, 0.5}); // 1 + 1 twice, 6 + 6
        const QList<reviewsheet::Item> sheet = reviewsheet::draw(record, 1, 6, draws.source());
        QList<std::pair<int, int>> sums;
        for (const reviewsheet::Item &item : sheet) {
            sums.append({item.question.first, item.question.second});
            QCOMPARE(item.question.sum, item.question.first + item.question.second);
        }
        QCOMPARE(sums.mid(0, 4), (QList<std::pair<int, int>> {{3, 3}, {2, 2}, {12, 13}, {4, 4}}));
        QCOMPARE(sheet.at(2).level, 2);
        QCOMPARE(sums.size(), 6);
        QVERIFY(sums.at(4) != sums.at(5)); // the repeated draw was drawn again
        QCOMPARE(reviewsheet::mainLevel(sheet), 1);
        QCOMPARE(reviewsheet::mainLevel({{{1, 1, 2}, 1}, {{10, 10, 20}, 2}}), 2);
    }

    // The recent answers of a long record from its end alone.
    void lastBytesOfTheRecord()
    {
        testsupport::WorkDir dir;
        QList<AnswerRecord> sheet;
        for (int n = 0; n < 100; ++n) {
            sheet.append(answer(1, 1, n % 11, n / 11, "0"));
        }
        QVERIFY(answerlog::append("ANN", sheet).ok);
        const qint64 lineLength = answerlog::formatRecord(sheet.last()).size() + 2;
        const answerlog::Read tail
            = answerlog::readRecords("ANN.ans", 3 * lineLength + lineLength / 2);
        QCOMPARE(tail.records, sheet.mid(97));
        QCOMPARE(tail.skipped, 0);
    }
};

QTEST_GUILESS_MAIN(tst_facts)
#include "tst_facts.moc"
