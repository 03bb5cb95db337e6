// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// Where a window opens beside another one, kept on the screen.
namespace ui {

// The top-left corner for a window frame of frameSize beside anchorFrame: on its right
// when that fits on the screen, else on its left, else against the screen's right edge;
// level with the anchor's top as far as the screen allows.
QPoint besidePosition(const QRect &anchorFrame, const QSize &frameSize, const QRect &available);

// Moves a top-level window, not yet shown, beside another that is.
void placeBeside(QWidget *window, const QWidget *anchor);

} // namespace ui
