// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "random.h"

#include "core/exercise/randomsource.h"

namespace seams {
Seam<double()> &randomDraw()
{
    static Seam<double()> seam;
    return seam;
}
} // namespace seams

namespace ui {
double randomDraw()
{
    return seams::randomDraw().callOr(&randomsource::realDraw);
}
} // namespace ui
