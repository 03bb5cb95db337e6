// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "paintersurface.h"

#include "gui/base/fonts.h"

#include <QFontMetricsF>
#include <QPaintDevice>

PainterSurface::PainterSurface(QPaintDevice *device)
    : m_device(device)
    , m_pixelsPerTwipX(device->logicalDpiX() / 1440.0)
    , m_pixelsPerTwipY(device->logicalDpiY() / 1440.0)
{
    ui::installFontSubstitutes();
    if (m_painter.begin(device)) {
        m_painter.setPen(Qt::black);
    }
}

PainterSurface::~PainterSurface()
{
    if (m_painter.isActive()) {
        m_painter.end();
    }
}

void PainterSurface::setFontName(const QString &family)
{
    m_font.setFamily(family);
}

void PainterSurface::setFontSize(double points)
{
    m_font.setPointSizeF(points);
}

double PainterSurface::textWidth(const QString &text) const
{
    return QFontMetricsF(m_font, m_device).horizontalAdvance(text) / m_pixelsPerTwipX;
}

double PainterSurface::lineHeight() const
{
    return QFontMetricsF(m_font, m_device).lineSpacing() / m_pixelsPerTwipY;
}

void PainterSurface::print(const QString &text)
{
    const QFontMetricsF metrics(m_font, m_device);
    if (m_painter.isActive()) {
        m_painter.setFont(m_font);
        // The cursor is the text's top-left corner; the painter wants the baseline.
        m_painter.drawText(
            QPointF(m_x * m_pixelsPerTwipX, m_y * m_pixelsPerTwipY + metrics.ascent()), text);
    }
    m_x += metrics.horizontalAdvance(text) / m_pixelsPerTwipX;
}

void PainterSurface::printLine(const QString &text)
{
    print(text);
    m_x = 0;
    m_y += lineHeight();
}

void PainterSurface::endDoc()
{
    if (m_painter.isActive()) {
        m_ended = m_painter.end();
    }
}
