#include "menu/mainportal.h"
#include "print/printmenu.h"
#include "support/testsupport.h"
#include "ui/linecontrol.h"
#include "ui/proportionallayout.h"
#include "ui/twips.h"
#include "ui/windowless.h"
#include "ui/windows.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QTest>

using namespace testsupport;

class tst_ProportionalLayout : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void fontScaleIsTheSmallerFactorRoundedDown_data();
    void fontScaleIsTheSmallerFactorRoundedDown();
    void loadSizeGivesTheDesignBackWithWholeFonts();
    void twiceTheSizeDoublesEveryControl();
    void widerOnlyKeepsEveryFont();
    void halfHeightHalvesTheFonts();
    void linesMoveByTheirEndsAndStayHorizontal();
    void shrinkingAndGrowingBackRestoresTheDesign();
    void minimiseAndRestoreRestoresTheDesign();

private:
    MainPortal *openMenu();
    static void resizeTo(QWidget *window, float rx, float ry);
    static QRect twipsOf(const QWidget *w);
};

void tst_ProportionalLayout::cleanup()
{
    closeAllWindows();
    QCOMPARE(visibleTopLevelWindows(), 0);
}

MainPortal *tst_ProportionalLayout::openMenu()
{
    auto *menu = Windows::load<MainPortal>();
    menu->show();
    if (!QTest::qWaitForWindowExposed(menu)) {
        qWarning("main menu not exposed");
    }
    return menu;
}

// Resizes the way a user's drag does, to a multiple of the window's outer size at load
// (frame and title bar included): the window gets a new size and a resize event.
void tst_ProportionalLayout::resizeTo(QWidget *window, float rx, float ry)
{
    const QSize frame = window->frameGeometry().size() - window->size();
    const QSize outer(12000 + ui::pixelsToTwips(frame.width()),
                      8610 + ui::pixelsToTwips(frame.height()));
    const QSize target(ui::twipsToPixels(outer.width() * rx) - frame.width(),
                       ui::twipsToPixels(outer.height() * ry) - frame.height());
    window->resize(target);
    QTRY_COMPARE(window->size(), target);
    QCoreApplication::processEvents();
}

QRect tst_ProportionalLayout::twipsOf(const QWidget *w)
{
    return QRect(ui::leftTwips(w), ui::topTwips(w), ui::widthTwips(w), ui::heightTwips(w));
}

void tst_ProportionalLayout::fontScaleIsTheSmallerFactorRoundedDown_data()
{
    QTest::addColumn<int>("design");
    QTest::addColumn<float>("rx");
    QTest::addColumn<float>("ry");
    QTest::addColumn<int>("points");
    QTest::newRow("same size") << 8 << 1.0f << 1.0f << 8;
    QTest::newRow("twice") << 18 << 2.0f << 2.0f << 36;
    QTest::newRow("wider only") << 18 << 2.0f << 1.0f << 18;
    QTest::newRow("half height, 18") << 18 << 1.0f << 0.5f << 9;
    QTest::newRow("half height, 13") << 13 << 1.0f << 0.5f << 6;
    QTest::newRow("tie takes rx") << 10 << 0.75f << 0.75f << 7;
    QTest::newRow("minimised") << 12 << 0.01f << 0.02f << 0;
}

void tst_ProportionalLayout::fontScaleIsTheSmallerFactorRoundedDown()
{
    QFETCH(int, design);
    QFETCH(float, rx);
    QFETCH(float, ry);
    QFETCH(int, points);
    const ProportionalLayout::Factors f {rx, ry};
    QCOMPARE(ProportionalLayout::scaledFontSize(design, f.fontScale()), points);
}

void tst_ProportionalLayout::loadSizeGivesTheDesignBackWithWholeFonts()
{
    WorkDir dir;
    MainPortal *menu = openMenu();
    QCOMPARE(twipsOf(menu->findChild<QPushButton *>("Command1")), QRect(240, 3960, 5775, 2655));
    QCOMPARE(twipsOf(menu->findChild<QPushButton *>("BtnDelStudent")),
             QRect(9480, 2640, 2055, 735));
    QCOMPARE(twipsOf(menu->findChild<QWidget *>("lblWelcome")), QRect(120, 240, 11295, 1935));
    QCOMPARE(menu->findChild<QPushButton *>("Command1")->font().pointSizeF(), 18.0);
    // The frame's design font is 8.25 points; it is recorded and shown as 8.
    QCOMPARE(menu->findChild<QGroupBox *>("Frame1")->font().pointSizeF(), 8.0);
}

