// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/exercise/elapsedtime.h"
#include "core/exercise/exercisesheet.h"
#include "core/exercise/scoring.h"

#include <QTest>
#include <QTimeZone>

namespace {

// Sixteen questions n + n = 2n, so that question n's right answer is 2n.
QList<Question> doubles()
{
    QList<Question> questions;
    for (int n = 1; n <= 16; ++n) {
        questions.append({n, n, 2 * n});
    }
    return questions;
}

const QDateTime Start(QDate(2026, 5, 12), QTime(13, 20, 0));

} // namespace

// A sheet of questions as the pupil answers it: its marks, score and clock, and the rules
// they follow, each on its own.
class tst_exercisesheet : public QObject
{
    Q_OBJECT
private slots:
    // One answer as the pupil types it, keystroke by keystroke, then the sheet checked.
    void marking_data()
    {
        QTest::addColumn<QStringList>("typed"); // the box's text after each change
        QTest::addColumn<int>("sum");
        QTest::addColumn<QString>("shown"); // what the box shows once marked
        QTest::addColumn<bool>("right");
        QTest::addColumn<QString>("given"); // the answer as it stood, for the record

        QTest::newRow("right") << QStringList {"1", "14"} << 14 << "14" << true << "14";
        QTest::newRow("wrong") << QStringList {"1", "15"} << 14 << "15" << false << "15";
        QTest::newRow("erased is 0, wrong") << QStringList {"14", ""} << 14 << "0" << false << "";
        QTest::newRow("letter gives way to the number")
            << QStringList {"1", "14", "14x"} << 14 << "14" << true << "14";
        QTest::newRow("bad text in a fresh box") << QStringList {"x"} << 14 << "0" << false << "";
    }

    void marking()
    {
        QFETCH(QStringList, typed);
        QFETCH(int, sum);
        QFETCH(QString, shown);
        QFETCH(bool, right);
        QFETCH(QString, given);

        ExerciseSheet sheet;
        sheet.start(2, {{sum, 0, sum}, {1, 1, 2}}, Start);
        for (const QString &text : typed) {
            sheet.type(1, text);
        }
        sheet.type(2, "2");
        sheet.check();
        QVERIFY(sheet.checked());
        QCOMPARE(sheet.mark(1).shownText, shown);
        QCOMPARE(sheet.answer(1), shown);
        QCOMPARE(sheet.mark(1).right, right);
        QCOMPARE(sheet.givenAnswer(1), given);
        QCOMPARE(sheet.firstWrong(), right ? 0 : 1);
        QCOMPARE(sheet.rightCount(), right ? 2 : 1);
    }

    // The record takes the clock's text as last shown, not the time of checking.
    void resultRecordTakesTheLastTick()
    {
        ExerciseSheet sheet;
        sheet.start(5, doubles(), Start);
        QCOMPARE(sheet.elapsedText(), "00:00:00");
        sheet.tick(Start.addSecs(86400 + 207));
        QCOMPARE(sheet.elapsedText(), "00:03:27");
        sheet.type(1, "2");
        sheet.check();
        const HistoryRecord record = sheet.resultRecord(Start.addSecs(3600));
        QCOMPARE(record, (HistoryRecord {"5/12/2026 2:20:00 PM", "5", "6", "00:03:27"}));
    }

