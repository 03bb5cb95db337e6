// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program's pseudo-random source: uniform values in [0, 1), fresh on every call. The
// domain is handed its draws; the windows draw through the random seam
// (gui/seams/random.h), whose real thing this is.
namespace randomsource {

// Seeded from the clock on the first draw; later draws keep the sequence going, so draws
// made within the same clock tick still differ.
double realDraw();

} // namespace randomsource
