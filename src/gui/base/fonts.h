// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>

class QWidget;

// Fonts are named by the families the windows were designed with; each family is
// drawn with an installed face that has the same metrics or the same glyphs.
namespace ui {

struct FontSpec
{
    const char *family = "MS Sans Serif";
    double points = 8.25;
    bool bold = false;
};

inline constexpr FontSpec arial(double points, bool bold = false)
{
    return {"Arial", points, bold};
}
inline constexpr FontSpec sansSerif(double points, bool bold = false)
{
    return {"MS Sans Serif", points, bold};
}
inline constexpr FontSpec timesNewRoman(double points, bool bold = false)
{
    return {"Times New Roman", points, bold};
}

// Registers the substitutes once; fontFor() calls it, so callers need not.
void installFontSubstitutes();

QFont fontFor(const FontSpec &design);

// Gives a control's font a new whole point size, keeping its face and weight.
void setFontPoints(QWidget *w, int points);

} // namespace ui
