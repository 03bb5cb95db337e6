// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/records/answerlog.h"
#include "core/records/filelock.h"
#include "support/testfiles.h"

#include <QTest>
#include <QThread>

#include <cstring>
#include <limits>
#include <optional>
#include <thread>

using namespace testsupport;

// The record of answers: each question's line byte for byte, what the reader keeps and
// counts as skipped, and appends that are whole or leave the file as it was.
class tst_answerlog : public QObject
{
    Q_OBJECT
    std::optional<WorkDir> m_dir;

    static AnswerRecord question(const char *kind, int first, int second, const QByteArray &answer,
                                 bool right, qint64 ms, QTime at = QTime(9, 5, 3))
    {
        return AnswerRecord {{QDate(2026, 12, 7), at},
                             kind[std::strlen(kind) - 1] - '0',
                             kind[0] == 'R',
                             first,
                             second,
                             answer,
                             right,
                             ms};
    }
    // A sheet of three: a wrong answer, a blank box and a review question.
    const QList<AnswerRecord> m_sheet {question("2", 47, 85, "122", false, 5300),
                                       question("2", 9, 9, "", false, 800),
                                       question("R1", 3, 4, "7", true, 1250)};
    const QByteArray m_sheetBytes = "12/7/2026 9:05:03 AM#2#47#85#122#wrong#5300\r\n"
                                    "12/7/2026 9:05:03 AM#2#9#9##wrong#800\r\n"
                                    "12/7/2026 9:05:03 AM#R1#3#4#7#right#1250\r\n";
    const QByteArray m_firstLine = m_sheetBytes.first(m_sheetBytes.indexOf('\n') + 1);
    const QByteArray m_good = "1/2/2026 3:04:05 PM#6#1234#8765#9999#right#61000";

private slots:
    void init() { m_dir.emplace(); }

    void lineFormat_data()
    {
        QTest::addColumn<AnswerRecord>("record");
        QTest::addColumn<QByteArray>("line");
        // Built rows are QByteArray, not the concatenation's builder type.
        const auto at = [](const char *rest) { return "12/7/2026 9:05:03 AM#" + QByteArray(rest); };
        QTest::newRow("levelled") << question("2", 47, 85, "122", false, 5300)
                                  << at("2#47#85#122#wrong#5300");
        QTest::newRow("review") << question("R6", 9999, 0, "9999", true, 0)
                                << at("R6#9999#0#9999#right#0");
        QTest::newRow("blank") << question("1", 0, 0, "", false, 1) << at("1#0#0##wrong#1");
        QTest::newRow("as typed, blanks dropped")
            << question("3", 5, 2, " 007 ", true, 40) << at("3#5#2#007#right#40");
        QTest::newRow("a sign is no number")
            << question("3", 5, 2, "-7", false, 40) << at("3#5#2##wrong#40");
        QTest::newRow("ms clamped above")
            << question("4", 1, 2, "3", true, 1'000'000'000'000) << at("4#1#2#3#right#999999999");
        QTest::newRow("midnight") << question("5", 1, 2, "3", true, 7, QTime(0, 0))
                                  << QByteArray("12/7/2026#5#1#2#3#right#7");
    }
    void lineFormat()
    {
        QFETCH(AnswerRecord, record);
        QFETCH(QByteArray, line);
        QCOMPARE(answerlog::formatRecord(record), line);
        const std::optional<AnswerRecord> read = answerlog::parseRecord(line);
        QVERIFY(read);
        QCOMPARE(answerlog::formatRecord(*read), line);
    }

    void sheetIsAppendedWholeAndReadBack()
    {
        QVERIFY(answerlog::append("ANN LEE", m_sheet).ok);
        QCOMPARE(readFile("ANN LEE.ans"), m_sheetBytes);
        QVERIFY(answerlog::append("ANN LEE", m_sheet.first(1)).ok);
        QVERIFY(answerlog::append("ANN LEE", {}).ok);
        QCOMPARE(snapshot(), (Files {{"ANN LEE.ans", m_sheetBytes + m_firstLine}}));
        const answerlog::Read read = answerlog::readRecords("ANN LEE.ans");
        QCOMPARE(read.records, m_sheet + m_sheet.first(1));
        QCOMPARE(read.skipped, 0);
        QVERIFY(read.error.isEmpty());
    }