void tst_ProportionalLayout::twiceTheSizeDoublesEveryControl()
{
    WorkDir dir;
    MainPortal *menu = openMenu();
    resizeTo(menu, 2, 2);
    auto *start = menu->findChild<QPushButton *>("Command1");
    QCOMPARE(twipsOf(start), QRect(480, 7920, 11550, 5310));
    QCOMPARE(start->font().pointSize(), 36);
    QCOMPARE(twipsOf(menu->findChild<QWidget *>("lblWelcome")), QRect(240, 480, 22590, 3870));
    QCOMPARE(menu->findChild<QComboBox *>("Combo1")->font().pointSize(), 48);
}

void tst_ProportionalLayout::widerOnlyKeepsEveryFont()
{
    WorkDir dir;
    MainPortal *menu = openMenu();
    resizeTo(menu, 2, 1);
    auto *exit = menu->findChild<QPushButton *>("Command5");
    QCOMPARE(twipsOf(exit), QRect(15840, 6960, 7710, 1215));
    QCOMPARE(exit->font().pointSize(), 18);
    QCOMPARE(menu->findChild<QPushButton *>("btnAddStduent")->font().pointSize(), 12);
}

void tst_ProportionalLayout::halfHeightHalvesTheFonts()
{
    WorkDir dir;
    MainPortal *menu = openMenu();
    resizeTo(menu, 1, 0.5f);
    QCOMPARE(menu->findChild<QPushButton *>("Command5")->font().pointSize(), 9);
    QCOMPARE(menu->findChild<QPushButton *>("btnAddStduent")->font().pointSize(), 6);
    QCOMPARE(ui::topTwips(menu->findChild<QPushButton *>("Command5")), 3480);
}

void tst_ProportionalLayout::linesMoveByTheirEndsAndStayHorizontal()
{
    WorkDir dir;
    auto *print = Windows::load<PrintMenu>();
    print->show();
    QVERIFY(QTest::qWaitForWindowExposed(print));
    auto *line = print->findChild<ui::WindowlessLine *>("Line1(24)");
    QCOMPARE(QLineF(line->x1(), line->y1(), line->x2(), line->y2()),
             QLineF(4320, 6240, 5280, 6240));
    resizeTo(print, 1.5f, 2);
    QCOMPARE(line->x1(), 6480.0);
    QCOMPARE(line->y1(), 12480.0);
    QCOMPARE(line->x2(), 7920.0);
    QCOMPARE(line->y2(), 12480.0);
    // Arial 18 at the smaller factor, 1.5.
    QCOMPARE(print->findChild<QPushButton *>("CmdNew")->font().pointSize(), 27);
    resizeTo(print, 1, 1);
    QCOMPARE(line->x2(), 5280.0);
    QCOMPARE(print->findChild<QPushButton *>("CmdNew")->font().pointSize(), 18);
}

void tst_ProportionalLayout::shrinkingAndGrowingBackRestoresTheDesign()
{
    WorkDir dir;
    MainPortal *menu = openMenu();
    QList<QRect> before;
    QList<int> fonts;
    for (QObject *control : std::as_const(*menu).controls().inCreationOrder()) {
        auto *w = qobject_cast<QWidget *>(control); // the main menu has no windowless controls
        before.append(twipsOf(w));
        fonts.append(w->font().pointSize());
    }
    resizeTo(menu, 0.4f, 0.33f);
    resizeTo(menu, 2.7f, 1.1f);
    resizeTo(menu, 1, 1);
    QList<QRect> after;
    QList<int> fontsAfter;
    for (QObject *control : std::as_const(*menu).controls().inCreationOrder()) {
        auto *w = qobject_cast<QWidget *>(control);
        after.append(twipsOf(w));
        fontsAfter.append(w->font().pointSize());
    }
    QCOMPARE(after, before);
    QCOMPARE(fontsAfter, fonts);
}

void tst_ProportionalLayout::minimiseAndRestoreRestoresTheDesign()
{
    WorkDir dir;
    MainPortal *menu = openMenu();
    menu->showMinimized();
    QCoreApplication::processEvents();
    menu->showNormal();
    QCoreApplication::processEvents();
    QCOMPARE(twipsOf(menu->findChild<QPushButton *>("Command4")), QRect(240, 6960, 3735, 1215));
    QCOMPARE(menu->findChild<QPushButton *>("Command4")->font().pointSize(), 18);
}

QTEST_MAIN(tst_ProportionalLayout)
#include "tst_proportionallayout.moc"
