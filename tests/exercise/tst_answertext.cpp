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
};

QTEST_GUILESS_MAIN(tst_answertext)
#include "tst_answertext.moc"
