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
    // One answer as the pupil types it, keystroke by keystroke, then the sheet checked: what
    // the box shows once marked, and the answer as it stood, for the record.
    void marking_data()
    {
        QTest::addColumn<QStringList>("typed"); // the box's text after each change
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("right");
        QTest::addColumn<QString>("given");
        QTest::newRow("wrong") << QStringList {"1", "15"} << "15" << false << "15";
        QTest::newRow("erased is 0, wrong") << QStringList {"14", ""} << "0" << false << "";
        QTest::newRow("letter gives way to the number")
            << QStringList {"1", "14", "14x"} << "14" << true << "14";
        QTest::newRow("bad text in a fresh box") << QStringList {"x"} << "0" << false << "";
        QTest::newRow("a number's value") << QStringList {" 14.0 "} << " 14.0 " << true << " 14.0 ";
    }
    void marking()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, shown);
        QFETCH(bool, right);
        ExerciseSheet sheet;
        sheet.start(2, {{14, 0, 14}, {0, 0, 0}}, Start);
        for (const QString &text : typed) {
            sheet.type(1, text);
        }
        sheet.check();
        QCOMPARE(sheet.mark(1).shownText, shown);
        QCOMPARE(sheet.answer(1), shown);
        QCOMPARE(sheet.mark(1).right, right);
        QTEST(sheet.givenAnswer(1), "given");
        QCOMPARE(sheet.firstWrong(), right ? 0 : 1);
        QCOMPARE(sheet.rightCount(), right ? 2 : 1); // an empty box is right for 0 + 0
    }

    void percentHalvesToEven()
    {
        const int table[] = {0, 6, 12, 19, 25, 31, 38, 44, 50, 56, 62, 69, 75, 81, 88, 94, 100};
        for (int right = 0; right <= 16; ++right) {
            QCOMPARE(scoring::scorePercent(right), table[right]);
        }
    }

    // The record takes the clock's text as last shown, not the time of checking; new
    // questions clear the answers, marks and clock, and each box keeps its last number, so
    // that a letter typed into it brings that number back.
    void resultRecordAndNewSheet()
    {
        ExerciseSheet sheet;
        sheet.start(5, doubles(), Start);
        sheet.tick(Start.addSecs(207));
        sheet.type(1, "2");
        sheet.check();
        QCOMPARE(sheet.resultRecord(Start.addSecs(3600)),
                 (HistoryRecord {"5/12/2026 2:20:00 PM", "5", "6", "00:03:27"}));
        sheet.start(4, {{10, 10, 20}}, Start.addSecs(3600));
        QVERIFY(!sheet.checked());
        QCOMPARE(std::pair(sheet.level(), sheet.count()), std::pair(4, 1));
        QCOMPARE(sheet.answer(1), QString());
        QCOMPARE(sheet.elapsedText(), "00:00:00");
        QCOMPARE(sheet.type(1, "x"), "2");
    }

    // The time at each box adds up over its visits, until the sheet is checked.
    void timeAtEachQuestion()
    {
        ExerciseSheet sheet;
        sheet.start(1, doubles(), Start);
        const auto at = [](int msecs) { return Start.addMSecs(msecs); };
        sheet.focusQuestion(1, at(0));
        sheet.focusQuestion(0, at(4000)); // to a button
        sheet.focusQuestion(1, at(6500)); // back again
        sheet.focusQuestion(2, at(7500));
        sheet.focusQuestion(3, at(7000)); // the clock set back: nothing, not less
        sheet.check();
        sheet.focusQuestion(4, at(20000)); // after checking: not counted
        QCOMPARE((QList<qint64> {sheet.msecsOn(1), sheet.msecsOn(2), sheet.msecsOn(4)}),
                 (QList<qint64> {5000, 0, 0}));
    }

    // The clock's text is what goes into the history: it must never read negative or jump.
    void clockText()
    {
        const QDate day(2026, 5, 12);
        const QDateTime ten(day, QTime(10, 0));
        QCOMPARE(elapsedtime::between(QDateTime(day, QTime(10, 0, 0, 100)), ten.addSecs(1)),
                 "00:00:00"); // parts of a second dropped
        QCOMPARE(elapsedtime::between(QDateTime(day, QTime(23, 59, 30)),
                                      QDateTime(day.addDays(1), QTime(0, 1))),
                 "00:01:30"); // over midnight
        QCOMPARE(elapsedtime::between(ten, ten.addSecs(-5)), "00:00:00"); // clock set back
        const QDateTime beforeSwitch(QDate(2026, 3, 29), QTime(0, 59), QTimeZone("Europe/London"));
        QCOMPARE(elapsedtime::between(beforeSwitch, beforeSwitch.addSecs(120)),
                 "00:02:00"); // summer time begins: real seconds
    }
};

QTEST_GUILESS_MAIN(tst_exercisesheet)
#include "tst_exercisesheet.moc"
