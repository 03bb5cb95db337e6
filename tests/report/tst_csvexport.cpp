// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/report/csvexport.h"

#include <QtTest>

// The file as a whole, and a write that fails, are proven through the report window.
class tst_csvexport : public QObject
{
    Q_OBJECT
private slots:
    void separatorAndQuotesAreQuoted()
    {
        QCOMPARE(csvexport::row({"1, 2 \"3\"", "2", "6", "00:04:00#a,b"}, "ANN"),
                 QByteArray("\"1, 2 \"\"3\"\"\",2,6,\"00:04:00#a,b\",ANN\r\n"));
        QCOMPARE(csvexport::row({"12/5/2026 1:23:45 PM", "3", "81", "00:03:27"}, "O'Neil, Sean"),
                 QByteArray("2026-12-05T13:23:45,3,81,00:03:27,\"O'Neil, Sean\"\r\n"));
    }

    // A field a spreadsheet would run as a formula keeps its text behind an apostrophe, in
    // whichever column it stands; every other field is written as before.
    void formulasAreWrittenAsText()
    {
        QCOMPARE(csvexport::row({"=1+2", "+1", "-1", "@SUM(A1)"}, "\t=1"),
                 QByteArray("'=1+2,'+1,'-1,'@SUM(A1),'\t=1\r\n"));
        QCOMPARE(
            csvexport::row({"\r=1", "=HYPERLINK(\"http://x\",\"a\")", "00:0-1=2", "'=1"}, " =1"),
            QByteArray("\"'\r=1\",\"'=HYPERLINK(\"\"http://x\"\",\"\"a\"\")\",00:0-1=2,'=1, "
                       "=1\r\n"));
        QCOMPARE(csvexport::row({"\n=1", "", "", ""}, ""), QByteArray("\"\n=1\",,,,\r\n"));
    }

    // Whatever the roster's line holds, the export offers one plain file name that stays in the
    // working folder, that common systems allow, and that is cut by bytes between characters.
    void plainFileNameOffered()
    {
        QCOMPARE(csvexport::fileNameFor("ANN LEE"), "ANN LEE.csv");
        QCOMPARE(csvexport::fileNameFor("../x/a\\b:c*d?e\"f<g>h|i"), ".._x_a_b_c_d_e_f_g_h_i.csv");
        QCOMPARE(csvexport::fileNameFor("a\tb\x01\x7f\xc2\x85"), "a_b___.csv");
        QCOMPARE(csvexport::fileNameFor(QByteArray("\xc3\xab").repeated(200)),
                 QString(125, QChar(0xeb)) + ".csv");
    }

    // The class overview: the means and their trends in columns of their own; a student with
    // no sheet has empty cells; a name is protected as any field is.
    void classTable()
    {
        classoverview::StudentSummary ann;
        ann.student = "ANN";
        ann.sheetsLastWeek = 2;
        ann.sheetsLast30Days = 5;
        ann.lastSheet = QDate(2026, 12, 6);
        ann.lastLevel = 2;
        ann.lastScore = 94;
        ann.weakFacts = 4;
        ann.levels[1] = classoverview::LevelMean {87.5, classoverview::Trend::Up};
        ann.levels[5] = classoverview::LevelMean {40, std::nullopt};
        classoverview::StudentSummary bob;
        bob.student = "=BOB";
        QCOMPARE(csvexport::classTable({ann, bob}),
                 "student,sheets last 7 days,sheets last 30 days,last sheet,last level,last score,"
                 "level 1 mean,level 1 trend,level 2 mean,level 2 trend,level 3 mean,level 3 trend,"
                 "level 4 mean,level 4 trend,level 5 mean,level 5 trend,level 6 mean,level 6 trend,"
                 "weak facts\r\n"
                 "ANN,2,5,2026-12-06,2,94,,,87.5,up,,,,,,,40.0,,4\r\n"
                 "'=BOB,0,0,,,,,,,,,,,,,,,,0\r\n");
    }
};

QTEST_GUILESS_MAIN(tst_csvexport)
#include "tst_csvexport.moc"
