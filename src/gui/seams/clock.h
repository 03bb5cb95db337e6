// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "seam.h"

#include <QDateTime>

namespace ui {
// The current local date and time.
QDateTime now();
} // namespace ui

namespace seams {
// Tests set their own clock here to move time at will.
Seam<QDateTime()> &clock();
} // namespace seams
