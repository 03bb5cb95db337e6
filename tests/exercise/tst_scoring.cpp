#include "core/exercise/scoring.h"

#include <QTest>

class tst_scoring : public QObject
{
    Q_OBJECT
private slots:
    void percentHalvesToEven_data()
    {
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("percent");
        const int table[] = {0, 6, 12, 19, 25, 31, 38, 44, 50, 56, 62, 69, 75, 81, 88, 94, 100};
        for (int right = 0; right <= 16; ++right) {
            QTest::addRow("%d right", right) << right << table[right];
        }
    }

    void percentHalvesToEven()
    {
        QFETCH(int, right);
        QFETCH(int, percent);
        QCOMPARE(scoring::scorePercent(right), percent);
    }

    void marking()
    {
        QVERIFY(scoring::markAnswer(" 7.0 ", 7).right);
        QVERIFY(!scoring::markAnswer("7.5", 7).right);
        // An empty box is marked as 0, which is right for 0 + 0.
        QCOMPARE(scoring::markAnswer("", 0).shownText, QStringLiteral("0"));
        QVERIFY(scoring::markAnswer("", 0).right);
    }
};

QTEST_GUILESS_MAIN(tst_scoring)
#include "tst_scoring.moc"
