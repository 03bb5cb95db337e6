// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/print/printsurface.h"

#include <QFont>
#include <QPainter>

class QPaintDevice;

// Draws on a paint device, such as a printer or a PDF writer, with the device's own font
// metrics. Twips count from the top-left corner of the device's printable area.
class PainterSurface : public PrintSurface
{
public:
    // Starts the document at once; active() tells whether the device accepted it.
    explicit PainterSurface(QPaintDevice *device);
    ~PainterSurface() override;

    bool active() const { return m_painter.isActive(); }
    // True once endDoc() has run and the device finished the document.
    bool ended() const { return m_ended; }

    void setFontName(const QString &family) override;
    void setFontSize(double points) override;
    double currentX() const override { return m_x; }
    double currentY() const override { return m_y; }
    void setCurrentX(double twips) override { m_x = twips; }
    void setCurrentY(double twips) override { m_y = twips; }
    double textWidth(const QString &text) const override;
    void print(const QString &text) override;
    void printLine(const QString &text) override;
    void endDoc() override;

    // The current font's line advance, in twips.
    double lineHeight() const;

private:
    QPaintDevice *m_device;
    QPainter m_painter;
    QFont m_font;
    double m_pixelsPerTwipX;
    double m_pixelsPerTwipY;
    double m_x = 0;
    double m_y = 0;
    bool m_ended = false;
};
