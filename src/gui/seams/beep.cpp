// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "beep.h"

#include <QApplication>

namespace seams {
Seam<void()> &beep()
{
    static Seam<void()> seam;
    return seam;
}
} // namespace seams

namespace ui {
void beep()
{
    seams::beep().callOr(&QApplication::beep);
}
} // namespace ui
