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
// byte, and the dates of the history.
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

    // Written in one form, whatever the locale; read in the forms other programs write too.
    void datesAreWrittenInOneFormAndReadInSeveral()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const auto on = [](int year, int h, int m, int s = 0) {
            return QDateTime(QDate(year, 12, 5), QTime(h, m, s));
        };
        for (const auto &[text, when, written] :
             {std::tuple {"12/5/2026 1:23:45 PM", on(2026, 13, 23, 45), true},
              {"12/5/2026 12:00:00 PM", on(2026, 12, 0), true},
              {"12/5/2026 12:00:01 AM", on(2026, 0, 0, 1), true},
              {"12/5/2026", on(2026, 0, 0), true},
              {"12/5/0026", on(26, 0, 0), true},
              {"12/5/2026 13:23:45", on(2026, 13, 23, 45), false},
              {"12/05/2026 07:08", on(2026, 7, 8), false},
              {"12/5/9 1:23:45 PM", on(2009, 13, 23, 45), false}}) { // a short year: this century's
            QVERIFY2(!written || history::formatDate(when) == text, text);
            QVERIFY2(history::parseDate(text) == when, text);
        }
        for (const char *refused : {"yesterday", "2/30/2026", "1/1/2026 13:00:00 PM",
                                    "1/1/2026 10:60", "12/5/026", "12/5/", "12/5/20260"}) {
            QVERIFY2(!history::parseDate(refused), refused);
        }
        QLocale::setDefault(QLocale::c());
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

    void unsafeNamesWriteNothing()
    {
        QVERIFY(QDir().mkdir("sub") && QDir::setCurrent("sub"));
        for (const QByteArray &name : {QByteArray("../x"), QByteArray("a\\b"),
                                       QByteArray("a\0b", 3), QByteArray("."), QByteArray("..")}) {
            const FileResult created = history::create(name);
            QVERIFY(!created.ok && !created.message.isEmpty()
                    && !history::append(name, m_record).ok);
        }
        QVERIFY(QDir::setCurrent(".."));
        QCOMPARE(snapshot(), (Files {{"sub/", ""}}));
    }
};

QTEST_GUILESS_MAIN(tst_records)
#include "tst_records.moc"
