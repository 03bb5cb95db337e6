#include "menu/mainportal.h"
#include "report/linelistview.h"
#include "report/progresschart.h"
#include "report/report.h"
#include "support/testsupport.h"
#include "ui/savedialog.h"
#include "ui/twips.h"
#include "ui/windows.h"

#include <QApplication>
#include <QChart>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace testsupport;

// Drives the report as a person does: from the main menu, by mouse and keyboard.
class tst_report : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void listsThePickedStudentsResults();
    void newStudentHeadingAlone();
    void nameThatIsNotAPlainFileNameReadsNothing();
    void designOfTheControls();
    void tabOrder();
    void longHistoryEndKeyShowsTheLastResult();
    void reportsAgainBringsTheOpenWindowForwardUnchanged();
    void mainMenuButtonClosesOnlyTheReport();
    void exitClosesTheReport();
    void exportWritesTheCsvFile();
    void exportCancelledWritesNothing();
    void failedExportIsReported();
    void progressShowsTheStudentsChart();

private:
    MainPortal *startMenu();
    void pick(MainPortal *menu, int row);
    report *pressReports(MainPortal *menu);

    std::unique_ptr<WorkDir> m_dir;
};

static const QByteArray AnnHistory = "12/5/2026 1:23:45 PM#3#81#00:03:27\r\n"
                                     "garbage\r\n"
                                     "1/9/2026 9:05:00 AM#1#6#00:10:02\r\n"
                                     "someday#2#100#00:00:59\r\n";

void tst_report::init()
{
    m_dir = std::make_unique<WorkDir>();
    writeFile(QStringLiteral("sumroll.ini"), "ANN\r\nBEN\r\n");
    writeFile(QStringLiteral("ANN.hst"), AnnHistory);
    writeFile(QStringLiteral("BEN.hst"), QByteArray());
}

void tst_report::cleanup()
{
    ui::setSaveResponder({});
    closeAllWindows();
    QCOMPARE(visibleTopLevelWindows(), 0);
    QVERIFY(Windows::loaded().isEmpty());
    m_dir.reset();
}

MainPortal *tst_report::startMenu()
{
    MainPortal *menu = Windows::load<MainPortal>();
    menu->show();
    return menu;
}

void tst_report::pick(MainPortal *menu, int row)
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

report *tst_report::pressReports(MainPortal *menu)
{
    auto *reports = menu->findChild<QPushButton *>(QStringLiteral("Command4"));
    [&] { QVERIFY(reports->isEnabled()); }();
    QTest::mouseClick(reports, Qt::LeftButton);
    return Windows::find<report>();
}

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

void tst_report::listsThePickedStudentsResults()
{
    MainPortal *menu = startMenu();
    pick(menu, 0);
    report *w = pressReports(menu);
    QVERIFY(w);
    QVERIFY(w->isVisible());
    QVERIFY(menu->isVisible());
    QCOMPARE(w->windowTitle(), QStringLiteral("Report"));
    QCOMPARE(caption(w), QStringLiteral("Student : ANN"));
    QCOMPARE(listed(w),
             (QStringList {
                 QStringLiteral("Date                        Level       Score       Speed"),
                 QStringLiteral("05/12/2026 13:23                3         81%    00:03:27"),
                 QStringLiteral("09/01/2026 09:05                1          6%    00:10:02"),
                 QStringLiteral("someday") + QString(16, u' ') + QStringLiteral("2")
                     + QString(8, u' ') + QStringLiteral("100%    00:00:59"),
             }));
}

void tst_report::newStudentHeadingAlone()
{
    MainPortal *menu = startMenu();
    pick(menu, 1);
    report *w = pressReports(menu);
    QCOMPARE(caption(w), QStringLiteral("Student : BEN"));
    QCOMPARE(
        listed(w),
        QStringList {QStringLiteral("Date                        Level       Score       Speed")});
}

void tst_report::nameThatIsNotAPlainFileNameReadsNothing()
{
    // A hand-edited roster line that would lead out of the working directory.
    writeFile(QStringLiteral("sumroll.ini"), "sub/ANN\r\n");
    QVERIFY(QDir().mkdir(QStringLiteral("sub")));
    writeFile(QStringLiteral("sub/ANN.hst"), AnnHistory);
    MainPortal *menu = startMenu();
    pick(menu, 0);
    report *w = pressReports(menu);
    QCOMPARE(caption(w), QStringLiteral("Student : sub/ANN"));
    QCOMPARE(listed(w).size(), 1);
}

