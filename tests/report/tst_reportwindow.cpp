// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/menu/mainmenu.h"
#include "gui/report/classwindow.h"
#include "gui/report/factswindow.h"
#include "gui/report/linelistview.h"
#include "gui/report/progresschart.h"
#include "gui/report/reportwindow.h"
#include "gui/seams/printer.h"
#include "gui/seams/savedialog.h"
#include "gui/seams/scopedoverride.h"
#include "support/recordingsurface.h"
#include "support/testsupport.h"

#include <QApplication>
#include <QChart>
#include <QComboBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

#include <optional>

using testsupport::readFile;

namespace {
// The report opened from the menu for the one student of a roster that names only them.
ReportWindow *reportFor(const QByteArray &student)
{
    testsupport::closeAllWindows();
    testsupport::writeFile("sumroll.ini", student + "\r\n");
    return qobject_cast<ReportWindow *>(testsupport::act(testsupport::openMenu(1), {"Command4"}));
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
        testsupport::writeFile("ANN.hst",
                               "12/5/2026 1:23:45 PM#3#81#00:03:27\r\n"
                               "garbage\r\n"
                               "someday#1#100#00:00:59\r\n");
        auto *menu = testsupport::openMenu();
        menu->show();
        QTest::keyClick(menu->findChild<QComboBox *>("Combo1"), Qt::Key_Down); // ANN
        QTest::mouseClick(menu->findChild<QPushButton *>("Command4"), Qt::LeftButton);
        m_window = testsupport::shownWindow<ReportWindow>();
        QVERIFY(m_window && m_window->isVisible() && menu->isVisible());
    }

    void cleanup()
    {
        QVERIFY(testsupport::closeEveryWindow());
        m_ground.reset();
    }

    void listsThePickedStudentsResults()
    {
        QCOMPARE(m_window->findChild<QLabel *>("lblstudent")->text(),
                 QStringLiteral("Student : ANN"));
        QCOMPARE(m_window->focusWidget(), m_window->findChild<LineListView *>("List1"));
        // The line that is no record is left out; the date that does not read is shown as is.
        QCOMPARE(testsupport::reportLines(m_window),
                 (QStringList {"05/12/2026 13:23                3         81%    00:03:27",
                               "someday                1        100%    00:00:59"}));
    }

