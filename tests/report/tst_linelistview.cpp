#include "report/linelistview.h"
#include "support/testsupport.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QStringListModel>
#include <QtTest>

class tst_linelistview : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void scrollsToTheBottomLineByLine();
    void keysMoveThePick();
    void clickPicksTheLineUnderTheMouse();
    void resetStartsAfresh();
    void drawsTheListColoursAndThePick();
    void wideLinesScrollSideways();
};

static QStringList numbered(int count, const QString &prefix = QStringLiteral("line "))
{
    QStringList lines;
    for (int i = 0; i < count; ++i) {
        lines.append(prefix + QString::number(i));
    }
    return lines;
}

// A list of a given size in pixels, shown.
struct Shown
{
    explicit Shown(QAbstractItemModel *model, QSize size = {200, 120})
    {
        view.setModel(model);
        view.resize(size);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
    }
    LineListView view;
};

void tst_linelistview::cleanup()
{
    testsupport::closeAllWindows();
    QCOMPARE(testsupport::visibleTopLevelWindows(), 0);
}

void tst_linelistview::scrollsToTheBottomLineByLine()
{
    QStringListModel model(numbered(100));
    Shown s(&model);
    LineListView &view = s.view;
    QCOMPARE(view.rowCount(), 100);
    const int whole = view.wholeRowsVisible();
    QVERIFY(whole >= 2 && whole < 100);
    QCOMPARE(view.firstVisibleRow(), 0);
    QCOMPARE(view.rowRect(0).top(), 0);
    QVERIFY(view.rowRect(whole + 1).isEmpty());

    view.scrollToBottom();
    QCOMPARE(view.firstVisibleRow(), 100 - whole);
    QVERIFY(view.viewport()->rect().contains(view.rowRect(99)));
    QVERIFY(view.rowRect(100 - whole - 1).isEmpty());

    // The wheel moves by whole lines.
    QWheelEvent wheel(QPointF(10, 10), view.viewport()->mapToGlobal(QPointF(10, 10)), {},
                      {0, 120}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view.viewport(), &wheel);
    QVERIFY(view.firstVisibleRow() < 100 - whole);
}

void tst_linelistview::keysMoveThePick()
{
    QStringListModel model(numbered(100));
    Shown s(&model);
    LineListView &view = s.view;
    view.setFocus();
    QSignalSpy picked(&view, &LineListView::currentRowChanged);
    QCOMPARE(view.currentRow(), -1);

    QTest::keyClick(&view, Qt::Key_Down);
    QCOMPARE(view.currentRow(), 0);
    QTest::keyClick(&view, Qt::Key_Down);
    QCOMPARE(view.currentRow(), 1);
    QTest::keyClick(&view, Qt::Key_Up);
    QCOMPARE(view.currentRow(), 0);
    QTest::keyClick(&view, Qt::Key_Up);
    QCOMPARE(view.currentRow(), 0);

    const int whole = view.wholeRowsVisible();
    QTest::keyClick(&view, Qt::Key_PageDown);
    QCOMPARE(view.currentRow(), whole);
    QVERIFY(view.viewport()->rect().contains(view.rowRect(whole)));

    QTest::keyClick(&view, Qt::Key_End);
    QCOMPARE(view.currentRow(), 99);
    QCOMPARE(view.firstVisibleRow(), 100 - whole);
    QTest::keyClick(&view, Qt::Key_Down);
    QCOMPARE(view.currentRow(), 99);
    QTest::keyClick(&view, Qt::Key_PageUp);
    QCOMPARE(view.currentRow(), 99 - whole);
    QTest::keyClick(&view, Qt::Key_Home);
    QCOMPARE(view.currentRow(), 0);
    QCOMPARE(view.firstVisibleRow(), 0);
    QCOMPARE(picked.size(), 7);
    QCOMPARE(picked.last().first().toInt(), 0);
}

void tst_linelistview::clickPicksTheLineUnderTheMouse()
{
    QStringListModel model(numbered(100));
    Shown s(&model);
    LineListView &view = s.view;
    view.scrollToRow(50);
    const int first = view.firstVisibleRow();
    QVERIFY(first > 0);
    const QPoint third = view.rowRect(first + 2).center();
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, third);
    QCOMPARE(view.currentRow(), first + 2);
    QCOMPARE(view.rowAt(third), first + 2);
    // Below the last line of a short list there is nothing to pick.
    QStringListModel few(numbered(2));
    view.setModel(&few);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {},
                      QPoint(5, view.viewport()->height() - 2));
    QCOMPARE(view.currentRow(), -1);
}

void tst_linelistview::resetStartsAfresh()
{
    QStringListModel model(numbered(100));
    Shown s(&model);
    LineListView &view = s.view;
    view.setCurrentRow(80);
    QVERIFY(view.firstVisibleRow() > 0);
    model.setStringList(numbered(3, QStringLiteral("other ")));
    QCOMPARE(view.rowCount(), 3);
    QCOMPARE(view.currentRow(), -1);
    QCOMPARE(view.firstVisibleRow(), 0);
    QCOMPARE(view.verticalScrollBar()->maximum(), 0);
}

void tst_linelistview::drawsTheListColoursAndThePick()
{
    QStringListModel model(QStringList{QStringLiteral("one"), QStringLiteral("two")});
    Shown s(&model);
    LineListView &view = s.view;
    QPalette p = view.palette();
    p.setColor(QPalette::Base, QColor(64, 0, 64));
    p.setColor(QPalette::Highlight, QColor(0, 0, 200));
    view.setPalette(p);
    view.setCurrentRow(1);
    const QImage image = view.viewport()->grab().toImage();
    const QRect picked = view.rowRect(1);
    // Right of the text, so that only the background is seen.
    QCOMPARE(image.pixelColor(picked.right() - 2, picked.center().y()), QColor(0, 0, 200));
    QCOMPARE(image.pixelColor(view.rowRect(0).right() - 2, view.rowRect(0).center().y()),
             QColor(64, 0, 64));
    QCOMPARE(image.pixelColor(5, image.height() - 3), QColor(64, 0, 64));
}

void tst_linelistview::wideLinesScrollSideways()
{
    QStringListModel model(QStringList{QString(300, u'w'), QStringLiteral("short")});
    Shown s(&model);
    LineListView &view = s.view;
    QTRY_VERIFY(view.horizontalScrollBar()->maximum() > 0);
    QStringListModel narrow(QStringList{QStringLiteral("a")});
    view.setModel(&narrow);
    QTRY_COMPARE(view.horizontalScrollBar()->maximum(), 0);
}

QTEST_MAIN(tst_linelistview)
#include "tst_linelistview.moc"
