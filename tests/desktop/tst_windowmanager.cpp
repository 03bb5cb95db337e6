// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The windows under a real window manager, on a private X server that scripts/run-tests
// starts with Openbox: where they open, where they come back, and that each fits the screen.
// Each CTest entry names the screen (SUMTRAIL_WM_SCREEN) and the scale (QT_SCALE_FACTOR).
#include "gui/base/placement.h"
#include "gui/base/twips.h"
#include "gui/exercise/exercisewindow.h"
#include "gui/menu/mainmenu.h"
#include "gui/report/reportwindow.h"
#include "support/testsupport.h"

#include <QComboBox>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <optional>

using namespace testsupport;

namespace {

// The frame as the window manager last told it; QWidget::frameGeometry() may keep an older
// one for a window shown again.
QRect frameOf(const QWidget *window)
{
    return window->windowHandle() ? window->windowHandle()->frameGeometry() : QRect();
}

// Waits until the window is mapped, framed by the window manager and no longer moving.
bool settled(QWidget *window)
{
    if (!QTest::qWaitForWindowExposed(window)) {
        qWarning() << "never exposed" << window;
        return false;
    }
    if (!QTest::qWaitFor([window] { return frameOf(window) != window->geometry(); }, 3000)) {
        qWarning() << "never framed" << window << window->geometry() << frameOf(window)
                   << window->isVisible();
        return false;
    }
    QRect last = frameOf(window);
    for (int still = 0, waited = 0; still < 8 && waited < 80; ++waited) {
        QTest::qWait(50);
        still = frameOf(window) == last ? still + 1 : 0;
        last = frameOf(window);
    }
    return true;
}

QRect available(const QWidget *window)
{
    return window->screen()->availableGeometry();
}

QByteArray describe(const QRect &r)
{
    return QByteArray::number(r.width()) + 'x' + QByteArray::number(r.height()) + '+'
        + QByteArray::number(r.x()) + '+' + QByteArray::number(r.y());
}

// Fails the test when the window's frame reaches outside the screen's available area.
#define VERIFY_ON_SCREEN(window)                                                                   \
    QVERIFY2(available(window).contains(frameOf(window)),                                          \
             describe(frameOf(window)) + " outside " + describe(available(window)))

// Clicks the button and gives back the window of the program that it showed, else this one.
QWidget *clickThrough(QWidget *window, const char *button)
{
    const auto shownForms = [] {
        QWidgetList shown;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->isVisible() && w->inherits("Form")) {
                shown.append(w);
            }
        }
        return shown;
    };
    const QWidgetList before = shownForms();
    click(window, button);
    for (QWidget *w : shownForms()) {
        if (!before.contains(w)) {
            return w;
        }
    }
    return window;
}

QSize pixels(QSize twips)
{
    return {ui::twipsToPixels(twips.width()), ui::twipsToPixels(twips.height())};
}

// What is wrong with a shown window's frame for a window of that outer design size (empty:
// any size): outside the screen's free area; not at design size where that fits; else not
// in proportion or not as large as fits.
QByteArray fitProblem(const QWidget *window, const QSize &design)
{
    const QRect frame = frameOf(window);
    const QRect room = available(window);
    if (!room.contains(frame)) {
        return describe(frame) + " outside " + describe(room);
    }
    if (design.isEmpty()) {
        return {};
    }
    if (room.width() >= design.width() && room.height() >= design.height()) {
        return frame.size() == design
            ? QByteArray()
            : describe(frame) + " instead of design " + describe(QRect({}, design));
    }
    const double rx = double(frame.width()) / design.width();
    const double ry = double(frame.height()) / design.height();
    if (qAbs(rx - ry) >= 0.01) {
        return QByteArray::number(rx) + " across, " + QByteArray::number(ry) + " down";
    }
    // As large as fits: against the screen's edges one way or the other.
    if (frame.width() < room.width() - 2 && frame.height() < room.height() - 2) {
        return describe(frame) + " smaller than fits in " + describe(room);
    }
    return {};
}

} // namespace

