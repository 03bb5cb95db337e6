#include "records/roster.h"
#include "records/studentlist.h"
#include "support/testsupport.h"

#include <QFile>
#include <QTest>

using namespace testsupport;

class tst_Roster : public QObject
{
    Q_OBJECT
private slots:
    void missingRosterStartsEmptyAndFirstAddWritesOneLine();
    void handWrittenOrderIsListedAndSavedSorted();
    void readsEveryKindOfLineEnd_data();
    void readsEveryKindOfLineEnd();
    void bytesComeBackUnchanged();
    void newNamesTakeTheirSortedPlace();
    void duplicateTestIsExactAndCaseSensitive();
    void longNamesAreShownCutShortButKeptWhole();
    void deletingTheLastStudentLeavesAnEmptyFile();
    void failedSaveKeepsTheOldFile();
    void rosterThatIsADirectoryIsReportedNotClobbered();
};

static QList<QByteArray> namesOf(const StudentList &list)
{
    return list.names();
}

void tst_Roster::missingRosterStartsEmptyAndFirstAddWritesOneLine()
{
    WorkDir dir;
    StudentList list;
    LoadRoster(list);
    QCOMPARE(list.size(), 0);
    list.insertSorted("ANN");
    QVERIFY(SaveRoster(list).ok);
    QCOMPARE(readFile("sumroll.ini"), QByteArray("ANN\r\n"));
}

void tst_Roster::handWrittenOrderIsListedAndSavedSorted()
{
    WorkDir dir;
    writeFile("sumroll.ini", "ZOE\r\nANN\r\nBEN\r\n");
    StudentList list;
    LoadRoster(list);
    QCOMPARE(namesOf(list), (QList<QByteArray> {"ANN", "BEN", "ZOE"}));
    QCOMPARE(list.data(list.index(2)).toString(), QStringLiteral("ZOE"));
    QVERIFY(SaveRoster(list).ok);
    QCOMPARE(readFile("sumroll.ini"), QByteArray("ANN\r\nBEN\r\nZOE\r\n"));
}

void tst_Roster::readsEveryKindOfLineEnd_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QList<QByteArray>>("names");
    QTest::newRow("empty file") << QByteArray() << QList<QByteArray> {};
    QTest::newRow("CR LF") << QByteArray("ANN\r\nBEN\r\n") << QList<QByteArray> {"ANN", "BEN"};
    QTest::newRow("no end on last line")
        << QByteArray("ANN\r\nBEN") << QList<QByteArray> {"ANN", "BEN"};
    QTest::newRow("lone CR") << QByteArray("ANN\rBEN\r") << QList<QByteArray> {"ANN", "BEN"};
    QTest::newRow("lone LF") << QByteArray("ANN\nBEN\n") << QList<QByteArray> {"ANN", "BEN"};
    QTest::newRow("blank line kept")
        << QByteArray("ANN\r\n\r\nBEN\r\n") << QList<QByteArray> {"", "ANN", "BEN"};
    QTest::newRow("names with blanks")
        << QByteArray("ANN LEE\r\n  BO \r\n") << QList<QByteArray> {"  BO ", "ANN LEE"};
}

void tst_Roster::readsEveryKindOfLineEnd()
{
    QFETCH(QByteArray, content);
    QFETCH(QList<QByteArray>, names);
    WorkDir dir;
    writeFile("sumroll.ini", content);
    StudentList list;
    LoadRoster(list);
    QCOMPARE(namesOf(list), names);
}

void tst_Roster::bytesComeBackUnchanged()
{
    WorkDir dir;
    QByteArray all;
    for (int b = 1; b < 256; ++b) {
        if (b != '\r' && b != '\n') {
            all += char(b);
        }
    }
    const QByteArray content = "ANN\r\n" + all + "\r\nZo\xC3\xAB\r\n";
    writeFile("sumroll.ini", content);
    StudentList list;
    LoadRoster(list);
    QVERIFY(SaveRoster(list).ok);
    QCOMPARE(readFile("sumroll.ini").size(), content.size());
    const QList<QByteArray> names = list.names();
    QCOMPARE(QSet<QByteArray>(names.cbegin(), names.cend()),
             (QSet<QByteArray> {"ANN", all, "Zo\xC3\xAB"}));
    QCOMPARE(list.displayNameAt(int(names.indexOf("Zo\xC3\xAB"))), QStringLiteral("Zo\u00eb"));
    QCOMPARE(list.displayNameAt(int(names.indexOf(all))), QString::fromLatin1(all));
}

void tst_Roster::newNamesTakeTheirSortedPlace()
{
    StudentList list;
    list.setNames({"ben", "ZOE"});
    QCOMPARE(list.insertSorted("ANN"), 0);
    QCOMPARE(list.insertSorted("CAT"), 2);
    QCOMPARE(list.insertSorted("zed"), 3);
    QCOMPARE(list.insertSorted("zoe"), 5);
    QCOMPARE(namesOf(list), (QList<QByteArray> {"ANN", "ben", "CAT", "zed", "ZOE", "zoe"}));
}

void tst_Roster::duplicateTestIsExactAndCaseSensitive()
{
    StudentList list;
    list.setNames({"ann", "BEN "});
    QVERIFY(!list.contains("ANN"));
    QVERIFY(!list.contains("BEN"));
    QVERIFY(list.contains("ann"));
    QVERIFY(list.contains("BEN "));
}

void tst_Roster::longNamesAreShownCutShortButKeptWhole()
{
    const QByteArray name = QByteArray(255, 'A') + "\xC3\xAB" + QByteArray(1000, 'B');
    const QString shown = StudentList::displayName(name);
    QCOMPARE(shown, QString(255, QLatin1Char('A')) + QChar(0x2026));
    StudentList list;
    list.setNames({name});
    QCOMPARE(list.nameAt(0), name);
    QCOMPARE(StudentList::displayName(QByteArray(256, 'C')), QString(256, QLatin1Char('C')));
}

void tst_Roster::deletingTheLastStudentLeavesAnEmptyFile()
{
    WorkDir dir;
    writeFile("sumroll.ini", "ANN\r\n");
    StudentList list;
    LoadRoster(list);
    list.removeAt(0);
    QVERIFY(SaveRoster(list).ok);
    QVERIFY(QFile::exists("sumroll.ini"));
    QCOMPARE(readFile("sumroll.ini"), QByteArray());
}

void tst_Roster::failedSaveKeepsTheOldFile()
{
    WorkDir dir;
    writeFile("sumroll.ini", "ANN\r\n");
    StudentList list;
    LoadRoster(list);
    list.insertSorted(QByteArray(4096, 'B'));
    FileResult result;
    {
        FileSizeLimit limit(1024);
        result = SaveRoster(list);
    }
    QVERIFY(!result.ok);
    QVERIFY2(result.message.contains("sumroll.ini"), qPrintable(result.message));
    QCOMPARE(readFile("sumroll.ini"), QByteArray("ANN\r\n"));
    QCOMPARE(QDir().entryList(QDir::Files), QStringList {"sumroll.ini"});
}

void tst_Roster::rosterThatIsADirectoryIsReportedNotClobbered()
{
    WorkDir dir;
    QVERIFY(QDir().mkdir("sumroll.ini"));
    StudentList list;
    LoadRoster(list);
    QCOMPARE(list.size(), 0);
    list.insertSorted("ANN");
    const FileResult result = SaveRoster(list);
    QVERIFY(!result.ok);
    QVERIFY(QFileInfo("sumroll.ini").isDir());
}

QTEST_GUILESS_MAIN(tst_Roster)
#include "tst_roster.moc"
