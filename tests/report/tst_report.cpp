#include "menu/mainportal.h"
#include "report/linelistview.h"
#include "report/progresschart.h"
#include "report/report.h"
#include "support/testsupport.h"
#include "ui/savedialog.h"
#include "ui/windows.h"

#include <QApplication>
#include <QChart>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace testsupport;

static const QByteArray AnnHistory = "12/5/2026 1:23:45 PM#3#81#00:03:27\r\n"
                                     "garbage\r\n"
                                     "1/9/2026 9:05:00 AM#1#6#00:10:02\r\n"
                                     "someday#2#100#00:00:59\r\n";

static QStringList listed(const report *w)
{
    const auto *list = w->findChild<LineListView *>(QStringLiteral("List1"));
    QStringList lines;
    for (int row = 0; row < list->model()->rowCount(); ++row) {
        lines.append(list->model()->index(row, 0).data().toString());
    }
    return lines;
}

static QString caption(const report *w)
{
    return w->findChild<QLabel *>(QStringLiteral("lblstudent"))->text();
}

static QPushButton *button(const QWidget *w, const char *name)
{
    return w->findChild<QPushButton *>(QString::fromLatin1(name));
}

// Drives the report as a person does: from the main menu, by mouse and keyboard.
class tst_report : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_dir = std::make_unique<WorkDir>();
        writeFile(QStringLiteral("sumroll.ini"), "ANN\r\nBEN\r\n");
        writeFile(QStringLiteral("ANN.hst"), AnnHistory);
        writeFile(QStringLiteral("BEN.hst"), QByteArray());
    }

    void cleanup()
    {
        ui::setSaveResponder({});
        closeAllWindows();
        QCOMPARE(visibleTopLevelWindows(), 0);
        QVERIFY(Windows::loaded().isEmpty());
        m_dir.reset();
    }

    void listsThePickedStudentsResults_data()
    {
        const QString heading
            = QStringLiteral("Date                        Level       Score       Speed");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("shownCaption");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("results, a malformed line between them")
            << 0 << "Student : ANN"
            << QStringList {
                   heading,
                   QStringLiteral("05/12/2026 13:23                3         81%    00:03:27"),
                   QStringLiteral("09/01/2026 09:05                1          6%    00:10:02"),
                   QStringLiteral("someday") + QString(16, u' ') + QStringLiteral("2")
                       + QString(8, u' ') + QStringLiteral("100%    00:00:59")};
        QTest::newRow("new student: the heading alone")
            << 1 << "Student : BEN" << QStringList {heading};
        // A hand-edited roster line that would lead out of the working directory reads nothing.
        QTest::newRow("name that is no plain file name")
            << 2 << "Student : sub/ANN" << QStringList {heading};
    }

    void listsThePickedStudentsResults()
    {
        QFETCH(int, row);
        QFETCH(QString, shownCaption);
        QFETCH(QStringList, lines);
        writeFile(QStringLiteral("sumroll.ini"), "ANN\r\nBEN\r\nsub/ANN\r\n");
        QVERIFY(QDir().mkdir(QStringLiteral("sub")));
        writeFile(QStringLiteral("sub/ANN.hst"), AnnHistory);
        MainPortal *menu = startMenu();
        pick(menu, row);
        report *w = pressReports(menu);
        QVERIFY(w);
        QVERIFY(w->isVisible() && menu->isVisible());
        QCOMPARE(caption(w), shownCaption);
        QCOMPARE(listed(w), lines);
        QCOMPARE(w->focusWidget(), w->findChild<LineListView *>(QStringLiteral("List1")));
    }

    void reportsAgainBringsTheOpenWindowForwardUnchanged()
    {
        MainPortal *menu = startMenu();
        pick(menu, 0);
        QPointer<report> first = pressReports(menu);
        const QStringList shown = listed(first);

        // Another student picked, and a result added meanwhile: the open window stays as it was.
        pick(menu, 1);
        writeFile(QStringLiteral("ANN.hst"), AnnHistory + "1/10/2026#4#50#00:01:00\r\n");
        report *again = pressReports(menu);
        QCOMPARE(again, first.data());
        QVERIFY(again->isVisible());
        QCOMPARE(caption(again), QStringLiteral("Student : ANN"));
        QCOMPARE(listed(again), shown);
        QCOMPARE(Windows::loaded().size(), 2);

        // Once closed, the next one reads the file afresh for the student picked now.
        QTest::mouseClick(button(again, "Command1"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());
        QVERIFY(menu->isVisible());
        report *fresh = pressReports(menu);
        QCOMPARE(caption(fresh), QStringLiteral("Student : BEN"));
        QCOMPARE(listed(fresh).size(), 1);
    }

    void exportWritesTheCsvFile()
    {
        ScriptedMessages messages;
        QList<ui::SaveRequest> asked;
        QString answer = m_dir->file(QStringLiteral("ann results.csv"));
        ui::setSaveResponder([&](const ui::SaveRequest &request) {
            asked.append(request);
            return answer;
        });
        MainPortal *menu = startMenu();
        pick(menu, 0);
        report *w = pressReports(menu);
        QTest::mouseClick(button(w, "cmdExport"), Qt::LeftButton);
        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked.first().suggestedName, QStringLiteral("ANN.csv"));
        QCOMPARE(readFile(QStringLiteral("ann results.csv")),
                 QByteArray("date,level,score,speed\r\n"
                            "2026-12-05T13:23:45,3,81,00:03:27\r\n"
                            "2026-01-09T09:05:00,1,6,00:10:02\r\n"
                            "someday,2,100,00:00:59\r\n"));
        QVERIFY(messages.shown().isEmpty());

        // Cancelled, nothing is written or said.
        const QStringList before = QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        answer.clear();
        QTest::mouseClick(button(w, "cmdExport"), Qt::LeftButton);
        QVERIFY(messages.shown().isEmpty());

        // Failed, it is reported with the file's name and leaves nothing behind.
        answer = m_dir->file(QStringLiteral("gone/ann.csv"));
        QTest::mouseClick(button(w, "cmdExport"), Qt::LeftButton);
        QCOMPARE(messages.shown().size(), 1);
        QCOMPARE(messages.shown().first().icon, QMessageBox::Warning);
        QVERIFY2(messages.texts().first().contains(answer), qPrintable(messages.texts().first()));
        QCOMPARE(QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
        QVERIFY(w->isVisible());
    }

    void progressShowsTheStudentsChart()
    {
        MainPortal *menu = startMenu();
        pick(menu, 0);
        report *w = pressReports(menu);
        QString title;
        QStringList names;
        QTimer::singleShot(0, this, [&] {
            auto *chart = qobject_cast<ProgressChart *>(QApplication::activeModalWidget());
            if (!chart) {
                return;
            }
            title = chart->windowTitle();
            for (const QAbstractSeries *s : chart->chart()->series()) {
                names.append(s->name());
            }
            QTest::mouseClick(chart->findChild<QPushButton *>(QStringLiteral("close")),
                              Qt::LeftButton);
        });
        QTest::mouseClick(button(w, "cmdProgress"), Qt::LeftButton);
        QCOMPARE(title, QStringLiteral("Progress - ANN"));
        QCOMPARE(names, (QStringList {"Level 1", "Level 3"}));
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QVERIFY(w->isVisible());
    }

private:
    MainPortal *startMenu()
    {
        MainPortal *menu = Windows::load<MainPortal>();
        menu->show();
        return menu;
    }

    void pick(MainPortal *menu, int row)
    {
        auto *combo = menu->findChild<QComboBox *>(QStringLiteral("Combo1"));
        combo->setFocus();
        if (combo->currentIndex() < 0) {
            QTest::keyClick(combo, Qt::Key_Home);
        }
        while (combo->currentIndex() < row) {
            QTest::keyClick(combo, Qt::Key_Down);
        }
        while (combo->currentIndex() > row) {
            QTest::keyClick(combo, Qt::Key_Up);
        }
    }

    report *pressReports(MainPortal *menu)
    {
        auto *reports = menu->findChild<QPushButton *>(QStringLiteral("Command4"));
        [&] { QVERIFY(reports->isEnabled()); }();
        QTest::mouseClick(reports, Qt::LeftButton);
        return Windows::find<report>();
    }

    std::unique_ptr<WorkDir> m_dir;
};

QTEST_MAIN(tst_report)
#include "tst_report.moc"
