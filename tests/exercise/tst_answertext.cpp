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
    void blanks()
    {
        const auto digitBox = [](const QString &text) {
            return answertext::numericValue(text, answertext::Blanks::Whitespace);
        };
        QCOMPARE(answertext::numericValue(u" 5 "), 5.0);
        QCOMPARE(digitBox(" 5 "), 5.0);
        for (const QString text : {"\t5", "\v5\f"}) {
            QVERIFY(!answertext::numericValue(text));
            QCOMPARE(digitBox(text), 5.0);
        }
        for (const QString text : {"\u00a05", " \t "}) {
            QVERIFY(!answertext::numericValue(text) && !digitBox(text));
        }
    }
};

QTEST_GUILESS_MAIN(tst_answertext)
#include "tst_answertext.moc"
