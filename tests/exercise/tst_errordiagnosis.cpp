// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/exercise/errordiagnosis.h"

#include <QTest>

using errordiagnosis::ErrorKind;

// Which slip a wrong sum shows, and which kind wins where an answer fits several.
class tst_errordiagnosis : public QObject
{
    Q_OBJECT
private slots:
    void classify_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<int>("answer"); // -1: the box left blank
        QTest::addColumn<ErrorKind>("kind");
        QTest::newRow("right") << 47 << 85 << 132 << ErrorKind::None;
        QTest::newRow("blank for 0 + 0, marked as 0") << 0 << 0 << -1 << ErrorKind::None;
        QTest::newRow("blank") << 47 << 85 << -1 << ErrorKind::Blank;
        QTest::newRow("0 is no blank") << 47 << 85 << 0 << ErrorKind::Other;
        // Also ten off, and one digit wrong.
        QTest::newRow("carry forgotten") << 47 << 85 << 122 << ErrorKind::ForgotCarry;
        QTest::newRow("chain: tens' carry forgotten") << 999 << 1 << 900 << ErrorKind::ForgotCarry;
        QTest::newRow("carry into the tens") << 23 << 14 << 47 << ErrorKind::ExtraCarry;
        QTest::newRow("ten more where the tens carried") << 999 << 1 << 1010 << ErrorKind::OffByTen;
        QTest::newRow("no column to carry into") << 5 << 3 << 18 << ErrorKind::OffByTen;
        QTest::newRow("difference, second the larger") << 27 << 52 << 25 << ErrorKind::Difference;
        QTest::newRow("difference, also ten off") << 52 << 5 << 47 << ErrorKind::Difference;
        QTest::newRow("last two swapped") << 47 << 85 << 123 << ErrorKind::DigitsSwapped;
        QTest::newRow("swapped two apart") << 47 << 85 << 231 << ErrorKind::Other;
        QTest::newRow("one more, also one digit wrong") << 999 << 1 << 1001 << ErrorKind::OffByOne;
        QTest::newRow("ten more, also one digit wrong") << 47 << 85 << 142 << ErrorKind::OffByTen;
        QTest::newRow("one digit wrong") << 47 << 85 << 172 << ErrorKind::OneDigitWrong;
        QTest::newRow("far off") << 47 << 85 << 999999999 << ErrorKind::Other;
    }
    void classify()
    {
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(int, answer);
        QFETCH(ErrorKind, kind);
        const std::optional<int> given = answer < 0 ? std::nullopt : std::optional(answer);
        QCOMPARE(errordiagnosis::classify(first, second, given), kind);
    }

    void everyKindIsDescribedApart()
    {
        QSet<QString> phrases;
        for (int k = int(ErrorKind::Blank); k <= int(ErrorKind::Other); ++k) {
            phrases.insert(errordiagnosis::describe(ErrorKind(k)));
        }
        QCOMPARE(phrases.size(), int(ErrorKind::Other));
        QVERIFY(!phrases.contains(QString()));
        QCOMPARE(errordiagnosis::describe(ErrorKind::None), QString());
    }
};

QTEST_GUILESS_MAIN(tst_errordiagnosis)
#include "tst_errordiagnosis.moc"
