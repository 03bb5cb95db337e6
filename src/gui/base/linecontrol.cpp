// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linecontrol.h"

#include "twips.h"

#include <QPainter>
#include <QPen>

namespace ui {

QRect LineEnds::bounds() const
{
    const int ax = twipsToPixels(x1);
    const int ay = twipsToPixels(y1);
    const int bx = twipsToPixels(x2);
    const int by = twipsToPixels(y2);
    const int pen = qMax(1, borderWidth);
    return QRect(QPoint(qMin(ax, bx) - pen, qMin(ay, by) - pen),
                 QPoint(qMax(ax, bx) + pen, qMax(ay, by) + pen));
}

void LineEnds::draw(QPainter &painter) const
{
    painter.setPen(QPen(colour, qMax(1, borderWidth), Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPoint(twipsToPixels(x1), twipsToPixels(y1)),
                     QPoint(twipsToPixels(x2), twipsToPixels(y2)));
}

} // namespace ui

LineControl::LineControl(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(m_ends.bounds());
}

void LineControl::setEnds(const ui::LineEnds &ends)
{
    m_ends = ends;
    setGeometry(m_ends.bounds());
    update();
}

void LineControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.translate(-geometry().topLeft()); // the ends are in the container's pixels
    m_ends.draw(painter);
}
