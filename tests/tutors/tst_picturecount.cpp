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
        const Shade shade = count.placeShade(i);
        s += shade == Shade::Pink ? u'p' : shade == Shade::Yellow ? u'y' : u'g';
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

} // namespace

class TestPictureCount : public QObject
{
    Q_OBJECT
private slots:
    void pressByPress_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<int>("presses");
        QTest::addColumn<QString>("placeRows");
        QTest::addColumn<QString>("pictureRow");
        QTest::addColumn<int>("firstRow");
        QTest::addColumn<QString>("secondRow"); // empty while the counter is hidden
        QTest::addColumn<int>("total");
        QTest::addColumn<QString>("sumLine"); // empty until finished

        QTest::newRow("7+5 opened") << 7 << 5 << 0 << "pppppppggg|gggggggggg"
                                    << "yyyyy-----" << 7 << "" << 7 << "";
        QTest::newRow("7+5 press 1") << 7 << 5 << 1 << "pppppppygg|gggggggggg"
                                     << "gyyyy-----" << 8 << "" << 8 << "";
        QTest::newRow("7+5 press 3") << 7 << 5 << 3 << "pppppppyyy|gggggggggg"
                                     << "gggyy-----" << 10 << "" << 10 << "";
        QTest::newRow("7+5 press 4") << 7 << 5 << 4 << "pppppppyyy|yggggggggg"
                                     << "ggggy-----" << 10 << "1" << 11 << "";
        QTest::newRow("7+5 press 5") << 7 << 5 << 5 << "pppppppyyy|yygggggggg"
                                     << "ggggg-----" << 10 << "2" << 12 << "7 + 5 = 12";
        QTest::newRow("10+10 press 1") << 10 << 10 << 1 << "pppppppppp|yggggggggg"
                                       << "gyyyyyyyyy" << 10 << "1" << 11 << "";
        QTest::newRow("10+10 done") << 10 << 10 << 10 << "pppppppppp|yyyyyyyyyy"
                                    << "gggggggggg" << 10 << "10" << 20 << "10 + 10 = 20";
        QTest::newRow("0+3 opened") << 0 << 3 << 0 << "gggggggggg|gggggggggg"
                                    << "yyy-------" << 0 << "" << 0 << "";
        QTest::newRow("0+3 press 1") << 0 << 3 << 1 << "yggggggggg|gggggggggg"
                                     << "gyy-------" << 1 << "" << 1 << "";
        QTest::newRow("4+0 first press ends it") << 4 << 0 << 1 << "ppppgggggg|gggggggggg"
                                                 << "----------" << 4 << "" << 4 << "4 + 0 = 4";
    }

    void pressByPress()
    {
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(int, presses);
        QFETCH(QString, placeRows);
        QFETCH(QString, pictureRow);
        QFETCH(int, firstRow);
        QFETCH(QString, secondRow);
        QFETCH(int, total);
        QFETCH(QString, sumLine);

        PictureCount count;
        count.initialize(first, second);
        for (int i = 0; i < presses; ++i) {
            QVERIFY(!count.finished());
            count.press();
        }
        QCOMPARE(places(count), placeRows);
        QCOMPARE(pictures(count), pictureRow);
        QCOMPARE(count.firstRowCount(), firstRow);
        QCOMPARE(count.secondRowCountShown() ? QString::number(count.secondRowCount()) : QString(),
                 secondRow);
        QCOMPARE(count.total(), total);
        QCOMPARE(count.finished(), !sumLine.isEmpty());
        if (count.finished()) {
            QCOMPARE(count.sumLine(), sumLine);
        }
    }

    void drawsEachPictureFromTheRandomSource_data()
    {
        QTest::addColumn<double>("rnd");
        QTest::addColumn<int>("index");

        QTest::newRow("just above 1/7") << 0.1429 << 1;
        QTest::newRow("almost 1") << 0.999999 << 6;
    }

    void drawsEachPictureFromTheRandomSource()
    {
        QFETCH(double, rnd);
        QFETCH(int, index);

        testsupport::ScriptedRandom random({rnd});
        QCOMPARE(PictureCount::drawPicture(), index);
        QCOMPARE(random.draws(), 1);
    }
};

QTEST_GUILESS_MAIN(TestPictureCount)
#include "tst_picturecount.moc"