    // One row for each field's rules; the fuzz target (answerLine) holds that no other line
    // reads back.
    void badLinesAreSkippedAndCounted_data()
    {
        QTest::addColumn<QByteArray>("line");
        // Built rows are QByteArray, not the concatenation's builder type.
        const auto at = [](const char *rest) { return "12/7/2026 9:05:03 AM#" + QByteArray(rest); };
        QTest::newRow("six fields") << at("2#47#85#122#wrong");
        QTest::newRow("eight fields") << at("2#47#85#122#wrong#5300#1");
        QTest::newRow("kind 7") << at("7#47#85#122#wrong#5300");
        QTest::newRow("kind R0") << at("R0#47#85#122#wrong#5300");
        QTest::newRow("operand with letters") << at("2#4a#85#122#wrong#5300");
        QTest::newRow("operand with a leading zero") << at("2#047#85#122#wrong#5300");
        QTest::newRow("answer with a letter") << at("2#47#85#12a#wrong#5300");
        QTest::newRow("result maybe") << at("2#47#85#122#maybe#5300");
        QTest::newRow("ms of ten digits") << at("2#47#85#122#wrong#1000000000");
        QTest::newRow("no date") << QByteArray("yesterday#2#47#85#122#wrong#5300");
        QTest::newRow("over-long") << at("2#47#85#122#wrong#5300").append(300, ' ');
    }
    void badLinesAreSkippedAndCounted()
    {
        QFETCH(QByteArray, line);
        QVERIFY(!answerlog::parseRecord(line));
        // Between good lines, with each kind of line end and an empty line that is no loss.
        writeFile("ANN.ans", m_sheetBytes + line + "\n\r\n" + m_good + "\r" + line);
        const answerlog::Read read = answerlog::readRecords("ANN.ans");
        QCOMPARE(read.records, m_sheet + QList {*answerlog::parseRecord(m_good)});
        QCOMPARE(read.skipped, 2);
        QVERIFY(read.error.isEmpty());
    }

    // Handed one by one and not kept, from the whole file or its end; a line cut by the
    // start of the end is left out, not counted.
    void recordsAreHandedOneByOne_data()
    {
        QTest::addColumn<qint64>("lastBytes");
        QTest::addColumn<int>("fromSheet");
        QTest::addColumn<qint64>("skipped");
        QTest::newRow("whole") << std::numeric_limits<qint64>::max() << 0 << qint64(1);
        QTest::newRow("end, in the junk") << qint64(m_good.size() + 2 + 4) << 3 << qint64(0);
        QTest::newRow("end, in the sheet") << qint64(m_good.size() + 2 + 6 + 20) << 3 << qint64(1);
    }
    void recordsAreHandedOneByOne()
    {
        QFETCH(qint64, lastBytes);
        QFETCH(int, fromSheet);
        QFETCH(qint64, skipped);
        writeFile("ANN.ans", m_sheetBytes + "junk\r\n" + m_good + "\r\n");
        QList<AnswerRecord> handed;
        const answerlog::Read read = answerlog::forEachRecord(
            "ANN.ans", [&handed](const AnswerRecord &r) { handed.append(r); }, lastBytes);
        QCOMPARE(handed, m_sheet.mid(fromSheet) + QList {*answerlog::parseRecord(m_good)});
        QVERIFY(read.records.isEmpty());
        QCOMPARE(read.skipped, skipped);
        QVERIFY(read.error.isEmpty());
    }

