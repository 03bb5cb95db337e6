// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "clock.h"

namespace seams {
Seam<QDateTime()> &clock()
{
    static Seam<QDateTime()> seam;
    return seam;
}
} // namespace seams

namespace ui {
QDateTime now()
{
    return seams::clock().callOr(&QDateTime::currentDateTime);
}
} // namespace ui
