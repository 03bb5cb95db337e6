#include "support/testsupport.h"
#include "tutors/picturecount.h"

#include <QtTest>

using Shade = PictureCount::Shade;

namespace {

// The places as letters, first row then second: p pink, y yellow, g grey.
QString places(const PictureCount &count)
{
    QString s;
    for (int i = 0; i < PictureCount::Places; ++i) {
        s += count.placeShade(i) == Shade::Pink    ? u'p'
            : count.placeShade(i) == Shade::Yellow ? u'y'
                                                   : u'g';
        if (i == PictureCount::RowLength - 1) {
            s += u'|';
        }
    }
    return s;
}

// The second operand's row: y unmoved, g moved, - not shown.
QString pictures(const PictureCount &count)
{
    QString s;
    for (int i = 0; i < PictureCount::Pictures; ++i) {
        s += !count.pictureShown(i) ? u'-' : count.pictureShade(i) == Shade::Yellow ? u'y' : u'g';
    }
    return s;
}

// The second-row counter as a person sees it: hidden, or its number.
QString secondRow(const PictureCount &count)
{
    return count.secondRowCountShown() ? QString::number(count.secondRowCount()) : QString();
}

} // namespace

class TestPictureCount : public QObject
{
    Q_OBJECT
private slots:
    void sevenPlusFivePressByPress_data();
    void sevenPlusFivePressByPress();
    void tenPlusTenFillsTheSecondRow();
    void zeroPlusThreeStartsAtTheFirstPlace();
    void fourPlusZeroFinishesOnTheFirstPress();
    void everySumCountsToItsTotal_data();
    void everySumCountsToItsTotal();
    void drawsEachPictureFromTheRandomSource_data();
    void drawsEachPictureFromTheRandomSource();
};

void TestPictureCount::sevenPlusFivePressByPress_data()
{
    QTest::addColumn<int>("presses");
    QTest::addColumn<QString>("placeRows");
    QTest::addColumn<QString>("pictureRow");
    QTest::addColumn<int>("firstRow");
    QTest::addColumn<QString>("secondRowCount");
    QTest::addColumn<int>("total");

    QTest::newRow("opened") << 0 << "pppppppggg|gggggggggg"
                            << "yyyyy-----" << 7 << "" << 7;
    QTest::newRow("press 1") << 1 << "pppppppygg|gggggggggg"
                             << "gyyyy-----" << 8 << "" << 8;
    QTest::newRow("press 2") << 2 << "pppppppyyg|gggggggggg"
                             << "ggyyy-----" << 9 << "" << 9;
    QTest::newRow("press 3") << 3 << "pppppppyyy|gggggggggg"
                             << "gggyy-----" << 10 << "" << 10;
    QTest::newRow("press 4") << 4 << "pppppppyyy|yggggggggg"
                             << "ggggy-----" << 10 << "1" << 11;
    QTest::newRow("press 5") << 5 << "pppppppyyy|yygggggggg"
                             << "ggggg-----" << 10 << "2" << 12;
}

void TestPictureCount::sevenPlusFivePressByPress()
{
    QFETCH(int, presses);
    QFETCH(QString, placeRows);
    QFETCH(QString, pictureRow);
    QFETCH(int, firstRow);
    QFETCH(QString, secondRowCount);
    QFETCH(int, total);

    PictureCount count;
    count.initialize(7, 5);
    for (int i = 0; i < presses; ++i) {
        QVERIFY(!count.finished());
        count.press();
    }
    QCOMPARE(places(count), placeRows);
    QCOMPARE(pictures(count), pictureRow);
    QCOMPARE(count.firstRowCount(), firstRow);
    QCOMPARE(secondRow(count), secondRowCount);
    QCOMPARE(count.total(), total);
    QCOMPARE(count.movedCount(), presses);
    QCOMPARE(count.finished(), presses == 5);
    if (count.finished()) {
        QCOMPARE(count.sumLine(), QStringLiteral("7 + 5 = 12"));
    }
}

