#include "records/history.h"
#include "report/recordindex.h"
#include "support/testsupport.h"

#include <QFile>
#include <QtTest>

using testsupport::WorkDir;
using testsupport::writeFile;

static QList<QByteArray> allLines(const RecordIndex &index)
{
    QList<QByteArray> lines;
    index.forEachLine([&lines](QByteArrayView line) { lines.append(line.toByteArray()); });
    return lines;
}

static QList<QByteArray> linesOneByOne(const RecordIndex &index)
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
    void lineEnds_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("CR LF") << QByteArray(
            "1/1/2026#1#10#00:00:01\r\n1/2/2026#2#20#00:00:02\r\n");
        QTest::newRow("lone CR") << QByteArray("1/1/2026#1#10#00:00:01\r1/2/2026#2#20#00:00:02\r");
        QTest::newRow("mixed") << QByteArray("1/1/2026#1#10#00:00:01\r1/2/2026#2#20#00:00:02\n");
        QTest::newRow("last line without an end")
            << QByteArray("1/1/2026#1#10#00:00:01\r\n1/2/2026#2#20#00:00:02");
        QTest::newRow("blank and other lines between")
            << QByteArray("\r\nno#record\r\n1/1/2026#1#10#00:00:01\r\n\n\r#\r##\r\n"
                          "1/2/2026#2#20#00:00:02\r\n\r\n");
    }

    void lineEnds()
    {
        QFETCH(QByteArray, content);
        RecordIndex index;
        index.setContent(content);
        const QList<QByteArray> expected {"1/1/2026#1#10#00:00:01", "1/2/2026#2#20#00:00:02"};
        QCOMPARE(index.size(), 2);
        QCOMPARE(linesOneByOne(index), expected);
        QCOMPARE(allLines(index), expected);
    }

    void everyRecordReadBack_data()
    {
        QTest::addColumn<int>("records");
        for (int n : {0, 1, 33, 1000}) {
            QTest::addRow("%d records", n) << n;
        }
    }

    void everyRecordReadBack()
    {
        QFETCH(int, records);
        QByteArray content;
        QList<QByteArray> expected;
        for (int i = 0; i < records; ++i) {
            // Lines that are not records fall between some of them and are not counted.
            if (i % 7 == 3) {
                content += "not a record\r\n\r\n";
            }
            const QByteArray line = "1/" + QByteArray::number(i % 28 + 1) + "/2026#"
                + QByteArray::number(i % 6 + 1) + '#' + QByteArray::number(i % 101)
                + "#00:00:" + QByteArray::number(10 + i % 50);
            expected.append(line);
            content += line + "\r\n";
        }
        WorkDir dir;
        writeFile(QStringLiteral("ANN.hst"), content);
        RecordIndex index;
        QVERIFY(index.load(QStringLiteral("ANN.hst")));
        QCOMPARE(index.size(), records);
        QCOMPARE(linesOneByOne(index), expected);
        QCOMPARE(allLines(index), expected);
        // Asked for out of order, as a list scrolled up and down asks.
        for (int i = records - 1; i >= 0; i -= 13) {
            QCOMPARE(index.lineAt(i), expected.at(i));
        }
    }

    void linesLongerThanAReadChunk()
    {
        const QByteArray longSpeed(3 << 20, 'x');
        const QList<QByteArray> expected {"1/1/2026#1#10#" + QByteArray(5000, 's'),
                                          "1/2/2026#2#20#" + longSpeed, "1/3/2026#3#30#00:00:03"};
        WorkDir dir;
        writeFile(QStringLiteral("ANN.hst"), expected.join("\r\n") + "\r\n");
        RecordIndex index;
        QVERIFY(index.load(QStringLiteral("ANN.hst")));
        QCOMPARE(index.size(), 3);
        QCOMPARE(index.lineAt(2), expected.at(2));
        QCOMPARE(index.lineAt(1), expected.at(1));
        QCOMPARE(index.lineAt(0), expected.at(0));
        QCOMPARE(allLines(index), expected);
    }

    void laterChangesToTheFileDoNotShowThrough()
    {
        WorkDir dir;
        const QList<QByteArray> first {"1/1/2026#1#10#00:00:01", "1/2/2026#2#20#00:00:02"};
        writeFile(QStringLiteral("ANN.hst"), first.join("\r\n") + "\r\n");
        RecordIndex index;
        QVERIFY(index.load(QStringLiteral("ANN.hst")));

        QVERIFY(AppendResult("ANN", {"1/3/2026", "3", "30", "00:00:03"}).ok);
        QCOMPARE(index.size(), 2);
        QCOMPARE(allLines(index), first);

        // The student deleted and added again: a new, empty history takes the name.
        QVERIFY(CreateHistory("ANN").ok);
        QCOMPARE(QFile(QStringLiteral("ANN.hst")).size(), 0);
        QCOMPARE(linesOneByOne(index), first);
        QCOMPARE(allLines(index), first);
    }
};

QTEST_GUILESS_MAIN(tst_recordindex)
#include "tst_recordindex.moc"
