// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/records/history.h"
#include "core/records/roster.h"
#include "core/records/studentlist.h"
#include "support/testfiles.h"

#include <QTest>

#include <optional>

using namespace testsupport;

// The roster and history files: what is read from any such file, what is written, byte for
// byte, and the years of the history's dates.
class tst_records : public QObject
{
    Q_OBJECT
    std::optional<WorkDir> m_dir;
    const HistoryRecord m_record {"1/3/2026 3:04:05 PM", "2", "75", "00:02:00"};
    const QByteArray m_line = "1/3/2026 3:04:05 PM#2#75#00:02:00\r\n";
private slots:
    void init() { m_dir.emplace(); }

    void rosterIsReadWithAnyLineEndAndSavedSortedWithCrLf()
    {
        const auto saved = [](const QByteArray &content) {
            writeFile("sumroll.ini", content);
            StudentList list;
            roster::loadInto(list);
            return roster::writeNames(roster::FileName, list.names()).ok ? readFile("sumroll.ini")
                                                                         : "not saved";
        };
        QByteArray all; // every byte but the line ends
        for (char b = 1; b != 0; ++b) {
            all += b == '\r' || b == '\n' ? QByteArray() : QByteArray(1, b);
        }
        QCOMPARE(saved("ZOE\r\nann\r\nBEN"), "ann\r\nBEN\r\nZOE\r\n"); // sorted by any case
        QCOMPARE(saved("ANN\rBEN\nCAT\r"), "ANN\r\nBEN\r\nCAT\r\n"); // lone CR, lone LF
        QCOMPARE(saved("ANN LEE\r\n\r\n  BO \r\n"), "  BO \r\nANN LEE\r\n"); // blanks kept
        QCOMPARE(saved("\r\nANN\n\nBEN\r\r\r\n"), "ANN\r\nBEN\r\n"); // empty lines name no one
        QCOMPARE(saved("\r\n\n\r"), QByteArray());
        QCOMPARE(saved("Zo\xC3\xAB\r\n" + all + "\r\n"), all + "\r\nZo\xC3\xAB\r\n");
    }

    void namesAreInsertedSortedShownAndMatchedExactly()
    {
        StudentList list;
        list.setNames({"ben", "ZOE"});
        QCOMPARE(list.insertSorted("ANN"), 0);
        QCOMPARE(list.insertSorted("zoe"), 3); // after the name it equals but for case
        QCOMPARE(list.names(), (QByteArrayList {"ANN", "ben", "ZOE", "zoe"}));
        QVERIFY(list.contains("ben") && !list.contains("BEN") && !list.contains("ben "));
        // As UTF-8 where the bytes are UTF-8, else byte by byte; cut short when too long.
        const QByteArray longName = QByteArray(255, 'A') + "\xC3\xAB" + QByteArray(1000, 'B');
        list.setNames({"Zo\xC3\xAB", "\xFF\xFE", longName, QByteArray(256, 'C')});
        QCOMPARE(list.displayNameAt(0), QString(255, 'A') + QChar(0x2026));
        QCOMPARE(list.nameAt(0), longName);
        QCOMPARE(list.displayNameAt(1), QString(256, 'C'));
        QCOMPARE(list.displayNameAt(2), QStringLiteral("Zo\u00eb"));
        QCOMPARE(list.displayNameAt(3), QStringLiteral("\u00ff\u00fe"));
    }

    // A year of one or two digits, as other programs write it, is this century's; of three,
    // no year.
    void shortYearsAreThisCenturys()
    {
        QCOMPARE(history::parseDate("12/5/9 1:23:45 PM"),
                 QDateTime(QDate(2009, 12, 5), QTime(13, 23, 45)));
        QCOMPARE(history::parseDate("12/5/26"), QDateTime(QDate(2026, 12, 5), QTime(0, 0)));
        QVERIFY(!history::parseDate("12/5/026"));
    }

    void historyLinesAreRecordsOfFourFields()
    {
        QCOMPARE(history::parseRecord("d#1#2#3#4"),
                 std::optional(HistoryRecord {"d", "1", "2", "3#4"}));
        QVERIFY(!history::parseRecord("d#1#2"));
        QCOMPARE(history::formatRecord(m_record) + "\r\n", m_line);
        writeFile("ZOE.hst",
                  "a#1#6#00:00:01\r\nbroken#line\r\n\r\nb#2#81#00:00:02\rc#3#100#00:00:03");
        const QList<HistoryRecord> records = history::readRecords("ZOE.hst");
        QCOMPARE(records.size(), 3);
        QCOMPARE(records.at(2), (HistoryRecord {"c", "3", "100", "00:00:03"}));
    }

    // A last line left open, by hand or by junk, would take the record into itself.
    void appendStartsANewLineOnlyWhereNeeded()
    {
        for (const auto &[before, newLine] : {std::pair {QByteArray(), false},
                                              {"x#1#2#3\r", false},
                                              {"x#1#2#3\n", false},
                                              {"x#1#2#3", true}}) {
            QVERIFY(!QFile::exists("BEN LEE.hst") || QFile::remove("BEN LEE.hst"));
            before.isNull() ? void() : writeFile("BEN LEE.hst", before);
            QVERIFY(history::append("BEN LEE", m_record).ok);
            QCOMPARE(readFile("BEN LEE.hst"), before + (newLine ? "\r\n" : "") + m_line);
        }
    }

    void unsafeNameWritesNothing()
    {
        QVERIFY(QDir().mkdir("sub") && QDir::setCurrent("sub"));
        const FileResult created = history::create("../x");
        QVERIFY(!created.ok && !created.message.isEmpty() && !history::append("../x", m_record).ok);
        QVERIFY(QDir::setCurrent(".."));
        QCOMPARE(snapshot(), (Files {{"sub/", ""}}));
    }
};

QTEST_GUILESS_MAIN(tst_records)
#include "tst_records.moc"