class tst_windowmanager : public QObject
{
    Q_OBJECT
    std::optional<WindowGround> m_ground;
private slots:
    void init() { m_ground.emplace(); }
    void cleanup()
    {
        QVERIFY(closeEveryWindow());
        m_ground.reset();
    }

    void menuComesBackWhereItWas()
    {
        MainMenu *menu = openMenu(1);
        QVERIFY(settled(menu));
        VERIFY_ON_SCREEN(menu);
        for (const bool movedByUser : {false, true}) {
            if (movedByUser) {
                // Somewhere else on the screen, as a user drags it.
                const QRect room = available(menu);
                const QSize frame = frameOf(menu).size();
                const QPoint to = room.topLeft()
                    + QPoint(qMin(23, room.width() - frame.width()),
                             qMin(17, room.height() - frame.height()));
                QVERIFY(to != frameOf(menu).topLeft());
                ui::moveFrame(menu, to);
                QTRY_VERIFY2((frameOf(menu).topLeft() - to).manhattanLength() <= 1,
                             describe(frameOf(menu)));
            }
            const QRect before = frameOf(menu);
            click(menu, "Command1");
            auto *exercise = shownWindow<ExerciseWindow>();
            QVERIFY(exercise);
            QVERIFY(settled(exercise));
            VERIFY_ON_SCREEN(exercise);
            click(exercise, "cmdMenu");
            QTRY_VERIFY(menu->isVisible());
            QVERIFY(settled(menu));
            // At 150 % a logical pixel is one device pixel or two: one either way is as near
            // as a position can be given.
            QTRY_VERIFY2((frameOf(menu).topLeft() - before.topLeft()).manhattanLength() <= 1,
                         describe(frameOf(menu)) + " instead of " + describe(before));
            QCOMPARE(frameOf(menu).size(), before.size());
        }
    }

    void reportOpensBesideTheMenu()
    {
        MainMenu *menu = openMenu(1);
        QVERIFY(settled(menu));
        click(menu, "Command4");
        auto *report = shownWindow<ReportWindow>();
        QVERIFY(report);
        QVERIFY(settled(report));
        VERIFY_ON_SCREEN(report);
        QCOMPARE(report->screen(), menu->screen());
        const QRect menuFrame = frameOf(menu);
        const QRect reportFrame = frameOf(report);
        QCOMPARE(reportFrame.topLeft(),
                 ui::besidePosition(menuFrame, reportFrame.size(), available(menu)));
        if (menuFrame.width() + reportFrame.width() <= available(menu).width()) {
            QVERIFY2(!reportFrame.intersects(menuFrame),
                     describe(reportFrame) + " over " + describe(menuFrame));
        }
        // Closed and opened again, it comes back where it was.
        click(report, "Command1");
        QTRY_VERIFY(!shownWindow<ReportWindow>());
        click(menu, "Command4");
        report = shownWindow<ReportWindow>();
        QVERIFY(report);
        QVERIFY(settled(report));
        QTRY_COMPARE(frameOf(report), reportFrame);
    }

