#include "print/worksheetpage.h"
#include "recordingsurface.h"

#include <QTest>

#include <cmath>

using Printed = RecordingSurface::Printed;

namespace {

// Operands of one, two and three digits in every column and both rows of a block.
worksheet::Set knownSet()
{
    static const char *const texts[] = {"7", "123", "45", "0", "999", "10", "8", "306"};
    worksheet::Set set;
    for (int n = 1; n <= worksheet::Questions; ++n) {
        const QString first = QString::fromLatin1(texts[(n - 1) % 8]);
        const QString second = QString::fromLatin1(texts[(n + 2) % 8]);
        set[std::size_t(n - 1)] = {first, second, first.toInt() + second.toInt()};
    }
    return set;
}

QString describe(const Printed &p)
{
    return QStringLiteral("\"%1\" at (%2, %3) %4 %5 pt%6")
        .arg(p.text)
        .arg(p.x)
        .arg(p.y)
        .arg(p.font)
        .arg(p.points)
        .arg(p.endsLine ? QStringLiteral(", line ends") : QString());
}

} // namespace

class tst_WorksheetPage : public QObject
{
    Q_OBJECT

private slots:
    void numberText_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("text");
        QTest::newRow("1") << 1 << "  1)";
        QTest::newRow("9") << 9 << "  9)";
        QTest::newRow("10") << 10 << " 10)";
        QTest::newRow("24") << 24 << " 24)";
    }

    void numberText()
    {
        QFETCH(int, n);
        QFETCH(QString, text);
        QCOMPARE(worksheet::numberText(n), text);
    }

    void rightAlignedRoundsHalvesToEven()
    {
        QCOMPARE(worksheet::rightAligned(2550, 222.5), 2550 - 222);
        QCOMPARE(worksheet::rightAligned(2550, 667.5), 2550 - 668);
        QCOMPARE(worksheet::rightAligned(2550, 222.6), 2550 - 223);
    }

    // The whole sequence of texts, cursor positions and fonts: the blocks row by row, each
    // line of a row left to right, then the tear line and the answer strip.
    void fullSequence()
    {
        worksheet::Set set = knownSet();
        set[6].answer = 4242; // the strip prints the set's answer as given
        RecordingSurface surface;
        worksheet::print(surface, set);

        // Operands end 1750 twips right of their block, their widths rounded half to even.
        const auto right = [](double x, const QString &t) {
            return x + 1750 - std::nearbyint(RecordingSurface::widthOf(t, 20));
        };

        QStringList expected;
        for (int r = 0; r < 6; ++r) {
            const double y = 800 + 2100 * r;
            for (int c = 0; c < 4; ++c) {
                const int n = 4 * r + c + 1;
                const double x = 800 + 2600 * c;
                const QString first = set[std::size_t(n - 1)].first;
                expected << describe({worksheet::numberText(n), x, y, "Arial", 10})
                         << describe({first, right(x, first), y, "Arial", 20});
            }
            for (int c = 0; c < 4; ++c) {
                const double x = 800 + 2600 * c;
                const QString second = set[std::size_t(4 * r + c)].second;
                expected << describe({"+", x + 200, y + 450, "Arial", 20})
                         << describe({second, right(x, second), y + 450, "Arial", 20});
            }
            for (int c = 0; c < 4; ++c) {
                expected << describe({"________", 800 + 2600.0 * c + 200, y + 500, "Arial", 20});
            }
            for (int c = 0; c < 4; ++c) {
                expected << describe({"======", 800 + 2600.0 * c + 450, y + 1450, "Arial", 20});
            }
        }
        expected << describe(
            {QString(40, u'-') + " Tear off Answer " + QString(37, u'-'), 800, 13600, "Arial", 10});
        const double h = RecordingSurface::lineHeightOf(8);
        for (int k = 1; k <= 24; ++k) {
            const QString text
                = QStringLiteral("%1) %2").arg(k).arg(set[std::size_t(k - 1)].answer);
            const double x = 780 + 1200 * ((k - 1) % 8);
            const double y = 14100 + h * ((k - 1) / 8);
            expected << describe({text, x, y, "Arial", 8});
            if (k % 8 == 0) {
                expected << describe(
                    {" ", x + RecordingSurface::widthOf(text, 8), y, "Arial", 8, true});
            }
        }
        // Anchors: the corners of blocks 1, 4, 5 and 24; a one- and a three-digit operand
        // (222.5 and 667.5 twips wide) ending at the same x; the strip's answer as given.
        QVERIFY(expected.contains(describe({"  1)", 800, 800, "Arial", 10})));
        QVERIFY(expected.contains(describe({"  4)", 8600, 800, "Arial", 10})));
        QVERIFY(expected.contains(describe({"  5)", 800, 2900, "Arial", 10})));
        QVERIFY(expected.contains(describe({" 24)", 8600, 11300, "Arial", 10})));
        QVERIFY(expected.contains(describe({"7", 800 + 1528, 800, "Arial", 20})));
        QVERIFY(expected.contains(describe({"123", 3400 + 1082, 800, "Arial", 20})));
        QVERIFY(expected.contains(describe({"7) 4242", 780 + 1200 * 6, 14100, "Arial", 8})));

        QStringList got;
        for (const Printed &p : surface.printed()) {
            got << describe(p);
        }
        QCOMPARE(got, expected);
        QCOMPARE(surface.documentsEnded(), 1);
    }
};

QTEST_GUILESS_MAIN(tst_WorksheetPage)
#include "tst_worksheetpage.moc"
