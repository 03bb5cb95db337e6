// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

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
};

QTEST_GUILESS_MAIN(tst_seam)
#include "tst_seam.moc"
