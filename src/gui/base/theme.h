// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

class QWidget;

// The program's colours, and one way of giving them to a control.
namespace ui {

struct Rgb
{
    int r = -1;
    int g = 0;
    int b = 0;
    constexpr bool isSet() const { return r >= 0; }
    QColor toColor() const { return QColor(r, g, b); }
};

namespace colours {
inline constexpr Rgb DarkPurple {64, 0, 64};
inline constexpr Rgb LightPink {255, 192, 255};
inline constexpr Rgb Pink {255, 128, 255};
inline constexpr Rgb Yellow {255, 255, 0};
inline constexpr Rgb LightYellow {255, 255, 128};
inline constexpr Rgb Grey {128, 128, 128};
inline constexpr Rgb Olive {128, 128, 0};
inline constexpr Rgb DarkRed {64, 0, 0};
inline constexpr Rgb Orange {255, 128, 0};
inline constexpr Rgb TickGreen {0, 192, 0};
inline constexpr Rgb CrossRed {192, 0, 0};
inline constexpr Rgb White {255, 255, 255};
inline constexpr Rgb Black {0, 0, 0};
} // namespace colours

// Text colour of a control; every role that draws text follows it.
void setForeColour(QWidget *w, Rgb colour);
QColor foreColour(const QWidget *w);
// Background of a control; the control then paints it itself.
void setBackColour(QWidget *w, Rgb colour);

} // namespace ui