void TestPictureCount::tenPlusTenFillsTheSecondRow()
{
    PictureCount count;
    count.initialize(10, 10);
    QCOMPARE(places(count), QStringLiteral("pppppppppp|gggggggggg"));
    QCOMPARE(count.firstRowCount(), 10);
    QCOMPARE(secondRow(count), QString());
    for (int press = 1; press <= 10; ++press) {
        count.press();
        QCOMPARE(count.firstRowCount(), 10);
        QCOMPARE(secondRow(count), QString::number(press));
        QCOMPARE(count.total(), 10 + press);
        QCOMPARE(count.finished(), press == 10);
    }
    QCOMPARE(places(count), QStringLiteral("pppppppppp|yyyyyyyyyy"));
    QCOMPARE(pictures(count), QStringLiteral("gggggggggg"));
    QCOMPARE(count.sumLine(), QStringLiteral("10 + 10 = 20"));
}

void TestPictureCount::zeroPlusThreeStartsAtTheFirstPlace()
{
    PictureCount count;
    count.initialize(0, 3);
    QCOMPARE(places(count), QStringLiteral("gggggggggg|gggggggggg"));
    QCOMPARE(count.firstRowCount(), 0);
    QCOMPARE(count.total(), 0);
    count.press();
    QCOMPARE(places(count), QStringLiteral("yggggggggg|gggggggggg"));
    QCOMPARE(count.firstRowCount(), 1);
    QCOMPARE(count.total(), 1);
    QVERIFY(!count.finished());
}

void TestPictureCount::fourPlusZeroFinishesOnTheFirstPress()
{
    PictureCount count;
    count.initialize(4, 0);
    QCOMPARE(pictures(count), QStringLiteral("----------"));
    QVERIFY(!count.finished());
    count.press();
    QVERIFY(count.finished());
    QCOMPARE(count.movedCount(), 0);
    QCOMPARE(places(count), QStringLiteral("ppppgggggg|gggggggggg"));
    QCOMPARE(count.total(), 4);
    QCOMPARE(count.firstRowCount(), 4);
    QCOMPARE(count.sumLine(), QStringLiteral("4 + 0 = 4"));
}

void TestPictureCount::everySumCountsToItsTotal_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");

    QTest::newRow("0+0") << 0 << 0;
    QTest::newRow("0+10") << 0 << 10;
    QTest::newRow("10+0") << 10 << 0;
    QTest::newRow("3+7") << 3 << 7;
    QTest::newRow("9+2") << 9 << 2;
    QTest::newRow("6+9") << 6 << 9;
}

void TestPictureCount::everySumCountsToItsTotal()
{
    QFETCH(int, first);
    QFETCH(int, second);

    PictureCount count;
    count.initialize(first, second);
    int presses = 0;
    while (!count.finished()) {
        count.press();
        ++presses;
        QVERIFY(presses <= 10);
    }
    QCOMPARE(presses, qMax(second, 1));
    QCOMPARE(count.total(), first + second);
    const QString shades = places(count).remove(u'|');
    QCOMPARE(shades.count(u'p'), first);
    QCOMPARE(shades.count(u'y'), second);
    QCOMPARE(shades.indexOf(u'g') == -1 ? 20 : shades.indexOf(u'g'), first + second);
    const int inFirstRow = qMin(first + second, 10);
    QCOMPARE(count.firstRowCount(), second == 0 ? first : inFirstRow);
    QCOMPARE(secondRow(count),
             first + second > 10 ? QString::number(first + second - 10) : QString());
    QCOMPARE(count.sumLine(),
             QStringLiteral("%1 + %2 = %3").arg(first).arg(second).arg(first + second));
}

void TestPictureCount::drawsEachPictureFromTheRandomSource_data()
{
    QTest::addColumn<double>("rnd");
    QTest::addColumn<int>("index");

    QTest::newRow("0") << 0.0 << 0;
    QTest::newRow("just below 1/7") << 0.1428 << 0;
    QTest::newRow("just above 1/7") << 0.1429 << 1;
    QTest::newRow("half") << 0.5 << 3;
    QTest::newRow("just below 6/7") << 0.857 << 5;
    QTest::newRow("almost 1") << 0.999999 << 6;
}

void TestPictureCount::drawsEachPictureFromTheRandomSource()
{
    QFETCH(double, rnd);
    QFETCH(int, index);

    testsupport::ScriptedRandom random({rnd});
    QCOMPARE(PictureCount::drawPicture(), index);
    QCOMPARE(random.draws(), 1);
}

QTEST_GUILESS_MAIN(TestPictureCount)
#include "tst_picturecount.moc"
