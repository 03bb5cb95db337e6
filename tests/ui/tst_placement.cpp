#include "ui/placement.h"

#include <QtTest>

class tst_placement : public QObject
{
    Q_OBJECT
private slots:
    void beside_data();
    void beside();
};

void tst_placement::beside_data()
{
    QTest::addColumn<QRect>("anchor");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QPoint>("expected");
    const QRect screen(0, 0, 1920, 1040);
    QTest::newRow("room on the right")
        << QRect(100, 50, 800, 600) << QSize(800, 600) << screen << QPoint(900, 50);
    QTest::newRow("only room on the left")
        << QRect(1000, 50, 800, 600) << QSize(800, 600) << screen << QPoint(200, 50);
    QTest::newRow("no room either side: against the right edge")
        << QRect(500, 50, 800, 600) << QSize(800, 600) << screen << QPoint(1120, 50);
    QTest::newRow("exactly fits on the right")
        << QRect(320, 0, 800, 600) << QSize(800, 600) << screen << QPoint(1120, 0);
    QTest::newRow("kept above the bottom")
        << QRect(100, 700, 800, 600) << QSize(800, 600) << screen << QPoint(900, 440);
    QTest::newRow("kept below the top")
        << QRect(100, -30, 800, 600) << QSize(800, 600) << screen << QPoint(900, 0);
    QTest::newRow("second screen to the right") << QRect(2000, 100, 800, 600) << QSize(800, 600)
                                                << QRect(1920, 0, 1920, 1080) << QPoint(2800, 100);
    QTest::newRow("wider than the screen: from its left edge")
        << QRect(0, 0, 800, 600) << QSize(2000, 600) << screen << QPoint(0, 0);
}

void tst_placement::beside()
{
    QFETCH(QRect, anchor);
    QFETCH(QSize, size);
    QFETCH(QRect, screen);
    QFETCH(QPoint, expected);
    QCOMPARE(ui::besidePosition(anchor, size, screen), expected);
}

QTEST_GUILESS_MAIN(tst_placement)
#include "tst_placement.moc"