void tst_report::designOfTheControls()
{
    MainPortal *menu = startMenu();
    pick(menu, 0);
    report *w = pressReports(menu);
    QCOMPARE(w->size(), QSize(ui::twipsToPixels(12000), ui::twipsToPixels(8610)));

    struct Expected
    {
        const char *name;
        QRect twips;
        const char *family;
        qreal points;
        bool bold;
    };
    const Expected controls[] = {
        {"Command1", {3720, 7200, 3615, 975}, "Arial", 14.25, true},
        {"List1", {720, 1200, 9735, 5415}, "Courier New", 14.25, false},
        {"lblstudent", {720, 360, 9735, 375}, "MS Sans Serif", 18, true},
    };
    for (const Expected &e : controls) {
        const auto *c = w->findChild<QWidget *>(QString::fromLatin1(e.name));
        QVERIFY2(c, e.name);
        QCOMPARE(c->geometry(),
                 ui::twipsRect(e.twips.x(), e.twips.y(), e.twips.width(), e.twips.height()));
        QCOMPARE(c->font().family(), QString::fromLatin1(e.family));
        QCOMPARE(c->font().pointSizeF(), e.points);
        QCOMPARE(c->font().bold(), e.bold);
    }
    QCOMPARE(button(w, "Command1")->text(), QStringLiteral("Main Menu"));

    const auto *list = w->findChild<LineListView *>(QStringLiteral("List1"));
    QCOMPARE(list->palette().color(QPalette::Text), QColor(255, 192, 255));
    QCOMPARE(list->palette().color(QPalette::Base), QColor(64, 0, 64));
    QVERIFY(QFontInfo(list->font()).fixedPitch());
    // The heading fits the list without scrolling sideways.
    QVERIFY(QFontMetrics(list->font()).horizontalAdvance(listed(w).first())
            <= list->viewport()->width());

    // The added buttons stay clear of the designed ones, inside the window.
    for (const char *name : {"cmdProgress", "cmdExport"}) {
        const QPushButton *b = button(w, name);
        QVERIFY2(b && b->isVisible() && b->isEnabled(), name);
        QVERIFY2(!b->geometry().intersects(button(w, "Command1")->geometry()), name);
        QVERIFY2(!b->geometry().intersects(list->geometry()), name);
        QVERIFY2(!b->geometry().intersects(w->findChild<QLabel *>("lblstudent")->geometry()), name);
        QVERIFY2(w->rect().contains(b->geometry()), name);
    }
    QVERIFY(!button(w, "cmdProgress")->geometry().intersects(button(w, "cmdExport")->geometry()));
    QCOMPARE(button(w, "cmdProgress")->text(), QStringLiteral("Progress"));
    QCOMPARE(button(w, "cmdExport")->text(), QStringLiteral("Export..."));
}

void tst_report::tabOrder()
{
    MainPortal *menu = startMenu();
    pick(menu, 0);
    report *w = pressReports(menu);
    QApplication::setActiveWindow(w);
    QTRY_VERIFY(QApplication::focusWidget() != nullptr);
    QStringList order {QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(order, (QStringList {"List1", "Command1", "cmdProgress", "cmdExport", "List1"}));
}

void tst_report::longHistoryEndKeyShowsTheLastResult()
{
    QByteArray many;
    for (int i = 1; i <= 5000; ++i) {
        many += "1/2/2026 3:04:05 PM#" + QByteArray::number(i % 6 + 1) + '#'
            + QByteArray::number(i % 101) + "#00:01:00\r\n";
    }
    writeFile(QStringLiteral("ANN.hst"), many);
    MainPortal *menu = startMenu();
    pick(menu, 0);
    report *w = pressReports(menu);
    auto *list = w->findChild<LineListView *>(QStringLiteral("List1"));
    QCOMPARE(list->rowCount(), 5001);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_End);
    QCOMPARE(list->currentRow(), 5000);
    QVERIFY(list->viewport()->rect().contains(list->rowRect(5000)));
    QCOMPARE(list->model()->index(5000, 0).data().toString(),
             QStringLiteral("02/01/2026 15:04                3         51%    00:01:00"));
    QTest::keyClick(list, Qt::Key_Home);
    QCOMPARE(list->firstVisibleRow(), 0);
}

