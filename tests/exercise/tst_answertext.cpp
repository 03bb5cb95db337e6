// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/exercise/answertext.h"

#include <QTest>

// What an answer box reads as a number (what it lets be typed: the sheet's marking cases).
class tst_answertext : public QObject
{
    Q_OBJECT
private slots:
    void numericValue()
    {
        QCOMPARE(answertext::numericValue(u" 007 ").value_or(0), 7.0);
        QCOMPARE(answertext::numericValue(u"-4.5").value_or(0), -4.5);
        for (const char *text : {"", "-", "12a", "1 2", "1e3", "1,000", "\u0661\u0662"}) {
            QVERIFY2(!answertext::numericValue(QString::fromUtf8(text)), text);
        }
    }

    // An answer box allows spaces around a number; a digit box of the column tutor allows
    // any ASCII white space. Other blanks make no number for either.
    void blanks_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("answerBox");
        QTest::addColumn<bool>("digitBox");
        QTest::newRow("spaces") << " 5 " << true << true;
        QTest::newRow("tab before") << "\t5" << false << true;
        QTest::newRow("vertical tab and form feed") << "\v5\f" << false << true;
        QTest::newRow("no-break space") << "\u00a05" << false << false;
        QTest::newRow("blanks alone") << " \t " << false << false;
    }

    void blanks()
    {
        QFETCH(QString, text);
        QFETCH(bool, answerBox);
        QFETCH(bool, digitBox);
        QCOMPARE(answertext::numericValue(text).has_value(), answerBox);
        QCOMPARE(answertext::numericValue(text, answertext::Blanks::Whitespace).has_value(),
                 digitBox);
        if (digitBox) {
            QCOMPARE(*answertext::numericValue(text, answertext::Blanks::Whitespace), 5.0);
        }
    }
};

QTEST_GUILESS_MAIN(tst_answertext)
#include "tst_answertext.moc"
