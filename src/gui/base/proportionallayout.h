// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QSize>

class QWidget;
namespace ui {
class FormControls;
}

// Keeps a window's controls in proportion to the window: the design geometry of every
// control is recorded once, and each resize recomputes all of it from that record, so
// nothing accumulates between resizes and the first size gives the design back exactly.
class ProportionalLayout
{
public:
    // Scale factors from the window's outer size, frame and title bar included, kept in
    // single precision; fonts follow the smaller of the two.
    struct Factors
    {
        float rx = 1;
        float ry = 1;
        float fontScale() const { return rx > ry ? ry : rx; }
    };
    static Factors factors(QSize outerNow, QSize outerDesign);
    // A recorded whole font size scaled and rounded down; 0 is not a font size.
    static int scaledFontSize(qint32 designPoints, float scale);

    // Records the window's size and each control's geometry and whole font size, in the
    // given order; of a line, its ends.
    void recordDesign(const QWidget *window, const ui::FormControls &controls);
    // Applies the record to the same controls, in the same order, for the window's size now.
    void rescale(QWidget *window, const ui::FormControls &controls) const;

    bool isRecorded() const { return !m_design.isEmpty(); }

private:
    // Recorded values are wider than the 16 bits a twips value once had, so a window
    // maximised on a large screen cannot overflow them.
    struct Slot
    {
        qint32 left = 0;
        qint32 top = 0;
        qint32 width = 0;
        qint32 height = 0;
        qint32 fontSize = 0;
        qint32 x2 = 0;
        qint32 y2 = 0;
        bool isLine = false;
    };

    QSize m_designClient; // twips; the frame is added when the factors are taken
    QList<Slot> m_design;
};
