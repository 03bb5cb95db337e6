// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fonts.h"

#include <QString>

// The picture font's characters that the program uses, by their code in that font. The
// font itself is not installed: each code is drawn as the Unicode picture that Symbola
// draws in black and white, so it shows on screen and prints alike.
namespace ui::wingdings {

inline constexpr int Pencil = 33;
inline constexpr int Scissors = 34;
inline constexpr int Glasses = 36;
inline constexpr int Bell = 37;
inline constexpr int Telephone = 40;
inline constexpr int SmilingFace = 74;
inline constexpr int Star = 171;
inline constexpr int UpArrow = 225;

// The picture as UTF-8 text; empty for a code the program does not use.
constexpr const char *utf8(int code)
{
    switch (code) {
    case Pencil:
        return "\u270F"; // pencil
    case Scissors:
        return "\u2702"; // black scissors
    case Glasses:
        return "\U0001F453"; // eyeglasses
    case Bell:
        return "\U0001F56D"; // ringing bell
    case Telephone:
        return "\u260E"; // black telephone
    case SmilingFace:
        return "\u263A"; // white smiling face
    case Star:
        return "\u2605"; // black star
    case UpArrow:
        return "\u2B06"; // upwards black arrow
    default:
        return "";
    }
}

inline QString glyph(int code)
{
    return QString::fromUtf8(utf8(code));
}

inline constexpr FontSpec font(double points)
{
    return {"Wingdings", points, false};
}

} // namespace ui::wingdings
