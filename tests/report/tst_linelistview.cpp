#include "report/linelistview.h"
#include "support/testsupport.h"

#include <QSignalSpy>
#include <QStringListModel>
#include <QtTest>

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

class tst_linelistview : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        testsupport::closeAllWindows();
        QCOMPARE(testsupport::visibleTopLevelWindows(), 0);
    }

    void keysMoveThePick()
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

    void clickPicksTheLineUnderTheMouse()
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
};

QTEST_MAIN(tst_linelistview)
#include "tst_linelistview.moc"
