// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "seam.h"

namespace ui {
// A uniform value in [0, 1), fresh on every call: from the program's generator (see
// core/exercise/randomsource.h) unless a test scripts the draws.
double randomDraw();
} // namespace ui

namespace seams {
Seam<double()> &randomDraw();
} // namespace seams
