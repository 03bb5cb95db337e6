// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/menu/mainmenu.h"
#include "gui/report/classwindow.h"
#include "gui/report/factswindow.h"
#include "gui/report/linelistview.h"
#include "gui/report/reportwindow.h"
#include "gui/seams/savedialog.h"
#include "gui/seams/scopedoverride.h"
#include "support/testsupport.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QtTest>

#include <functional>
#include <optional>

using namespace testsupport;

namespace {
// Clicks the report's button of a modal window and looks at that window from inside its own
// event loop, then closes it.
template<class W> void inModal(QWidget *report, const char *button, std::function<void(W *)> look)
{
    inNextModal([look](QWidget *modal) {
        if (auto *window = qobject_cast<W *>(modal)) {
            look(window);
        }
    });
    click(report, button);
}

QStringList firstColumn(const QList<QStringList> &table)
{
    QStringList first;
    for (const QStringList &row : table) {
        first.append(row.value(0));
    }
    return first;
}
} // namespace

// The report as a teacher meets it: from the main menu, by mouse and keyboard.
class tst_reportwindow : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_ground.emplace();
        writeFile("ANN.hst",
                  "12/5/2026 1:23:45 PM#3#81#00:03:27\r\n"
                  "garbage\r\n"
                  "someday#1#100#00:00:59\r\n");
        m_window = qobject_cast<ReportWindow *>(act(openMenu(1), {"Command4"}));
        QVERIFY(m_window && m_window->isVisible() && shownWindow<MainMenu>());
    }

    void cleanup()
    {
        QVERIFY(closeEveryWindow());
        m_ground.reset();
    }

    void listsThePickedStudentsResults()
    {
        QCOMPARE(m_window->findChild<QLabel *>("lblstudent")->text(), "Student : ANN");
        QCOMPARE(m_window->focusWidget(), m_window->findChild<LineListView *>("List1"));
        // The line that is no record is left out; the date that does not read is shown as is.
        QCOMPARE(reportLines(m_window),
                 (QStringList {"05/12/2026 13:23                3         81%    00:03:27",
                               "someday                1        100%    00:00:59"}));
    }

    // Over an earlier export, under the name the teacher chose from the one offered.
    void exportWritesTheCsvFile()
    {
        seams::ScopedOverride dialog(seams::saveDialog(), [&](const ui::SaveRequest &request) {
            return request.suggestedName == "ANN.csv" ? QDir().absoluteFilePath("ann results.csv")
                                                      : QString();
        });
        writeFile("ann results.csv", QByteArray(1000, 'x'));
        click(m_window, "cmdExport");
        QCOMPARE(readFile("ann results.csv"),
                 QByteArray("date,level,score,speed,student\r\n"
                            "2026-12-05T13:23:45,3,81,00:03:27,ANN\r\n"
                            "someday,1,100,00:00:59,ANN\r\n"));
        QVERIFY(m_ground->messages.shown().isEmpty()); // a failed export: tst_hostilefolder
    }

    // Every student of the roster, sorted by a click on a heading and exported in the order
    // shown.
    void classShowsEveryStudent()
    {
        closeAllWindows();
        writeFile("sumroll.ini", "ANN\r\nBOB\r\nCAT\r\n");
        writeFile("BOB.hst",
                  "5/10/2026 9:00:00 AM#2#50#00:03:00\r\n"
                  "5/11/2026 9:00:00 AM#2#100#00:02:00\r\n");
        m_window = qobject_cast<ReportWindow *>(act(openMenu(1), {"Command4"}));
        QList<QStringList> rows;
        QList<QStringList> byScore;
        QByteArray exported;
        inModal<ClassWindow>(m_window, "cmdClass", [&](ClassWindow *window) {
            rows = window->shownRows();
            QHeaderView *headings = window->table()->horizontalHeader();
            const QPoint score(headings->sectionViewportPosition(ClassOverviewModel::LastScore) + 5,
                               5);
            QTest::mouseClick(headings->viewport(), Qt::LeftButton, {}, score);
            QTest::mouseClick(headings->viewport(), Qt::LeftButton, {}, score); // turns the order
            byScore = window->shownRows();
            seams::ScopedOverride dialog(seams::saveDialog(), [](const ui::SaveRequest &) {
                return QDir().absoluteFilePath("class.csv");
            });
            click(window, "export");
            exported = readFile("class.csv");
        });
        QCOMPARE(firstColumn(rows), QStringList({"ANN", "BOB", "CAT"}));
        // The clock stands at 12 May: BOB's two sheets were this week; ANN's is ahead of it.
        QCOMPARE(rows.at(1).mid(0, 8),
                 QStringList({"BOB", "2", "2", "2026-05-11", "2", "100%", "", "75 \u2191"}));
        QCOMPARE(firstColumn(byScore), QStringList({"BOB", "ANN", "CAT"}));
        QVERIFY(exported.split('\n').at(1).startsWith("BOB,2,2,2026-05-11,2,100,"));
    }

    // ANN's sums: the first level's grid cell by cell, as a screen reader reads it; at a
    // higher level her slips by kind.
    void factsShowTheStudentsSums()
    {
        writeFile("ANN.ans",
                  "5/11/2026 9:00:00 AM#1#3#4#7#right#900\r\n"
                  "5/11/2026 9:00:00 AM#1#5#6#12#wrong#900\r\n"
                  "5/11/2026 9:00:00 AM#3#47#85#122#wrong#4000\r\n"
                  "not an answer\r\n");
        QStringList said;
        QList<QStringList> slips;
        QString note;
        inModal<FactsWindow>(m_window, "cmdFacts", [&](FactsWindow *window) {
            const QAbstractItemModel *grid = window->grid()->model();
            for (const auto &[first, second] : {std::pair(3, 4), {5, 6}, {0, 0}}) {
                said.append(grid->index(first, second).data(Qt::AccessibleTextRole).toString());
            }
            QTest::keyClick(window->findChild<QComboBox *>("levelChoice"), Qt::Key_Down);
            QTest::keyClick(window->findChild<QComboBox *>("levelChoice"), Qt::Key_Down);
            slips = window->shownRows();
            note = window->note();
        });
        QCOMPARE(
            said,
            QStringList({"3 + 4: right and quick", "5 + 6: wrong recently", "0 + 0: never seen"}));
        QCOMPARE(slips.value(0), QStringList({"Forgot to carry", "1", "47 + 85 = 122"}));
        QCOMPARE(note, "Wrong answers of the last 10 sheets at this level. Lines not read: 1.");
    }

private:
    std::optional<WindowGround> m_ground;
    ReportWindow *m_window = nullptr;
};

QTEST_MAIN(tst_reportwindow)
#include "tst_reportwindow.moc"
