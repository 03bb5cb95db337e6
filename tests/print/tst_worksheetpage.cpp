#include "print/worksheetpage.h"
#include "recordingsurface.h"

#include <QTest>

using Printed = RecordingSurface::Printed;

class tst_WorksheetPage : public QObject
{
    Q_OBJECT

private:
    // Operands of one, two and three digits in every column and both rows of a block.
    static worksheet::Set knownSet()
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

    static RecordingSurface printed(const worksheet::Set &set)
    {
        RecordingSurface surface;
        worksheet::print(surface, set);
        return surface;
    }

private slots:
    void numberText_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("text");
        QTest::newRow("1") << 1 << "  1)";
        QTest::newRow("7") << 7 << "  7)";
        QTest::newRow("9") << 9 << "  9)";
        QTest::newRow("10") << 10 << " 10)";
        QTest::newRow("12") << 12 << " 12)";
        QTest::newRow("24") << 24 << " 24)";
    }
    void numberText()
    {
        QFETCH(int, n);
        QFETCH(QString, text);
        QCOMPARE(worksheet::numberText(n), text);
    }

    void answerAndTearLineTexts()
    {
        QCOMPARE(worksheet::answerText(7, 15), QStringLiteral("7) 15"));
        QCOMPARE(worksheet::answerText(24, 1998), QStringLiteral("24) 1998"));
        QCOMPARE(worksheet::answerText(3, 0), QStringLiteral("3) 0"));
        const QString tear = worksheet::tearLine();
        QCOMPARE(tear.size(), 94);
        QCOMPARE(tear,
                 QString(40, QLatin1Char('-')) + QStringLiteral(" Tear off Answer ")
                     + QString(37, QLatin1Char('-')));
    }

    void rightAlignedRoundsHalvesToEven_data()
    {
        QTest::addColumn<double>("width");
        QTest::addColumn<int>("left");
        QTest::newRow("222.5 to 222") << 222.5 << 2550 - 222;
        QTest::newRow("667.5 to 668") << 667.5 << 2550 - 668;
        QTest::newRow("445.0") << 445.0 << 2550 - 445;
        QTest::newRow("222.6 up") << 222.6 << 2550 - 223;
        QTest::newRow("222.4 down") << 222.4 << 2550 - 222;
    }
    void rightAlignedRoundsHalvesToEven()
    {
        QFETCH(double, width);
        QFETCH(int, left);
        QCOMPARE(worksheet::rightAligned(2550, width), left);
    }

    void blockOrigins_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::newRow("1") << 1 << 800.0 << 800.0;
        QTest::newRow("4") << 4 << 8600.0 << 800.0;
        QTest::newRow("5") << 5 << 800.0 << 2900.0;
        QTest::newRow("10") << 10 << 3400.0 << 5000.0;
        QTest::newRow("24") << 24 << 8600.0 << 11300.0;
    }
    void blockOrigins()
    {
        QFETCH(int, n);
        QFETCH(double, x);
        QFETCH(double, y);
        const RecordingSurface surface = printed(knownSet());
        const QList<Printed> found = surface.withText(worksheet::numberText(n));
        QCOMPARE(found.size(), 1);
        QCOMPARE(found[0], (Printed {worksheet::numberText(n), x, y, "Arial", 10, false}));
    }

    // The whole sequence of texts, cursor positions and fonts, written out from the page's
    // design: the blocks row by row, each line of a row left to right, then the strip.
    void fullSequence()
    {
        const worksheet::Set set = knownSet();
        const RecordingSurface surface = printed(set);
        const auto width20 = [](const QString &t) { return RecordingSurface::widthOf(t, 20); };
        const auto right
            = [&](double x, const QString &t) { return x + 1750 - std::nearbyint(width20(t)); };

        QList<Printed> expected;
        for (int r = 0; r < 6; ++r) {
            const double y = 800 + 2100 * r;
            for (int c = 0; c < 4; ++c) {
                const int n = 4 * r + c + 1;
                const double x = 800 + 2600 * c;
                const QString first = set[std::size_t(n - 1)].first;
                expected.append({worksheet::numberText(n), x, y, "Arial", 10, false});
                expected.append({first, right(x, first), y, "Arial", 20, false});
            }
            for (int c = 0; c < 4; ++c) {
                const int n = 4 * r + c + 1;
                const double x = 800 + 2600 * c;
                const QString second = set[std::size_t(n - 1)].second;
                expected.append({"+", x + 200, y + 450, "Arial", 20, false});
                expected.append({second, right(x, second), y + 450, "Arial", 20, false});
            }
            for (int c = 0; c < 4; ++c) {
                expected.append({"________", 800 + 2600.0 * c + 200, y + 500, "Arial", 20, false});
            }
            for (int c = 0; c < 4; ++c) {
                expected.append({"======", 800 + 2600.0 * c + 450, y + 1450, "Arial", 20, false});
            }
        }
        expected.append({worksheet::tearLine(), 800, 13600, "Arial", 10, false});
        const double h = RecordingSurface::lineHeightOf(8);
        for (int k = 1; k <= 24; ++k) {
            const QString text
                = QStringLiteral("%1) %2").arg(k).arg(set[std::size_t(k - 1)].answer);
            const double x = 780 + 1200 * ((k - 1) % 8);
            const double y = 14100 + h * ((k - 1) / 8);
            expected.append({text, x, y, "Arial", 8, false});
            if (k % 8 == 0) {
                expected.append({" ", x + RecordingSurface::widthOf(text, 8), y, "Arial", 8, true});
            }
        }

        QCOMPARE(surface.printed().size(), expected.size());
        for (qsizetype i = 0; i < expected.size(); ++i) {
            const Printed &got = surface.printed().at(i);
            const Printed &want = expected.at(i);
            if (!(got == want)) {
                QFAIL(qPrintable(QStringLiteral("print %1: got \"%2\" at (%3, %4) %5 pt, "
                                                "expected \"%6\" at (%7, %8) %9 pt")
                                     .arg(i)
                                     .arg(got.text)
                                     .arg(got.x)
                                     .arg(got.y)
                                     .arg(got.points)
                                     .arg(want.text)
                                     .arg(want.x)
                                     .arg(want.y)
                                     .arg(want.points)));
            }
        }
        QCOMPARE(surface.documentsEnded(), 1);
    }

    void operandsOfAnyLengthEndAtTheSameX()
    {
        const RecordingSurface surface = printed(knownSet());
        const QSet<QString> marks {"+", "________", "======"};
        for (int n = 1; n <= worksheet::Questions; ++n) {
            const double x = 800 + 2600 * ((n - 1) % 4);
            const double top = 800 + 2100 * ((n - 1) / 4);
            int operands = 0;
            for (const Printed &p : surface.printed()) {
                if (p.points != 20 || marks.contains(p.text) || p.x < x || p.x >= x + 2600
                    || (p.y != top && p.y != top + 450)) {
                    continue;
                }
                const double end = p.x + RecordingSurface::widthOf(p.text, 20);
                QVERIFY2(std::abs(end - (x + 1750)) <= 0.5,
                         qPrintable(QStringLiteral("\"%1\" of question %2 ends at %3")
                                        .arg(p.text)
                                        .arg(n)
                                        .arg(end)));
                ++operands;
            }
            QCOMPARE(operands, 2);
        }
    }

    void answersComeFromTheSetAndNothingElseIsPrinted()
    {
        worksheet::Set set = knownSet();
        set[6].answer = 4242; // the strip prints the set's answer as given
        const RecordingSurface surface = printed(set);
        QCOMPARE(surface.withText(QStringLiteral("7) 4242")).size(), 1);

        QSet<QString> allowed {worksheet::tearLine(), "+", "________", "======", " "};
        for (int n = 1; n <= worksheet::Questions; ++n) {
            const worksheet::Entry &e = set[std::size_t(n - 1)];
            allowed << worksheet::numberText(n) << e.first << e.second
                    << worksheet::answerText(n, e.answer);
        }
        for (const Printed &p : surface.printed()) {
            QVERIFY2(allowed.contains(p.text), qPrintable(p.text));
            QCOMPARE(p.font, QStringLiteral("Arial"));
        }
    }
};

QTEST_GUILESS_MAIN(tst_WorksheetPage)
#include "tst_worksheetpage.moc"
