#include "exercise/addition.h"
#include "exercise/exerciselayout.h"
#include "support/testsupport.h"
#include "ui/twips.h"
#include "ui/windowless.h"
#include "ui/windows.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace testsupport;

class tst_ExerciseLayout : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void fontsComeFromTheHeightAlone_data();
    void fontsComeFromTheHeightAlone();
    void lineEndsRoundHalvesToEven();
    void designSizeGivesTheDesignBack();
    void twiceTheDesignSize();
    void widerOnlyKeepsTheFonts();
    void tinyWindowKeepsOnePointFonts();
    void shrinkingAndGrowingBackRestoresTheDesign();

private:
    void resizeOuterTo(int widthTwips, int heightTwips);
    QRect twipsOf(const QString &name) const;
    int points(const QString &name) const
    {
        return m_window->findChild<QObject *>(name)->property("font").value<QFont>().pointSize();
    }

    std::unique_ptr<WorkDir> m_dir;
    Addition *m_window = nullptr;
};

void tst_ExerciseLayout::init()
{
    m_dir = std::make_unique<WorkDir>();
    m_window = Windows::load<Addition>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void tst_ExerciseLayout::cleanup()
{
    closeAllWindows();
    QCOMPARE(visibleTopLevelWindows(), 0);
    m_dir.reset();
}

// Resizes the way a user's drag does, to an outer size with frame and title bar.
void tst_ExerciseLayout::resizeOuterTo(int widthTwips, int heightTwips)
{
    const QSize client = QSize(widthTwips, heightTwips) - ui::frameExtraTwips(m_window);
    const QSize target(ui::twipsToPixels(client.width()), ui::twipsToPixels(client.height()));
    m_window->resize(target);
    QTRY_COMPARE(m_window->size(), target);
    QCoreApplication::processEvents();
}

QRect tst_ExerciseLayout::twipsOf(const QString &name) const
{
    const QRect r = m_window->findChild<QObject *>(name)->property("geometry").toRect();
    return QRect(ui::pixelsToTwips(r.x()), ui::pixelsToTwips(r.y()), ui::pixelsToTwips(r.width()),
                 ui::pixelsToTwips(r.height()));
}

void tst_ExerciseLayout::fontsComeFromTheHeightAlone_data()
{
    QTest::addColumn<double>("fy");
    QTest::addColumn<QList<int>>("sizes");
    QTest::newRow("design") << 1.0 << QList<int> {14, 8, 18, 24};
    QTest::newRow("twice") << 2.0 << QList<int> {28, 16, 36, 48};
    QTest::newRow("a little smaller") << 0.99 << QList<int> {13, 7, 17, 23};
    QTest::newRow("below 652 twips") << 640.0 / 9120 << QList<int> {1, 1, 1, 1};
}

void tst_ExerciseLayout::fontsComeFromTheHeightAlone()
{
    QFETCH(double, fy);
    QFETCH(QList<int>, sizes);
    const QList<int> bases = {ExerciseLayout::RowFont, ExerciseLayout::NumberFont,
                              ExerciseLayout::ButtonFont, ExerciseLayout::ScoreFont};
    for (int i = 0; i < bases.size(); ++i) {
        QCOMPARE(ExerciseLayout::fontSize(fy, bases.at(i)), sizes.at(i));
    }
}

void tst_ExerciseLayout::lineEndsRoundHalvesToEven()
{
    QCOMPARE(ExerciseLayout::nearest(0.5, 2161), 1080);
    QCOMPARE(ExerciseLayout::nearest(0.5, 2163), 1082);
    QCOMPARE(ExerciseLayout::down(0.5, 2163), 1081);
}

void tst_ExerciseLayout::designSizeGivesTheDesignBack()
{
    QCOMPARE(ui::outerSizeTwips(m_window), QSize(12120, 9120));
    QCOMPARE(twipsOf("cmdcheck"), QRect(3600, 7320, 6735, 1215));
    // Twips that fall between pixels land on the nearest one.
    QCOMPARE(m_window->findChild<QWidget *>("Text1(7)")->geometry(),
             ui::twipsRect(600 + 2 * 2520, 1150 + 1680, 1335, 420));
    QCOMPARE(points("cmdcheck"), 18);
    QCOMPARE(points("txtScore"), 24);
    QCOMPARE(points("lblno(1)"), 8);
    QCOMPARE(points("lblmark(16)"), 14);
    auto *line = m_window->findChild<ui::WindowlessLine *>("Line1(2)");
    QCOMPARE(QLineF(line->x1(), line->y1(), line->x2(), line->y2()),
             QLineF(240 + 2520, 1080, 2160 + 2520, 1080));
}

void tst_ExerciseLayout::twiceTheDesignSize()
{
    resizeOuterTo(24240, 18240);
    QCOMPARE(twipsOf("cmdcheck"), QRect(7200, 14640, 13470, 2430));
    QCOMPARE(points("cmdcheck"), 36);
    QCOMPARE(points("lblno(5)"), 16);
    // Every element takes element 1's size at its own scaled place.
    QCOMPARE(m_window->findChild<QWidget *>("Text1(16)")->geometry(),
             ui::twipsRect(2 * (600 + 3 * 2520), 2 * (1150 + 3 * 1680), 2670, 840));
    auto *line = m_window->findChild<ui::WindowlessLine *>("Line1(6)");
    QCOMPARE(
        QLineF(line->x1(), line->y1(), line->x2(), line->y2()),
        QLineF(2 * (240 + 2520), 2 * (1080 + 1680), 2 * (240 + 2520) + 3840, 2 * (1080 + 1680)));
    // A drop-down list keeps the height its font gives it.
    auto *levels = m_window->findChild<QComboBox *>("Combo1");
    QCOMPARE(levels->height(), levels->sizeHint().height());
}

void tst_ExerciseLayout::widerOnlyKeepsTheFonts()
{
    resizeOuterTo(24240, 9120);
    QCOMPARE(twipsOf("CmdNew"), QRect(240, 7320, 6750, 1215));
    QCOMPARE(points("CmdNew"), 18);
    QCOMPARE(points("Label2(3)"), 14);
}

void tst_ExerciseLayout::tinyWindowKeepsOnePointFonts()
{
    resizeOuterTo(3030, 600);
    QCOMPARE(points("cmdMenu"), 1);
    QCOMPARE(points("lblno(1)"), 1);
    QCOMPARE(points("txtScore"), 1);
}

void tst_ExerciseLayout::shrinkingAndGrowingBackRestoresTheDesign()
{
    QList<QRect> design;
    for (QObject *w : std::as_const(*m_window).controls().inCreationOrder()) {
        design.append(twipsOf(w->objectName()));
    }
    resizeOuterTo(7000, 5000);
    resizeOuterTo(30000, 9000);
    resizeOuterTo(12120, 9120);
    QList<QRect> after;
    for (QObject *w : std::as_const(*m_window).controls().inCreationOrder()) {
        after.append(twipsOf(w->objectName()));
    }
    QCOMPARE(after, design);
    QCOMPARE(points("lblAnswer(9)"), 14);
}

QTEST_MAIN(tst_ExerciseLayout)
#include "tst_exerciselayout.moc"
