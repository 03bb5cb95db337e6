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
    // An override ends with its scope; an empty one lets the real thing answer.
    void overridesEndWithTheirScope()
    {
        {
            seams::ScopedOverride outer(doubler(), [](int n) { return n + 100; });
            {
                seams::ScopedOverride real(doubler(), nullptr);
                QCOMPARE(doubled(1), 2);
            }
            QCOMPARE(doubled(1), 101);
        }
        QCOMPARE(doubled(4), 8);
    }
};

QTEST_GUILESS_MAIN(tst_seam)
#include "tst_seam.moc"