    void windowsFitTheScreen_data()
    {
        QTest::addColumn<QByteArrayList>("buttons"); // clicked in turn from the main menu
        QTest::addColumn<bool>("dialog"); // the last click opens a dialog
        QTest::addColumn<QSize>("design"); // pixels; empty: sized by its contents
        QTest::addColumn<bool>("outer"); // the design's size is the frame's, not the client's
        const QSize form = pixels({12000, 8610});
        QTest::newRow("main menu") << QByteArrayList {} << false << form << false;
        QTest::newRow("exercise") << QByteArrayList {"Command1"} << false << pixels({12120, 9120})
                                  << true;
        QTest::newRow("report") << QByteArrayList {"Command4"} << false << form << false;
        QTest::newRow("print") << QByteArrayList {"Command2"} << false << form << false;
        QTest::newRow("new student")
            << QByteArrayList {"btnAddStduent"} << true << pixels({6975, 2865}) << false;
        QTest::newRow("picture tutor") << QByteArrayList {"Command1", "cmdcheck", "cmdHelpMe"}
                                       << true << pixels({10545, 7860}) << false;
        QTest::newRow("column tutor")
            << QByteArrayList {"Command1", "level 2", "cmdcheck", "cmdHelpMe"} << true
            << pixels({9810, 7890}) << false;
        QTest::newRow("chart") << QByteArrayList {"Command4", "cmdProgress"} << true
                               << QSize(800, 520) << false;
        QTest::newRow("facts") << QByteArrayList {"Command4", "cmdFacts"} << true << QSize(560, 520)
                               << false;
        QTest::newRow("class") << QByteArrayList {"Command4", "cmdClass"} << true << QSize()
                               << false;
    }

    // Every window and dialog opens wholly on the screen: at design size where the screen has
    // room, else as large as fits, in proportion. A dialog opens over its opener.
    void windowsFitTheScreen()
    {
        QFETCH(QByteArrayList, buttons);
        QFETCH(bool, dialog);
        QFETCH(QSize, design);
        QFETCH(bool, outer);
        QWidget *window = openMenu(1);
        const QByteArray opensDialog = dialog ? buttons.takeLast() : QByteArray();
        for (const QByteArray &button : buttons) {
            QVERIFY(settled(window));
            if (button == "level 2") {
                QTest::keyClick(window->findChild<QComboBox *>(), Qt::Key_Down);
                continue;
            }
            window = clickThrough(window, button);
        }
        QByteArray problem = "never opened";
        const auto look = [&](QWidget *shown) {
            if (!settled(shown)) {
                return;
            }
            const QSize frame = frameOf(shown).size() - shown->size();
            const QSize expected = design.isEmpty() || outer ? design : design + frame;
            problem = fitProblem(shown, expected);
            // A drop-down's frame and arrow do not shrink: it keeps the room its text needs.
            for (const QComboBox *combo : shown->findChildren<QComboBox *>()) {
                if (problem.isEmpty() && frameOf(shown).size() != expected
                    && combo->width() < combo->sizeHint().width()) {
                    problem = combo->objectName().toLatin1() + " narrower than its text";
                }
            }
        };
        if (!dialog) {
            look(window);
            QVERIFY2(problem.isEmpty(), problem);
            return;
        }
        QVERIFY(settled(window));
        // A dialog runs its own loop: it is looked at from there, then closed.
        QTimer::singleShot(0, this, [&] {
            QWidget *shown = nullptr;
            if (QTest::qWaitFor([&] { return (shown = QApplication::activeModalWidget()); })) {
                look(shown);
                shown->close();
            }
        });
        click(window, opensDialog);
        QVERIFY2(problem.isEmpty(), problem);
    }
};

int main(int argc, char *argv[])
{
    // run-tests gives each screen size its own X server with a window manager:
    // SUMTRAIL_WM_DISPLAYS="1366x768=:91 1280x1024=:92 ...".
    const QByteArray screen = qgetenv("SUMTRAIL_WM_SCREEN");
    QByteArray display;
    for (const QByteArray &entry : qgetenv("SUMTRAIL_WM_DISPLAYS").split(' ')) {
        if (entry.startsWith(screen + '=')) {
            display = entry.mid(screen.size() + 1);
        }
    }
    if (screen.isEmpty() || display.isEmpty()) {
        std::printf("SKIP: no X server with a window manager for %s (scripts/run-tests starts "
                    "them)\n",
                    screen.isEmpty() ? "this test" : screen.constData());
        return 77;
    }
    qputenv("DISPLAY", display);
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    tst_windowmanager test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_windowmanager.moc"