    void aMissingFileHasNoRecordsAndAFolderCannotBeRead()
    {
        const answerlog::Read missing = answerlog::readRecords("NOBODY.ans");
        QVERIFY(missing.records.isEmpty() && missing.skipped == 0 && missing.error.isEmpty());
        QVERIFY(QDir().mkdir("ANN.ans"));
        const answerlog::Read folder = answerlog::readRecords("ANN.ans");
        QVERIFY2(folder.records.isEmpty() && folder.error.contains("\"ANN.ans\""),
                 qPrintable(folder.error));
    }

    // However far the write gets before the disk is full, no part of the sheet stays.
    void aFailedAppendLeavesTheFileAsItWas_data()
    {
        QTest::addColumn<int>("room"); // bytes the limit leaves for the new lines
        QTest::newRow("none") << 0;
        QTest::newRow("all but the last byte") << int(m_sheetBytes.size() - 1);
    }
    void aFailedAppendLeavesTheFileAsItWas()
    {
        QFETCH(int, room);
        const QByteArray before = m_good + "\r\n";
        writeFile("ANN.ans", before);
        std::optional<FileSizeLimit> limit(before.size() + room);
        const FileResult appended = answerlog::append("ANN", m_sheet);
        limit.reset();
        QVERIFY(!appended.ok);
        QCOMPARE(appended.fileName, QStringLiteral("ANN.ans"));
        QCOMPARE(appended.reason, QString::fromLocal8Bit(strerror(EFBIG)));
        QCOMPARE(snapshot(), (Files {{"ANN.ans", before}}));
    }

    // Another program's change under the lock comes whole before the sheet, not inside it.
    // A student's answers are changed under the lock of the student's history.
    void appendWaitsForTheLock()
    {
        const QByteArray other = m_good + "\r\n";
        std::optional<FileLock> held;
        held.emplace("ANN.hst");
        QVERIFY(held->lock().ok && held->held());
        FileResult appended = FileResult::failure("not run");
        std::thread sheet([&] { appended = answerlog::append("ANN", m_sheet); });
        QThread::msleep(300);
        writeFile("ANN.ans", other);
        held.reset();
        sheet.join();
        QVERIFY2(appended.ok, qPrintable(appended.message));
        QCOMPARE(readFile("ANN.ans"), other + m_sheetBytes);
    }

    // A checked sheet: its result line, then its answers; none when the result is refused.
    void aSheetGoesToBothFiles()
    {
        const HistoryRecord result {"12/7/2026 9:05:03 AM", "2", "81", "00:03:27"};
        QVERIFY(answerlog::appendSheet("ANN", result, m_sheet).ok);
        QCOMPARE(readFile("ANN.hst"), "12/7/2026 9:05:03 AM#2#81#00:03:27\r\n");
        QCOMPARE(readFile("ANN.ans"), m_sheetBytes);
        QVERIFY(QDir().mkdir("BEN.hst")); // a folder where the history would be
        const FileResult refused = answerlog::appendSheet("BEN", result, m_sheet);
        QVERIFY(!refused.ok && refused.message.contains("BEN.hst"));
        QVERIFY(!QFile::exists("BEN.ans"));
    }

    void startingAnewKeepsAnEarlierFileAside()
    {
        writeFile("ANN.ans", m_sheetBytes);
        writeFile("ANN.hst", "h\r\n");
        writeFile("BEN.ans", "");
        QVERIFY(answerlog::startAnew("ANN").ok && answerlog::startAnew("BEN").ok
                && answerlog::startAnew("CAT").ok);
        QVERIFY(answerlog::append("ANN", m_sheet.first(1)).ok && answerlog::startAnew("ANN").ok);
        QCOMPARE(snapshot(),
                 (Files {{"ANN.ans.1", m_sheetBytes},
                         {"ANN.ans.2", m_firstLine},
                         {"ANN.hst", "h\r\n"},
                         {"BEN.ans", ""}}));
    }
};

QTEST_GUILESS_MAIN(tst_answerlog)
#include "tst_answerlog.moc"
