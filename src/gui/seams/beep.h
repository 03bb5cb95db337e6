// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "seam.h"

namespace ui {
// The system beep.
void beep();
} // namespace ui

namespace seams {
// Tests count beeps here instead of hearing them.
Seam<void()> &beep();
} // namespace seams
