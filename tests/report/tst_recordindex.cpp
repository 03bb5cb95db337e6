// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/report/recordindex.h"
#include "support/testfiles.h"

#include <QtTest>

static QList<QByteArray> allLines(const RecordIndex &index)
{
    QList<QByteArray> lines;
    for (qsizetype i = 0; i < index.size(); ++i) {
        lines.append(index.lineAt(i));
    }
    return lines;
}

class tst_recordindex : public QObject
{
    Q_OBJECT
private slots:
    // Lone CR and lone LF end lines as CR LF does, and so does the end of the file; blank
    // lines and lines that are no records are passed over.
    void lineEndsAndLinesThatAreNoRecords()
    {
        RecordIndex index;
        index.setContent(
            "\r\nno#record\r\n1/1/2026#1#10#00:00:01\n\n\r#\r##\r1/2/2026#2#20#00:00:02");
        QCOMPARE(allLines(index),
                 (QList<QByteArray> {"1/1/2026#1#10#00:00:01", "1/2/2026#2#20#00:00:02"}));
    }

    void linesLongerThanAReadChunk()
    {
        testsupport::WorkDir dir;
        const QList<QByteArray> lines {"1/1/2026#1#10#" + QByteArray(5000, 's'),
                                       "1/2/2026#2#20#" + QByteArray(900 << 10, 'x'),
                                       "1/3/2026#3#30#00:00:03"};
        // Over the longest line kept: passed over and counted, never held whole.
        const QByteArray tooLong = "1/4/2026#4#40#" + QByteArray(3 << 20, 'y');
        testsupport::writeFile("ANN.hst",
                               lines.first(2).join("\r\n") + "\r\n" + tooLong + "\r" + lines.last()
                                   + "\r\n" + tooLong);
        RecordIndex index;
        QCOMPARE(index.load("ANN.hst"), QString());
        QCOMPARE(allLines(index), lines);
        QCOMPARE(index.skippedLines(), 2);
    }
};

QTEST_GUILESS_MAIN(tst_recordindex)
#include "tst_recordindex.moc"
