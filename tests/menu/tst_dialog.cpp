#include "menu/dialog.h"
#include "records/studentlist.h"
#include "support/testsupport.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace testsupport;

class tst_Dialog : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void opensWithTheFocusOnOk();
    void typingIsKeptToCapitalsAndBlanks_data();
    void typingIsKeptToCapitalsAndBlanks();
    void refusedCharacterInTheMiddleKeepsTheCaretAfterIt();
    void pasteIsTakenWholeOrNotAtAll_data();
    void pasteIsTakenWholeOrNotAtAll();
    void okTrimsAndAddsTheStudent();
    void okWithNothingButBlanksDoesNothing_data();
    void okWithNothingButBlanksDoesNothing();
    void enterStraightAwayDoesNothing();
    void duplicateIsRefusedAndTheNameCanBeChanged();
    void reAddingAStudentKeepsTheOldResultsAside();
    void escapeClosesWithoutAdding();
    void failedSaveLeavesListAndDialogAsTheyWere();

private:
    std::unique_ptr<WorkDir> m_dir;
    std::unique_ptr<StudentList> m_students;
    std::unique_ptr<Dialog> m_dialog;
    QLineEdit *box() const { return m_dialog->findChild<QLineEdit *>("txtStudent"); }
    QPushButton *ok() const { return m_dialog->findChild<QPushButton *>("OKButton"); }
    // Types key by key; characters beyond the keyboard's plain keys arrive as text.
    void type(const QString &text)
    {
        box()->setFocus();
        for (QChar c : text) {
            if (c.unicode() < 128) {
                QTest::keyClick(box(), c.toLatin1());
            } else {
                QTest::sendKeyEvent(QTest::Click, box(), Qt::Key_unknown, QString(c),
                                    Qt::NoModifier);
            }
        }
    }
};

void tst_Dialog::init()
{
    m_dir = std::make_unique<WorkDir>();
    m_students = std::make_unique<StudentList>();
    m_dialog = std::make_unique<Dialog>(*m_students);
    m_dialog->show();
    QApplication::setActiveWindow(m_dialog.get());
    QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
}

void tst_Dialog::cleanup()
{
    m_dialog.reset();
    m_students.reset();
    m_dir.reset();
    QCOMPARE(visibleTopLevelWindows(), 0);
}

void tst_Dialog::opensWithTheFocusOnOk()
{
    QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Student Name"));
    QCOMPARE(QApplication::focusWidget(), ok());
    QCOMPARE(box()->text(), QString());
}

void tst_Dialog::typingIsKeptToCapitalsAndBlanks_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
    QTest::newRow("lower case") << "ann"
                                << "ANN";
    QTest::newRow("digit after") << "ann1"
                                 << "ANN";
    QTest::newRow("blanks") << "ann  lee "
                            << "ANN  LEE ";
    QTest::newRow("punctuation") << "o'neil-x"
                                 << "ONEILX";
    QTest::newRow("accented") << QStringLiteral("zo\u00eb") << "ZO";
}

void tst_Dialog::typingIsKeptToCapitalsAndBlanks()
{
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    type(keys);
    QCOMPARE(box()->text(), shown);
    QCOMPARE(box()->cursorPosition(), int(shown.size()));
}

void tst_Dialog::refusedCharacterInTheMiddleKeepsTheCaretAfterIt()
{
    type("ann");
    box()->setCursorPosition(2);
    QTest::keyClicks(box(), "1");
    QCOMPARE(box()->text(), QStringLiteral("ANN"));
    QCOMPARE(box()->cursorPosition(), 3);
    box()->setCursorPosition(1);
    QTest::keyClicks(box(), "e");
    QCOMPARE(box()->text(), QStringLiteral("AENN"));
    QCOMPARE(box()->cursorPosition(), 2);
}

void tst_Dialog::pasteIsTakenWholeOrNotAtAll_data()
{
    QTest::addColumn<QString>("clip");
    QTest::addColumn<QString>("shown");
    QTest::newRow("hyphen spoils it") << "Ann-Marie"
                                      << "";
    QTest::newRow("letters and blank") << "ann lee"
                                       << "ANN LEE";
}

