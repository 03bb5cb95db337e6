#include "report/csvexport.h"
#include "report/recordindex.h"
#include "support/testsupport.h"

#include <QDir>
#include <QtTest>

using testsupport::readFile;
using testsupport::WorkDir;
using testsupport::writeFile;

class tst_csvexport : public QObject
{
    Q_OBJECT
private slots:
    void row_data()
    {
        QTest::addColumn<HistoryRecord>("record");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("afternoon") << HistoryRecord {"12/5/2026 1:23:45 PM", "3", "81", "00:03:27"}
                                   << QByteArray("2026-12-05T13:23:45,3,81,00:03:27\r\n");
        QTest::newRow("unreadable date kept as it stands")
            << HistoryRecord {"last Tuesday", "2", "6", "00:04:00"}
            << QByteArray("last Tuesday,2,6,00:04:00\r\n");
        QTest::newRow("separator and quotes are quoted")
            << HistoryRecord {"1, 2 \"3\"", "2", "6", "00:04:00#a,b"}
            << QByteArray("\"1, 2 \"\"3\"\"\",2,6,\"00:04:00#a,b\"\r\n");
    }

    void row()
    {
        QFETCH(HistoryRecord, record);
        QFETCH(QByteArray, expected);
        QCOMPARE(csvexport::row(record), expected);
    }

    void replacesAnEarlierExport()
    {
        WorkDir dir;
        writeFile(QStringLiteral("ann.csv"), QByteArray(100000, 'x'));
        RecordIndex records;
        records.setContent("1/2/2026 3:04:05 PM#2#50#00:01:00\r\n");
        QVERIFY(csvexport::write(QStringLiteral("ann.csv"), records).ok);
        QCOMPARE(readFile(QStringLiteral("ann.csv")),
                 QByteArray("date,level,score,speed\r\n2026-01-02T15:04:05,2,50,00:01:00\r\n"));
    }

    void failedWriteKeepsWhatWasThere()
    {
        WorkDir dir;
        // A folder stands where the file would go: it cannot be replaced by the export.
        QVERIFY(QDir().mkdir(QStringLiteral("ann.csv")));
        writeFile(QStringLiteral("ann.csv/inside.txt"), "kept");
        RecordIndex records;
        records.setContent("1/2/2026 3:04:05 PM#2#50#00:01:00\r\n");
        const FileResult written = csvexport::write(QStringLiteral("ann.csv"), records);
        QVERIFY(!written.ok);
        QVERIFY(written.message.contains(QStringLiteral("ann.csv")));
        QCOMPARE(readFile(QStringLiteral("ann.csv/inside.txt")), QByteArray("kept"));
        // No half-written temporary file is left beside it either.
        QCOMPARE(QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList {QStringLiteral("ann.csv")});
    }
};

QTEST_GUILESS_MAIN(tst_csvexport)
#include "tst_csvexport.moc"
