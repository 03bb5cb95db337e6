// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/records/answerlog.h"
#include "core/records/filelock.h"
#include "support/testfiles.h"

#include <QTest>
#include <QThread>

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
                                 bool right, qint64 ms)
    {
        const bool review = kind[0] == 'R';
        return {{QDate(2026, 12, 7), QTime(9, 5, 3)},
                kind[review] - '0',
                review,
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
    static QByteArray at(const char *rest) { return "12/7/2026 9:05:03 AM#" + QByteArray(rest); }

private slots:
    void init() { m_dir.emplace(); }

    // Beyond the sheet's own lines: the answer as typed less its blanks, or none where it is
    // no number of digits alone; the time clamped. Each reads back as itself.
    void lineFormat()
    {
        for (const auto &[record, line] :
             {std::pair {question("6", 5, 9999, " 007 ", true, 40), at("6#5#9999#007#right#40")},
              {question("3", 5, 2, "-7", false, 40), at("3#5#2##wrong#40")},
              {question("R4", 1, 2, "3", true, 1'000'000'000'000),
               at("R4#1#2#3#right#999999999")}}) {
            QCOMPARE(answerlog::formatRecord(record), line);
            QCOMPARE(
                answerlog::formatRecord(answerlog::parseRecord(line).value_or(AnswerRecord {})),
                line);
        }
    }

    // A checked sheet: its result line, then its answers, byte for byte, which read back as
    // they were; none when the result is refused.
    void sheetIsAppendedWholeAndReadBack()
    {
        QCOMPARE(answerlog::readRecords("ANN.ans").error, QString()); // none yet
        const HistoryRecord result {"12/7/2026 9:05:03 AM", "2", "81", "00:03:27"};
        QVERIFY(answerlog::appendSheet("ANN", result, m_sheet).ok);
        QVERIFY(answerlog::append("ANN", m_sheet.first(1)).ok && answerlog::append("ANN", {}).ok);
        QCOMPARE(snapshot(),
                 (Files {{"ANN.hst", "12/7/2026 9:05:03 AM#2#81#00:03:27\r\n"},
                         {"ANN.ans", m_sheetBytes + m_firstLine}}));
        const answerlog::Read read = answerlog::readRecords("ANN.ans");
        QCOMPARE(read.records, m_sheet + m_sheet.first(1));
        QVERIFY(read.skipped == 0 && read.error.isEmpty());
        QVERIFY(QDir().mkdir("BEN.hst") && QDir().mkdir("CAT.ans"));
        const FileResult refused = answerlog::appendSheet("BEN", result, m_sheet);
        QVERIFY(!refused.ok && refused.message.contains("BEN.hst") && !QFile::exists("BEN.ans"));
        QVERIFY(answerlog::readRecords("CAT.ans").error.contains("\"CAT.ans\""));
    }

    // One line for each field's rule (the fuzz target answerLine holds that no other line
    // reads back), each skipped and counted between good lines, with each kind of line end
    // and an empty line that is no loss.
    void badLinesAreSkippedAndCounted()
    {
        const QByteArrayList bad = {
            at("2#47#85#122#wrong"), // six fields
            at("2#47#85#122#wrong#5300#1"), // eight
            at("7#47#85#122#wrong#5300"),
            at("R0#47#85#122#wrong#5300"),
            at("2#4a#85#122#wrong#5300"),
            at("2#047#85#122#wrong#5300"), // a leading zero
            at("2#47#85#12a#wrong#5300"),
            at("2#47#85#122#maybe#5300"),
            at("2#47#85#122#wrong#1000000000"), // ten digits
            "yesterday#2#47#85#122#wrong#5300",
            at("2#47#85#122#wrong#5300").append(300, ' '), // over-long
        };
        for (const QByteArray &line : bad) {
            QVERIFY2(!answerlog::parseRecord(line), line.constData());
        }
        writeFile("ANN.ans",
                  m_sheetBytes + bad.join('\n') + "\n\r\n" + m_good + "\r" + bad.join("\r\n"));
        const answerlog::Read read = answerlog::readRecords("ANN.ans");
        QCOMPARE(read.records, m_sheet + QList {*answerlog::parseRecord(m_good)});
        QCOMPARE(read.skipped, 2 * bad.size());
        QVERIFY(read.error.isEmpty());
    }

    // Handed one by one and not kept; from the file's end, a line cut by where that starts
    // is left out, not counted.
    void recordsAreHandedOneByOne()
    {
        writeFile("ANN.ans", m_sheetBytes + "junk\r\n" + m_good + "\r\n");
        QList<AnswerRecord> handed;
        const answerlog::Read read = answerlog::forEachRecord(
            "ANN.ans", [&handed](const AnswerRecord &r) { handed.append(r); },
            m_good.size() + 2 + 6 + 20); // from inside the sheet's last line
        QCOMPARE(handed, QList {*answerlog::parseRecord(m_good)});
        QVERIFY(read.records.isEmpty() && read.skipped == 1);
    }

    // However far the write gets before the disk is full, no part of the sheet stays.
    void aFailedAppendLeavesTheFileAsItWas()
    {
        const QByteArray before = m_good + "\r\n";
        writeFile("ANN.ans", before);
        FileResult appended = FileResult::success();
        {
            FileSizeLimit limit(before.size() + m_sheetBytes.size() - 1);
            appended = answerlog::append("ANN", m_sheet);
        }
        QVERIFY2(!appended.ok && appended.fileName == "ANN.ans", qPrintable(appended.message));
        QCOMPARE(snapshot(), (Files {{"ANN.ans", before}}));
    }

    // Another program's change under the lock comes whole before the sheet, not inside it.
    // A student's answers are changed under the lock of the student's history.
    void appendWaitsForTheLock()
    {
        const QByteArray other = m_good + "\r\n";
        auto held = std::make_optional<FileLock>("ANN.hst");
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

    // Under the next free number; a student without answers gets no file.
    void startingAnewKeepsAnEarlierFileAside()
    {
        writeFile("ANN.ans", m_sheetBytes);
        writeFile("ANN.ans.1", "earlier");
        QVERIFY(answerlog::startAnew("ANN").ok && answerlog::startAnew("CAT").ok);
        QCOMPARE(snapshot(), (Files {{"ANN.ans.1", "earlier"}, {"ANN.ans.2", m_sheetBytes}}));
    }
};

QTEST_GUILESS_MAIN(tst_answerlog)
#include "tst_answerlog.moc"
