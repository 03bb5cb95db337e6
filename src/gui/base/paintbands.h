// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPaintDevice>
#include <QPainter>
#include <QRect>

namespace ui {

// Draws a tall face in bands of rows, each clipped to its band. Qt hands every fill or blit
// of 96 rows or more to its thread pool; for the windows' frames and large buttons, which
// the style stretches or copies from small pictures, waking the threads costs several times
// the drawing itself, and it is paid again at every step of a resize. Clipping leaves every
// pixel as it would have been.
template<class Draw> void paintInBands(QPainter &painter, const QRect &exposed, Draw &&draw)
{
    // 90 rows of the device, which a high-density screen packs into fewer logical rows.
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatio() : 1.0;
    const int band = qMax(1, int(90 / ratio));
    if (exposed.height() <= band) {
        draw();
        return;
    }
    for (int top = exposed.top(); top <= exposed.bottom(); top += band) {
        painter.setClipRect(QRect(exposed.left(), top, exposed.width(), band));
        draw();
    }
    painter.setClipping(false);
}

} // namespace ui