void tst_report::reportsAgainBringsTheOpenWindowForwardUnchanged()
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
    report *fresh = pressReports(menu);
    QCOMPARE(caption(fresh), QStringLiteral("Student : BEN"));
    QCOMPARE(listed(fresh).size(), 1);
}

void tst_report::mainMenuButtonClosesOnlyTheReport()
{
    MainPortal *menu = startMenu();
    pick(menu, 0);
    QPointer<report> w = pressReports(menu);
    QTest::mouseClick(button(w, "Command1"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(w.isNull());
    QVERIFY(Windows::find<report>() == nullptr);
    QVERIFY(menu->isVisible());
    QCOMPARE(menu->currentStudent(), std::optional<QByteArray>("ANN"));
    QCOMPARE(readFile(QStringLiteral("ANN.hst")), AnnHistory);
}

void tst_report::exitClosesTheReport()
{
    MainPortal *menu = startMenu();
    pick(menu, 0);
    QPointer<report> w = pressReports(menu);
    QPointer<MainPortal> m = menu;
    QTest::mouseClick(button(menu, "Command5"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(w.isNull());
    QVERIFY(m.isNull());
    QCOMPARE(visibleTopLevelWindows(), 0);
}

void tst_report::exportWritesTheCsvFile()
{
    ScriptedMessages messages;
    QList<ui::SaveRequest> asked;
    ui::setSaveResponder([&](const ui::SaveRequest &request) {
        asked.append(request);
        return m_dir->file(QStringLiteral("ann results.csv"));
    });
    MainPortal *menu = startMenu();
    pick(menu, 0);
    report *w = pressReports(menu);
    QTest::mouseClick(button(w, "cmdExport"), Qt::LeftButton);
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked.first().suggestedName, QStringLiteral("ANN.csv"));
    QVERIFY(asked.first().filter.contains(QStringLiteral("*.csv")));
    QCOMPARE(readFile(QStringLiteral("ann results.csv")),
             QByteArray("date,level,score,speed\r\n"
                        "2026-12-05T13:23:45,3,81,00:03:27\r\n"
                        "2026-01-09T09:05:00,1,6,00:10:02\r\n"
                        "someday,2,100,00:00:59\r\n"));
    QVERIFY(messages.shown().isEmpty());
    QVERIFY(w->isVisible());
}

void tst_report::exportCancelledWritesNothing()
{
    ScriptedMessages messages;
    ui::setSaveResponder([](const ui::SaveRequest &) { return QString(); });
    MainPortal *menu = startMenu();
    pick(menu, 0);
    report *w = pressReports(menu);
    const QStringList before = QDir().entryList(QDir::Files);
    QTest::mouseClick(button(w, "cmdExport"), Qt::LeftButton);
    QCOMPARE(QDir().entryList(QDir::Files), before);
    QVERIFY(messages.shown().isEmpty());
}

void tst_report::failedExportIsReported()
{
    ScriptedMessages messages;
    const QString path = m_dir->file(QStringLiteral("gone/ann.csv"));
    ui::setSaveResponder([&](const ui::SaveRequest &) { return path; });
    MainPortal *menu = startMenu();
    pick(menu, 0);
    report *w = pressReports(menu);
    QTest::mouseClick(button(w, "cmdExport"), Qt::LeftButton);
    QCOMPARE(messages.shown().size(), 1);
    QCOMPARE(messages.shown().first().icon, QMessageBox::Warning);
    QVERIFY2(messages.texts().first().contains(path), qPrintable(messages.texts().first()));
    QVERIFY(!QFileInfo::exists(path));
    QVERIFY(w->isVisible());
}

void tst_report::progressShowsTheStudentsChart()
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
        QTest::mouseClick(chart->findChild<QPushButton *>(QStringLiteral("close")), Qt::LeftButton);
    });
    QTest::mouseClick(button(w, "cmdProgress"), Qt::LeftButton);
    QCOMPARE(title, QStringLiteral("Progress - ANN"));
    QCOMPARE(names, (QStringList {"Level 1", "Level 3"}));
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QVERIFY(w->isVisible());
}

QTEST_MAIN(tst_report)
#include "tst_report.moc"
