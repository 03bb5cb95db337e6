#include "records/history.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace testsupport;

class tst_History : public QObject
{
    Q_OBJECT
private slots:
    void dateIsWrittenInOneFixedForm_data();
    void dateIsWrittenInOneFixedForm();
    void dateIsReadBack_data();
    void dateIsReadBack();
    void unreadableDatesAreRefused_data();
    void unreadableDatesAreRefused();
    void linesSplitIntoFourFields_data();
    void linesSplitIntoFourFields();
    void appendedRecordsFollowEachOtherInOrder();
    void appendCreatesAMissingFile();
    void appendAfterAnUnendedLastLineStartsANewLine_data();
    void appendAfterAnUnendedLastLineStartsANewLine();
    void failedAppendLeavesTheFileAsItWas();
    void createEmptiesTheFileButKeepsOldResults();
    void createLeavesAnEmptyFileAlone();
    void unsafeNamesWriteNothing_data();
    void unsafeNamesWriteNothing();
    void readingSkipsMalformedLines();
};

void tst_History::dateIsWrittenInOneFixedForm_data()
{
    QTest::addColumn<QDateTime>("when");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("afternoon") << QDateTime(QDate(2026, 12, 5), QTime(13, 23, 45))
                               << QByteArray("12/5/2026 1:23:45 PM");
    QTest::newRow("morning") << QDateTime(QDate(2026, 1, 9), QTime(9, 5, 7))
                             << QByteArray("1/9/2026 9:05:07 AM");
    QTest::newRow("noon") << QDateTime(QDate(2027, 3, 30), QTime(12, 0, 0))
                          << QByteArray("3/30/2027 12:00:00 PM");
    QTest::newRow("just after midnight")
        << QDateTime(QDate(2027, 3, 30), QTime(0, 0, 1)) << QByteArray("3/30/2027 12:00:01 AM");
    QTest::newRow("midnight") << QDateTime(QDate(2027, 3, 30), QTime(0, 0, 0))
                              << QByteArray("3/30/2027");
}

void tst_History::dateIsWrittenInOneFixedForm()
{
    QFETCH(QDateTime, when);
    QFETCH(QByteArray, text);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(history::formatDate(when), text);
    QLocale::setDefault(QLocale::c());
    QCOMPARE(history::parseDate(text), std::optional(when));
}

void tst_History::dateIsReadBack_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QDateTime>("when");
    QTest::newRow("date alone") << QByteArray("12/5/2026")
                                << QDateTime(QDate(2026, 12, 5), QTime(0, 0));
    QTest::newRow("24-hour time") << QByteArray("12/5/2026 13:23:45")
                                  << QDateTime(QDate(2026, 12, 5), QTime(13, 23, 45));
    QTest::newRow("24-hour without seconds")
        << QByteArray("05/12/2026 07:08") << QDateTime(QDate(2026, 5, 12), QTime(7, 8));
    QTest::newRow("12 AM is midnight")
        << QByteArray("2/28/2026 12:30:00 AM") << QDateTime(QDate(2026, 2, 28), QTime(0, 30));
}

void tst_History::dateIsReadBack()
{
    QFETCH(QByteArray, text);
    QFETCH(QDateTime, when);
    QCOMPARE(history::parseDate(text), std::optional(when));
}

void tst_History::unreadableDatesAreRefused_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("words") << QByteArray("yesterday");
    QTest::newRow("no such day") << QByteArray("2/30/2026");
    QTest::newRow("month 13") << QByteArray("13/1/2026 1:00:00 PM");
    QTest::newRow("hour 13 with PM") << QByteArray("1/1/2026 13:00:00 PM");
    QTest::newRow("minute 60") << QByteArray("1/1/2026 10:60");
    QTest::newRow("trailing text") << QByteArray("1/1/2026 10:00:00 PMX");
    QTest::newRow("sign") << QByteArray("-1/1/2026");
}

void tst_History::unreadableDatesAreRefused()
{
    QFETCH(QByteArray, text);
    QVERIFY(!history::parseDate(text).has_value());
}

void tst_History::linesSplitIntoFourFields_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("isRecord");
    QTest::addColumn<HistoryRecord>("record");
    QTest::newRow("example") << QByteArray("12/5/2026 1:23:45 PM#3#81#00:03:27") << true
                             << HistoryRecord {"12/5/2026 1:23:45 PM", "3", "81", "00:03:27"};
    QTest::newRow("more # stay in the last field")
        << QByteArray("d#1#2#3#4") << true << HistoryRecord {"d", "1", "2", "3#4"};
    QTest::newRow("empty fields") << QByteArray("###") << true << HistoryRecord {};
    QTest::newRow("three fields") << QByteArray("d#1#2") << false << HistoryRecord {};
    QTest::newRow("empty line") << QByteArray() << false << HistoryRecord {};
}

void tst_History::linesSplitIntoFourFields()
{
    QFETCH(QByteArray, line);
    QFETCH(bool, isRecord);
    QFETCH(HistoryRecord, record);
    const auto parsed = history::parseRecord(line);
    QCOMPARE(parsed.has_value(), isRecord);
    if (isRecord) {
        QCOMPARE(*parsed, record);
        QCOMPARE(history::formatRecord(*parsed), line);
    }
}