    // Whatever the roster's line holds, the export offers a plain file name, one that stays
    // in the working folder and that common systems allow.
    void exportOffersAPlainFileName_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("offered");
        QTest::newRow("plain") << QByteArray("ANN LEE") << "ANN LEE.csv";
        QTest::newRow("parent folder") << QByteArray("../x") << ".._x.csv";
        QTest::newRow("absolute path") << QByteArray("/tmp/a") << "_tmp_a.csv";
        QTest::newRow("subfolder") << QByteArray("a/b") << "a_b.csv";
        QTest::newRow("backslash") << QByteArray("a\\b") << "a_b.csv";
        QTest::newRow("refused elsewhere")
            << QByteArray("a:b*c?d\"e<f>g|h") << "a_b_c_d_e_f_g_h.csv";
        QTest::newRow("control characters")
            << QByteArray("a\tb\x01\x7f\xc2\x85") << QString("a_b___") + ".csv";
        QTest::newRow("too long for a file name")
            << QByteArray(1000, 'A') << QString(251, 'A') + ".csv";
        QTest::newRow("long, in two-byte characters")
            << QByteArray("\xc3\xab").repeated(200) << QString(125, QChar(0xeb)) + ".csv";
    }
    void exportOffersAPlainFileName()
    {
        QFETCH(QByteArray, name);
        ReportWindow *window = reportFor(name);
        QStringList offered;
        seams::ScopedOverride dialog(seams::saveDialog(), [&](const ui::SaveRequest &request) {
            offered.append(request.suggestedName);
            return QString(); // cancelled
        });
        QTest::mouseClick(window->findChild<QPushButton *>("cmdExport"), Qt::LeftButton);
        QTEST(offered.value(0), "offered");
        QCOMPARE(offered.size(), 1);
        QCOMPARE(QFileInfo(offered.constFirst()).fileName(), offered.constFirst());
    }

    void exportWritesTheCsvFile()
    {
        const QString answer = "ann results.csv";
        seams::ScopedOverride dialog(seams::saveDialog(), [&](const ui::SaveRequest &request) {
            return request.suggestedName == "ANN.csv" ? QDir().absoluteFilePath(answer) : QString();
        });
        testsupport::writeFile(answer, QByteArray(1000, 'x')); // an earlier export
        QTest::mouseClick(m_window->findChild<QPushButton *>("cmdExport"), Qt::LeftButton);
        QCOMPARE(readFile(answer),
                 QByteArray("date,level,score,speed,student\r\n"
                            "2026-12-05T13:23:45,3,81,00:03:27,ANN\r\n"
                            "someday,1,100,00:00:59,ANN\r\n"));
        QVERIFY(m_ground->messages.shown().isEmpty()); // a failed export: tst_hostilefolder
    }

    void progressShowsTheStudentsChart()
    {
        QString title;
        QStringList names;
        QTimer::singleShot(0, this, [&] {
            if (auto *chart = qobject_cast<ProgressChart *>(QApplication::activeModalWidget())) {
                title = chart->windowTitle();
                for (const QAbstractSeries *s : chart->chart()->series()) {
                    names.append(s->name());
                }
                QTest::mouseClick(chart->findChild<QPushButton *>("close"), Qt::LeftButton);
            }
        });
        QTest::mouseClick(m_window->findChild<QPushButton *>("cmdProgress"), Qt::LeftButton);
        QCOMPARE(title, QStringLiteral("Progress - ANN"));
        QCOMPARE(names, QStringList {"Level 3"}); // someday has no place on a time line
        QVERIFY(m_window->isVisible());
    }

    // Every student of the roster, sorted by a click on a heading, printed and exported in
    // the order shown.
    void classShowsEveryStudent()
    {
        testsupport::closeAllWindows();
        testsupport::writeFile("sumroll.ini", "ANN\r\nBOB\r\nCAT\r\n");
        testsupport::writeFile("BOB.hst",
                               "5/10/2026 9:00:00 AM#2#50#00:03:00\r\n"
                               "5/11/2026 9:00:00 AM#2#100#00:02:00\r\n");
        auto *report = qobject_cast<ReportWindow *>(
            testsupport::act(testsupport::openMenu(1), {"Command4"}));
        QVERIFY(report);
        QList<QStringList> rows;
        QList<QStringList> byScore;
        QStringList printed;
        QByteArray exported;
        QTimer::singleShot(0, this, [&] {
            auto *window = qobject_cast<ClassWindow *>(QApplication::activeModalWidget());
            if (!window) {
                return;
            }
            rows = window->shownRows();
            QHeaderView *headings = window->table()->horizontalHeader();
            const auto clickHeading = [headings](int column) {
                QTest::mouseClick(headings->viewport(), Qt::LeftButton, {},
                                  QPoint(headings->sectionViewportPosition(column) + 5, 5));
            };
            clickHeading(ClassOverviewModel::LastScore);
            clickHeading(ClassOverviewModel::LastScore); // the second click turns the order
            byScore = window->shownRows();

            seams::ScopedOverride printer(seams::printer(),
                                          [&](const QString &, const printing::Page &page) {
                                              RecordingSurface surface;
                                              page(surface);
                                              printed = surface.printed();
                                              return printing::PrintResult {};
                                          });
            QTest::mouseClick(window->findChild<QPushButton *>("print"), Qt::LeftButton);
            seams::ScopedOverride dialog(seams::saveDialog(), [](const ui::SaveRequest &) {
                return QDir().absoluteFilePath("class.csv");
            });
            QTest::mouseClick(window->findChild<QPushButton *>("export"), Qt::LeftButton);
            exported = testsupport::readFile("class.csv");
            QTest::mouseClick(window->findChild<QPushButton *>("close"), Qt::LeftButton);
        });
        QTest::mouseClick(report->findChild<QPushButton *>("cmdClass"), Qt::LeftButton);

        const auto names = [](const QList<QStringList> &table) {
            QStringList first;
            for (const QStringList &row : table) {
                first.append(row.value(0));
            }
            return first;
        };
        QCOMPARE(names(rows), QStringList({"ANN", "BOB", "CAT"}));
        // The clock stands at 12 May: BOB's two sheets were this week; ANN's is ahead of it.
        QCOMPARE(rows.at(1).mid(0, 8),
                 QStringList({"BOB", "2", "2", "2026-05-11", "2", "100%", "", "75 \u2191"}));
        QCOMPARE(names(byScore), QStringList({"BOB", "ANN", "CAT"}));
        QVERIFY(printed.size() > 3 && printed.first().startsWith("\"Class report\""));
        QVERIFY(printed.indexOf(QRegularExpression("^\"BOB\".*"))
                < printed.indexOf(QRegularExpression("^\"ANN\".*")));
        QCOMPARE(exported.split('\n').size(), 5); // the heading, three students, the end
        QVERIFY(exported.split('\n').at(1).startsWith("BOB,2,2,2026-05-11,2,100,"));
    }

    // ANN's sums: the first level's grid cell by cell, as a screen reader reads it; at a
    // higher level her slips by kind.
    void factsShowTheStudentsSums()
    {
        testsupport::writeFile("ANN.ans",
                               "5/11/2026 9:00:00 AM#1#3#4#7#right#900\r\n"
                               "5/11/2026 9:00:00 AM#1#5#6#12#wrong#900\r\n"
                               "5/11/2026 9:00:00 AM#3#47#85#122#wrong#4000\r\n"
                               "not an answer\r\n");
        QString cell34;
        QString cell56;
        QString cell00;
        QList<QStringList> slips;
        QString note;
        QTimer::singleShot(0, this, [&] {
            auto *window = qobject_cast<FactsWindow *>(QApplication::activeModalWidget());
            if (!window) {
                return;
            }
            const QAbstractItemModel *grid = window->grid()->model();
            const auto said = [grid](int first, int second) {
                return grid->index(first, second).data(Qt::AccessibleTextRole).toString();
            };
            cell34 = said(3, 4);
            cell56 = said(5, 6);
            cell00 = said(0, 0);
            QTest::keyClick(window->findChild<QComboBox *>("levelChoice"), Qt::Key_Down);
            QTest::keyClick(window->findChild<QComboBox *>("levelChoice"), Qt::Key_Down);
            slips = window->shownRows();
            note = window->note();
            QTest::mouseClick(window->findChild<QPushButton *>("close"), Qt::LeftButton);
        });
        QTest::mouseClick(m_window->findChild<QPushButton *>("cmdFacts"), Qt::LeftButton);
        QCOMPARE(cell34, "3 + 4: right and quick");
        QCOMPARE(cell56, "5 + 6: wrong recently");
        QCOMPARE(cell00, "0 + 0: never seen");
        QCOMPARE(slips,
                 (QList<QStringList> {{"Forgot to carry", "1", "47 + 85 = 122"},
                                      {"Sums most often missed", "Missed", "Answered"},
                                      {"47 + 85", "1", "1"}}));
        QCOMPARE(note, "Wrong answers of the last 10 sheets at this level. Lines not read: 1.");
    }

private:
    std::optional<testsupport::WindowGround> m_ground;
    ReportWindow *m_window = nullptr;
};

QTEST_MAIN(tst_reportwindow)
#include "tst_reportwindow.moc"
