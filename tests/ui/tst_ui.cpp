// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/records/session.h"
#include "gui/base/placement.h"
#include "gui/base/proportionallayout.h"
#include "gui/base/twips.h"
#include "gui/base/windowless.h"
#include "gui/menu/mainmenu.h"
#include "gui/print/printwindow.h"
#include "support/testsupport.h"

#include <QTest>

#include <optional>

using namespace testsupport;

// Where a control is, in twips, and its font's size in points.
static std::pair<QRect, int> placed(QWidget *window, const char *control)
{
    const QWidget *w = window->findChild<QWidget *>(control);
    return {QRect(ui::leftTwips(w), ui::topTwips(w), ui::widthTwips(w), ui::heightTwips(w)),
            w->font().pointSize()};
}

// Resizes as a user's drag does, to a multiple of the window's outer size at load (frame
// and title bar included; 12000 x 8610 twips inside): a new size and a resize event.
static void resizeTo(QWidget *window, float rx, float ry)
{
    const QSize frame = window->frameGeometry().size() - window->size();
    const QSize target(
        ui::twipsToPixels((12000 + ui::pixelsToTwips(frame.width())) * rx) - frame.width(),
        ui::twipsToPixels((8610 + ui::pixelsToTwips(frame.height())) * ry) - frame.height());
    window->resize(target);
    QTRY_COMPARE(window->size(), target);
    QCoreApplication::processEvents();
}

// The numbers of the screen: where a window goes beside another, and how controls and fonts
// scale with the window they are in.
class tst_ui : public QObject
{
    Q_OBJECT
    std::optional<WorkDir> m_dir;
private slots:
    void init() { m_dir.emplace(); }
    void cleanup() { QVERIFY(closeEveryWindow()); }

    // Beside another window where there is room, kept on the screen, no larger than it, both
    // sides shrunk by the same factor (under a window manager: tst_windowmanager).
    void placement()
    {
        const auto beside = [](int x, int width = 800, QRect screen = {0, 0, 1920, 1040}) {
            return ui::besidePosition(QRect(x, 700, 800, 600), QSize(width, 600), screen);
        };
        QCOMPARE(beside(100), QPoint(900, 440)); // on the right, kept above the bottom
        QCOMPARE(beside(1000), QPoint(200, 440)); // only on the left
        QCOMPARE(beside(500), QPoint(1120, 440)); // on neither side: against the right edge
        QCOMPARE(beside(2000, 800, {1920, 0, 1920, 1080}), QPoint(2800, 480)); // second screen
        QCOMPARE(ui::fittedSize({802, 599}, {911, 512}), QSize(685, 512)); // too tall
        const QRect screen(0, 0, 1366, 728);
        QCOMPARE(ui::keptInside({-30, 300}, {802, 599}, screen), QPoint(0, 129)); // left, bottom
        QCOMPARE(ui::keptInside({90, 90}, QSize(2000, 900), screen), QPoint(0, 0)); // too large
    }

    void fontsScaleByTheSmallerFactorRoundedDown()
    {
        const auto points = [](int design, float rx, float ry) {
            return ProportionalLayout::scaledFontSize(
                design, ProportionalLayout::Factors {rx, ry}.fontScale());
        };
        QCOMPARE(points(18, 2, 2), 36);
        QCOMPARE(points(13, 1, 0.5f), 6);
        QCOMPARE(points(12, 0.01f, 0.02f), 0); // minimised
    }

    void controlsScaleWithTheMainMenu()
    {
        MainMenu *menu = openMenu();
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        QCOMPARE(placed(menu, "Command1"), std::pair(QRect(240, 3960, 5775, 2655), 18));
        QList<std::pair<QRect, int>> design;
        for (QObject *w : std::as_const(*menu).controls().inCreationOrder()) {
            design.append(placed(menu, qPrintable(w->objectName())));
        }
        resizeTo(menu, 2, 2);
        QCOMPARE(placed(menu, "Command1"), std::pair(QRect(480, 7920, 11550, 5310), 36));
        QCOMPARE(placed(menu, "lblWelcome"),
                 std::pair(QRect(240, 480, 22590, 3870), 36)); // in Frame1
        resizeTo(menu, 2, 1);
        QCOMPARE(placed(menu, "Command5"), std::pair(QRect(15840, 6960, 7710, 1215), 18));
        resizeTo(menu, 1, 0.5f);
        resizeTo(menu, 0.4f, 0.33f);
        resizeTo(menu, 2.7f, 1.1f);
        resizeTo(menu, 1, 1);
        menu->showMinimized();
        QCoreApplication::processEvents();
        menu->showNormal();
        QCoreApplication::processEvents();
        for (QObject *w : std::as_const(*menu).controls().inCreationOrder()) { // the design, back
            QCOMPARE(placed(menu, qPrintable(w->objectName())), design.takeFirst());
        }
    }

    void linesMoveByTheirEnds()
    {
        Session session;
        auto *print = new PrintWindow(session);
        print->show();
        QVERIFY(QTest::qWaitForWindowExposed(print));
        auto *line = print->findChild<ui::WindowlessLine *>("Line1(24)");
        const auto ends = [line] {
            const ui::LineEnds &e = line->ends();
            return QLineF(e.x1, e.y1, e.x2, e.y2);
        };
        QCOMPARE(ends(), QLineF(4320, 6240, 5280, 6240));
        resizeTo(print, 1.5f, 2);
        QCOMPARE(ends(), QLineF(6480, 12480, 7920, 12480)); // still level
        QCOMPARE(placed(print, "CmdNew").second, 27); // Arial 18, by the smaller factor
    }
};

QTEST_MAIN(tst_ui)
#include "tst_ui.moc"