void tst_History::appendedRecordsFollowEachOtherInOrder()
{
    WorkDir dir;
    QVERIFY(CreateHistory("ANN LEE").ok);
    QCOMPARE(readFile("ANN LEE.hst"), QByteArray());
    QVERIFY(AppendResult("ANN LEE", {"12/5/2026 1:23:45 PM", "3", "81", "00:03:27"}).ok);
    QVERIFY(AppendResult("ANN LEE", {"12/6/2026", "1", "100", "00:00:59"}).ok);
    QVERIFY(AppendResult("ANN LEE", {"12/7/2026 9:00:00 AM", "6", "0", "01:02:03"}).ok);
    QCOMPARE(readFile("ANN LEE.hst"),
             QByteArray("12/5/2026 1:23:45 PM#3#81#00:03:27\r\n12/6/2026#1#100#00:00:59\r\n"
                        "12/7/2026 9:00:00 AM#6#0#01:02:03\r\n"));
    const auto records = history::readRecords("ANN LEE.hst");
    QCOMPARE(records.size(), 3);
    QCOMPARE(records.at(1).Score, QByteArray("100"));
}

void tst_History::appendCreatesAMissingFile()
{
    WorkDir dir;
    QVERIFY(AppendResult("BEN", {"1/2/2026 3:04:05 PM", "2", "50", "00:01:00"}).ok);
    QCOMPARE(readFile("BEN.hst"), QByteArray("1/2/2026 3:04:05 PM#2#50#00:01:00\r\n"));
}

void tst_History::appendAfterAnUnendedLastLineStartsANewLine_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("added"); // what the append puts after it
    const QByteArray record = "1/3/2026 3:04:05 PM#2#75#00:02:00\r\n";
    QTest::newRow("ended by CR LF") << QByteArray("x#1#2#3\r\n") << record;
    QTest::newRow("ended by a lone CR") << QByteArray("x#1#2#3\r") << record;
    QTest::newRow("ended by LF") << QByteArray("x#1#2#3\n") << record;
    QTest::newRow("record without an end") << QByteArray("x#1#2#3") << "\r\n" + record;
    QTest::newRow("junk without an end") << QByteArray("\xff\x00junk") << "\r\n" + record;
}

void tst_History::appendAfterAnUnendedLastLineStartsANewLine()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, added);
    WorkDir dir;
    writeFile("BEN.hst", before);
    QVERIFY(AppendResult("BEN", {"1/3/2026 3:04:05 PM", "2", "75", "00:02:00"}).ok);
    QCOMPARE(readFile("BEN.hst"), before + added);
    QCOMPARE(history::readRecords("BEN.hst").last().Date, QByteArray("1/3/2026 3:04:05 PM"));
}

void tst_History::failedAppendLeavesTheFileAsItWas()
{
    WorkDir dir;
    const QByteArray before = "1/2/2026 3:04:05 PM#2#50#00:01:00\r\n";
    writeFile("BEN.hst", before);
    FileResult result;
    {
        FileSizeLimit limit(before.size() + 10);
        result = AppendResult("BEN", {"1/3/2026 3:04:05 PM", "2", "75", "00:02:00"});
    }
    QVERIFY(!result.ok);
    QVERIFY2(result.message.contains("BEN.hst"), qPrintable(result.message));
    QCOMPARE(readFile("BEN.hst"), before);
}

void tst_History::createEmptiesTheFileButKeepsOldResults()
{
    WorkDir dir;
    writeFile("ANN.hst", "old#1#50#00:00:10\r\n");
    writeFile("ANN.hst.1", "older#1#25#00:00:10\r\n");
    QVERIFY(CreateHistory("ANN").ok);
    QCOMPARE(readFile("ANN.hst"), QByteArray());
    QCOMPARE(readFile("ANN.hst.1"), QByteArray("older#1#25#00:00:10\r\n"));
    QCOMPARE(readFile("ANN.hst.2"), QByteArray("old#1#50#00:00:10\r\n"));
}

void tst_History::createLeavesAnEmptyFileAlone()
{
    WorkDir dir;
    writeFile("ANN.hst", "");
    QVERIFY(CreateHistory("ANN").ok);
    QCOMPARE(QDir().entryList(QDir::Files), QStringList {"ANN.hst"});
}

void tst_History::unsafeNamesWriteNothing_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("parent") << QByteArray("../x");
    QTest::newRow("absolute") << QByteArray("/tmp/x");
    QTest::newRow("backslash") << QByteArray("a\\b");
    QTest::newRow("NUL") << QByteArray("a\0b", 3);
    QTest::newRow("dot") << QByteArray(".");
    QTest::newRow("dot dot") << QByteArray("..");
}

void tst_History::unsafeNamesWriteNothing()
{
    QFETCH(QByteArray, name);
    WorkDir dir;
    QVERIFY(QDir().mkdir("sub"));
    QDir::setCurrent("sub");
    const FileResult created = CreateHistory(name);
    const FileResult appended = AppendResult(name, {"1/1/2026", "1", "0", "00:00:00"});
    QDir::setCurrent("..");
    QVERIFY(!created.ok);
    QVERIFY(!appended.ok);
    QVERIFY(!created.message.isEmpty());
    QCOMPARE(QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList {"sub"});
    QCOMPARE(QDir("sub").entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList {});
}

void tst_History::readingSkipsMalformedLines()
{
    WorkDir dir;
    writeFile("ZOE.hst", "a#1#6#00:00:01\r\nbroken#line\r\n\r\nb#2#81#00:00:02\rc#3#100#00:00:03");
    const auto records = history::readRecords("ZOE.hst");
    QCOMPARE(records.size(), 3);
    QCOMPARE(records.at(0).Date, QByteArray("a"));
    QCOMPARE(records.at(1).Date, QByteArray("b"));
    QCOMPARE(records.at(2).Speed, QByteArray("00:00:03"));
    QVERIFY(history::readRecords("NOBODY.hst").isEmpty());
}

QTEST_GUILESS_MAIN(tst_History)
#include "tst_history.moc"