void tst_Dialog::pasteIsTakenWholeOrNotAtAll()
{
    QFETCH(QString, clip);
    QFETCH(QString, shown);
    QApplication::clipboard()->setText(clip);
    box()->setFocus();
    QTest::keyClick(box(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box()->text(), shown);
}

void tst_Dialog::okTrimsAndAddsTheStudent()
{
    m_students->setNames({"BEN"});
    type("  ann  ");
    QTest::mouseClick(ok(), Qt::LeftButton);
    QCOMPARE(box()->text(), QStringLiteral("ANN"));
    QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(m_students->names(), (QList<QByteArray> {"ANN", "BEN"}));
    QCOMPARE(readFile("sumroll.ini"), QByteArray("ANN\r\nBEN\r\n"));
    QVERIFY(QFile::exists("ANN.hst"));
    QCOMPARE(readFile("ANN.hst"), QByteArray());
}

void tst_Dialog::okWithNothingButBlanksDoesNothing_data()
{
    QTest::addColumn<QString>("keys");
    QTest::newRow("nothing typed") << "";
    QTest::newRow("blanks") << "   ";
}

void tst_Dialog::okWithNothingButBlanksDoesNothing()
{
    QFETCH(QString, keys);
    ScriptedMessages messages;
    type(keys);
    QTest::mouseClick(ok(), Qt::LeftButton);
    QVERIFY(m_dialog->isVisible());
    QVERIFY(messages.shown().isEmpty());
    QCOMPARE(box()->text(), QString());
    QVERIFY(!QFile::exists("sumroll.ini"));
}

void tst_Dialog::enterStraightAwayDoesNothing()
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(m_students->size(), 0);
    QVERIFY(!QFile::exists("sumroll.ini"));
}

void tst_Dialog::duplicateIsRefusedAndTheNameCanBeChanged()
{
    writeFile("sumroll.ini", "BEN\r\n");
    m_students->setNames({"BEN"});
    ScriptedMessages messages;
    type("ben");
    QTest::keyClick(box(), Qt::Key_Return);
    QCOMPARE(messages.texts(), QStringList {"Student Already exist!"});
    QCOMPARE(messages.shown().first().icon, QMessageBox::Information);
    QCOMPARE(messages.shown().first().buttons, QMessageBox::Ok);
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(box()->text(), QStringLiteral("BEN"));
    QCOMPARE(readFile("sumroll.ini"), QByteArray("BEN\r\n"));
    QVERIFY(!QFile::exists("BEN.hst"));

    QTest::keyClicks(box(), "NY");
    QTest::keyClick(box(), Qt::Key_Return);
    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(readFile("sumroll.ini"), QByteArray("BEN\r\nBENNY\r\n"));
}

void tst_Dialog::reAddingAStudentKeepsTheOldResultsAside()
{
    writeFile("ANN.hst", "1/1/2026#1#50#00:01:00\r\n");
    type("ann");
    QTest::mouseClick(ok(), Qt::LeftButton);
    QCOMPARE(readFile("ANN.hst"), QByteArray());
    QCOMPARE(readFile("ANN.hst.1"), QByteArray("1/1/2026#1#50#00:01:00\r\n"));
}

void tst_Dialog::escapeClosesWithoutAdding()
{
    type("ann");
    QTest::keyClick(box(), Qt::Key_Escape);
    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(m_dialog->result(), int(QDialog::Rejected));
    QCOMPARE(m_students->size(), 0);
    QVERIFY(QDir().entryList(QDir::Files).isEmpty());
}

void tst_Dialog::failedSaveLeavesListAndDialogAsTheyWere()
{
    writeFile("sumroll.ini", "BEN\r\n");
    m_students->setNames({"BEN"});
    ScriptedMessages messages;
    type(QString(3000, QLatin1Char('A')));
    {
        FileSizeLimit limit(100);
        QTest::mouseClick(ok(), Qt::LeftButton);
    }
    QCOMPARE(messages.shown().size(), 1);
    QVERIFY2(messages.texts().first().contains("sumroll.ini"),
             qPrintable(messages.texts().first()));
    QCOMPARE(messages.shown().first().icon, QMessageBox::Warning);
    QCOMPARE(m_students->names(), QList<QByteArray> {"BEN"});
    QCOMPARE(readFile("sumroll.ini"), QByteArray("BEN\r\n"));
    QVERIFY(!QFile::exists(QString(3000, QLatin1Char('A')) + ".hst"));
    QVERIFY(m_dialog->isVisible());
}

QTEST_MAIN(tst_Dialog)
#include "tst_dialog.moc"