    // The time at each box adds up over its visits, until the sheet is checked.
    void timeAtEachQuestion()
    {
        ExerciseSheet sheet;
        sheet.start(1, doubles(), Start);
        const auto at = [](int msecs) { return Start.addMSecs(msecs); };
        sheet.focusQuestion(1, at(0));
        sheet.focusQuestion(2, at(4000)); // Tab to the next box
        sheet.focusQuestion(0, at(6500)); // to a button
        sheet.focusQuestion(1, at(9000)); // back again
        sheet.focusQuestion(3, at(10000));
        sheet.focusQuestion(4, at(9000)); // the clock set back: nothing, not less
        sheet.check();
        sheet.focusQuestion(5, at(20000)); // after checking: not counted
        sheet.focusQuestion(0, at(30000));
        QCOMPARE((QList<qint64> {sheet.msecsOn(1), sheet.msecsOn(2), sheet.msecsOn(3),
                                 sheet.msecsOn(4), sheet.msecsOn(5)}),
                 (QList<qint64> {5000, 2500, 0, 0, 0}));

        // A new sheet starts from nothing, the focused box from the moment it starts.
        sheet.focusQuestion(2, at(40000));
        sheet.start(1, doubles(), at(50000));
        sheet.focusQuestion(3, at(53000));
        QCOMPARE(sheet.msecsOn(2), 3000);
    }

    // New questions clear the answers, marks and clock; each box keeps its last number, so
    // a letter typed into it brings that number back.
    void newSheet()
    {
        ExerciseSheet sheet;
        sheet.start(1, doubles(), Start);
        sheet.type(1, "12");
        sheet.tick(Start.addSecs(5));
        sheet.check();
        sheet.start(4, {{10, 10, 20}}, Start.addSecs(60));
        QVERIFY(!sheet.checked());
        QCOMPARE(sheet.level(), 4);
        QCOMPARE(sheet.count(), 1);
        QCOMPARE(sheet.answer(1), QString());
        QCOMPARE(sheet.elapsedText(), "00:00:00");
        QCOMPARE(sheet.type(1, "x"), "12");
    }

    void percentHalvesToEven_data()
    {
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("percent");
        const int table[] = {0, 6, 12, 19, 25, 31, 38, 44, 50, 56, 62, 69, 75, 81, 88, 94, 100};
        for (int right = 0; right <= 16; ++right) {
            QTest::addRow("%d right", right) << right << table[right];
        }
    }

    void percentHalvesToEven()
    {
        QFETCH(int, right);
        QFETCH(int, percent);
        QCOMPARE(scoring::scorePercent(right), percent);
    }

    void markingOfOneAnswer()
    {
        QVERIFY(scoring::markAnswer(" 7.0 ", 7).right);
        QVERIFY(!scoring::markAnswer("7.5", 7).right);
        // An empty box is marked as 0, which is right for 0 + 0.
        QCOMPARE(scoring::markAnswer("", 0).shownText, QStringLiteral("0"));
        QVERIFY(scoring::markAnswer("", 0).right);
    }

    // The clock's text is what goes into the history: it must never read negative or jump.
    void clockText_data()
    {
        QTest::addColumn<QDateTime>("start");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QString>("text");
        const QDate day(2026, 5, 12);
        const QDateTime ten(day, QTime(10, 0));
        QTest::newRow("parts of a second dropped")
            << QDateTime(day, QTime(10, 0, 0, 100)) << ten.addSecs(1) << "00:00:00";
        QTest::newRow("over midnight") << QDateTime(day, QTime(23, 59, 30))
                                       << QDateTime(day.addDays(1), QTime(0, 1)) << "00:01:30";
        QTest::newRow("a day and more: hours modulo 24")
            << ten << ten.addSecs(86400 + 3723) << "01:02:03";
        QTest::newRow("clock set back") << ten << ten.addSecs(-5) << "00:00:00";
        const QDateTime beforeSwitch(QDate(2026, 3, 29), QTime(0, 59), QTimeZone("Europe/London"));
        QTest::newRow("summer time begins: real seconds")
            << beforeSwitch << beforeSwitch.addSecs(120) << "00:02:00";
    }

    void clockText()
    {
        QFETCH(QDateTime, start);
        QFETCH(QDateTime, now);
        QFETCH(QString, text);
        QCOMPARE(elapsedtime::between(start, now), text);
    }
};

QTEST_GUILESS_MAIN(tst_exercisesheet)
#include "tst_exercisesheet.moc"
