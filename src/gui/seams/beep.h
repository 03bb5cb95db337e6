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
