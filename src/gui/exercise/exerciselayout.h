// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gui/base/linecontrol.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

class QObject;
class QWidget;
namespace ui {
class FormControls;
} // namespace ui

// The exercise window's own proportional layout. It scales from a fixed design outer size
// rather than the size at load, rounds every coordinate down to whole twips (line ends to
// the nearest), lets the elements of each question array share element 1's size, and
// takes each font from one of four base sizes and the vertical factor alone.
class ExerciseLayout
{
public:
    static constexpr int DesignOuterWidth = 12120;
    static constexpr int DesignOuterHeight = 9120;
    static constexpr int RowFont = 14;
    static constexpr int NumberFont = 8;
    static constexpr int ButtonFont = 18;
    static constexpr int ScoreFont = 24;

    struct Factors
    {
        double fx = 1;
        double fy = 1;
    };
    static Factors factors(QSize outerTwips);
    // Rounded down to a whole number of points, and never below 1.
    static int fontSize(double fy, int base);
    static int down(double factor, int design);
    // To the nearest whole twip, halves to the even neighbour.
    static int nearest(double factor, int design);

    // Records the design geometry of the window's controls, found by their names.
    void record(const ui::FormControls &controls);
    // Applies it for a window whose outer size is now this one.
    void apply(QSize outerTwips) const;

private:
    struct Placed
    {
        QWidget *control = nullptr;
        QRect design; // twips
        int baseFont = 0; // 0: the font is left alone
    };
    struct ArrayOfRows
    {
        QList<QObject *> elements; // widgets or windowless controls
        QList<QPoint> origins; // twips, element by element
        QSize size; // element 1's
        int baseFont = 0;
    };

    QList<Placed> m_controls;
    QList<ArrayOfRows> m_arrays;
    QList<std::pair<QObject *, ui::LineEnds>> m_lines; // as designed: the pen is kept
    int m_lineLength = 0;
};
