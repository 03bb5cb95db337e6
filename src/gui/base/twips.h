// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>

class QWidget;

// Geometry is designed in twips; the toolkit works in logical pixels at 96 dpi.
namespace ui {

inline constexpr double TwipsPerPixel = 15.0;

// Rounds to the nearest pixel, halves to the even neighbour, as the toolkit would.
int twipsToPixels(double twips);
inline constexpr int pixelsToTwips(int pixels)
{
    return pixels * 15;
}

QRect twipsRect(double left, double top, double width, double height);

int leftTwips(const QWidget *w);
int topTwips(const QWidget *w);
int widthTwips(const QWidget *w);
int heightTwips(const QWidget *w);

void setLeftTwips(QWidget *w, double left);
void setTopTwips(QWidget *w, double top);
void setWidthTwips(QWidget *w, double width);
void setHeightTwips(QWidget *w, double height);
void setGeometryTwips(QWidget *w, double left, double top, double width, double height);

// Sets a top-level window's client area.
void setClientSizeTwips(QWidget *window, double width, double height);
// A top-level window's size with its frame and title bar.
QSize outerSizeTwips(const QWidget *window);
// What the frame and title bar add to the client area.
QSize frameExtraTwips(const QWidget *window);

} // namespace ui
