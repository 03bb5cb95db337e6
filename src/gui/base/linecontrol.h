// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QWidget>

class QPainter;

namespace ui {
// A straight line from (x1, y1) to (x2, y2) in twips within its container, and its pen.
struct LineEnds
{
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    int borderWidth = 1; // pixels, as the toolkit draws it
    QColor colour = Qt::black;

    // The box the pen covers in whole pixels, widened by the pen on every side: the place of
    // the control that shows the line.
    QRect bounds() const;
    // In the container's pixels.
    void draw(QPainter &painter) const;
};
} // namespace ui

// A line as a widget of its own, so that it takes part in the window's list of controls; it
// never takes the mouse or the focus. A design row marked windowless makes a
// ui::WindowlessLine instead, drawn by its frame.
class LineControl : public QWidget
{
    Q_OBJECT
public:
    explicit LineControl(QWidget *parent = nullptr);

    const ui::LineEnds &ends() const { return m_ends; }
    void setEnds(const ui::LineEnds &ends);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ui::LineEnds m_ends;
};
