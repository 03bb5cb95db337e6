#include "core/exercise/randomsource.h"
#include "gui/seams/clock.h"
#include "gui/seams/random.h"
#include "gui/seams/scopedoverride.h"

#include <QtTest>

namespace {
seams::Seam<int(int)> &doubler()
{
    static seams::Seam<int(int)> seam;
    return seam;
}
int doubled(int n)
{
    return doubler().callOr([](int n) { return 2 * n; }, n);
}

// Overrides the seam and leaves early, as a failing QVERIFY leaves a test.
bool overrideAndFail()
{
    seams::ScopedOverride failing(doubler(), [](int) { return -1; });
    if (doubled(1) == -1) {
        return false;
    }
    return true;
}
} // namespace

class tst_seam : public QObject
{
    Q_OBJECT
private slots:
    void theRealThingAnswersUnlessOverridden()
    {
        QCOMPARE(doubled(4), 8);
        QVERIFY(!doubler().overridden());
        {
            seams::ScopedOverride tripled(doubler(), [](int n) { return 3 * n; });
            QVERIFY(doubler().overridden());
            QCOMPARE(doubled(4), 12);
        }
        QVERIFY(!doubler().overridden());
        QCOMPARE(doubled(4), 8);
    }

    void nestedOverridesComeBackInTurn()
    {
        seams::ScopedOverride outer(doubler(), [](int n) { return n + 100; });
        {
            seams::ScopedOverride inner(doubler(), [](int n) { return n + 200; });
            QCOMPARE(doubled(1), 201);
            {
                // An empty override lets the real thing answer within its scope.
                seams::ScopedOverride real(doubler(), nullptr);
                QCOMPARE(doubled(1), 2);
            }
            QCOMPARE(doubled(1), 201);
        }
        QCOMPARE(doubled(1), 101);
    }

    void anOverrideEndsWhenItsTestLeavesEarly()
    {
        QVERIFY(!overrideAndFail());
        QVERIFY(!doubler().overridden());
        QCOMPARE(doubled(5), 10);
    }

    void theProgramsSeamsAnswerAsOverridden()
    {
        const QDateTime then(QDate(2026, 5, 12), QTime(13, 20, 0));
        {
            seams::ScopedOverride clock(seams::clock(), [&then] { return then; });
            QCOMPARE(ui::now(), then);
        }
        QVERIFY(qAbs(ui::now().secsTo(QDateTime::currentDateTime())) < 60);

        seams::ScopedOverride draws(seams::randomDraw(), [] { return 0.25; });
        QCOMPARE(ui::randomDraw(), 0.25);
    }
};

QTEST_GUILESS_MAIN(tst_seam)
#include "tst_seam.moc"
