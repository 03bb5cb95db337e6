// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fonts.h"

// The marks the windows were designed to draw with the "Symbol" face: its character 0xD6,
// a check sign, and its "C", a capital chi that reads as a cross. The substitute face draws
// Unicode, so the marks are given as the clearer check and cross it has.
namespace ui::symbolglyphs {

inline constexpr const char *Check = "\u2714"; // HEAVY CHECK MARK
inline constexpr const char *Cross = "\u2718"; // HEAVY BALLOT X

inline constexpr FontSpec symbol(double points, bool bold = false)
{
    return {"Symbol", points, bold};
}

} // namespace ui::symbolglyphs
