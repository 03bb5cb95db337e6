// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;
namespace ui {
class FormControls;
}

// Where a window opens and how large, kept on the screen: beside another window, where it
// was when it was last hidden, and never larger than the screen's free area.
namespace ui {

// False on the offscreen platform, whose one screen is a fixed 800 x 600 in memory: windows
// there keep their design size and place, as the tests and the grabs of them expect.
bool screensAreReal();

// The top-left corner for a window frame of frameSize beside anchorFrame: on its right
// when that fits on the screen, else on its left, else against the screen's right edge;
// level with the anchor's top as far as the screen allows.
QPoint besidePosition(const QRect &anchorFrame, const QSize &frameSize, const QRect &available);

// The outer size a window of that design opens at: the design's own where it fits, else the
// largest that fits with both sides shrunk by the same factor.
QSize fittedSize(const QSize &designOuter, const QSize &available);

// The nearest top-left corner to `wanted` that keeps a frame of that size inside the
// available area (from its top-left corner when it is larger).
QPoint keptInside(const QPoint &wanted, const QSize &frameSize, const QRect &available);

// What the window manager adds around a top-level window (frame and title bar): known once
// the window has been shown; until then, what it added around another shown window of the
// program, the best guess there is.
QSize decoration(const QWidget *window);

// A top-level window's frame, title bar included, as the window manager last told it.
QRect frameOf(const QWidget *window);

// Puts a top-level window's client area at that point, also while the window is hidden: the
// window manager is told the position when the window is shown, instead of choosing one of
// its own.
void moveClient(QWidget *window, const QPoint &clientTopLeft);

// Puts a top-level window's frame, title bar included, at that point, also while the window
// is hidden (its frame then guessed from another window's).
void moveFrame(QWidget *window, const QPoint &frameTopLeft);

// Moves a top-level window beside another that is shown.
void placeBeside(QWidget *window, const QWidget *anchor);

// Dialogs are placed by Qt over their opener, kept on its screen; these keep them no larger
// than that screen's free area, at the largest size that fits with both sides shrunk alike.
// Called once the dialog has its design size, before it is shown; nothing changes where it
// fits.
// A dialog built from a design table: its controls, fonts and lines shrink with it.
void fitDesignToScreen(QWidget *dialog, const FormControls &controls);
// A dialog laid out by layouts, which do the rest.
void fitToScreen(QWidget *dialog);

} // namespace ui
