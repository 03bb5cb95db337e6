// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "printer.h"

namespace seams {
Seam<printing::PrintResult(const QString &title, const printing::Page &page)> &printer()
{
    static Seam<printing::PrintResult(const QString &, const printing::Page &)> seam;
    return seam;
}
} // namespace seams
