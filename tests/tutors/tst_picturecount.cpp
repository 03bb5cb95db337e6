#include "tutors/picturecount.h"

#include <QtTest>

using Shade = PictureCount::Shade;

namespace {

// What the tutor shows: the places, first row then second (p pink, y yellow, g grey); the
// second operand's row (y unmoved, g moved, - not shown); the two counters (- while the
// second is hidden), the total, and the sum once finished.
QString shown(const PictureCount &count)
{
    const auto letter = [](Shade s) {
        return s == Shade::Pink ? 'p' : s == Shade::Yellow ? 'y' : 'g';
    };
    QString s;
    for (int i = 0; i < PictureCount::Places; ++i) {
        s += QLatin1Char(letter(count.placeShade(i)));
        s += i == PictureCount::RowLength - 1 ? "|" : "";
    }
    s += u' ';
    for (int i = 0; i < PictureCount::Pictures; ++i) {
        s += count.pictureShown(i) ? QLatin1Char(letter(count.pictureShade(i))) : QLatin1Char('-');
    }
    s += QStringLiteral(" %1 + %2 = %3")
             .arg(count.firstRowCount())
             .arg(count.secondRowCountShown() ? QString::number(count.secondRowCount()) : "-")
             .arg(count.total());
    return count.finished() ? s + ", " + count.sumLine() : s;
}

} // namespace

class TestPictureCount : public QObject
{
    Q_OBJECT
private slots:
    void pressByPress()
    {
        // As opened, then after each press until the sum is finished.
        const auto walk = [](int first, int second) {
            PictureCount count;
            count.initialize(first, second);
            QStringList steps {shown(count)};
            while (!count.finished() && steps.size() <= PictureCount::Pictures) {
                count.press();
                steps.append(shown(count));
            }
            return steps;
        };
        QCOMPARE(walk(7, 5),
                 (QStringList {"pppppppggg|gggggggggg yyyyy----- 7 + - = 7",
                               "pppppppygg|gggggggggg gyyyy----- 8 + - = 8",
                               "pppppppyyg|gggggggggg ggyyy----- 9 + - = 9",
                               "pppppppyyy|gggggggggg gggyy----- 10 + - = 10",
                               "pppppppyyy|yggggggggg ggggy----- 10 + 1 = 11",
                               "pppppppyyy|yygggggggg ggggg----- 10 + 2 = 12, "
                               "7 + 5 = 12"}));
        QCOMPARE(walk(0, 3),
                 (QStringList {"gggggggggg|gggggggggg yyy------- 0 + - = 0",
                               "yggggggggg|gggggggggg gyy------- 1 + - = 1",
                               "yygggggggg|gggggggggg ggy------- 2 + - = 2",
                               "yyyggggggg|gggggggggg ggg------- 3 + - = 3, "
                               "0 + 3 = 3"}));
    }
};

QTEST_GUILESS_MAIN(TestPictureCount)
#include "tst_picturecount.moc"
