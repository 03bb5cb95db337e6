// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "placement.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace ui {

QPoint besidePosition(const QRect &anchorFrame, const QSize &frameSize, const QRect &available)
{
    const int screenRight = available.left() + available.width();
    const int screenBottom = available.top() + available.height();
    int x = anchorFrame.left() + anchorFrame.width();
    if (x + frameSize.width() > screenRight) {
        x = anchorFrame.left() - frameSize.width();
        if (x < available.left()) {
            x = std::max(available.left(), screenRight - frameSize.width());
        }
    }
    const int y
        = std::max(available.top(), std::min(anchorFrame.top(), screenBottom - frameSize.height()));
    return {x, y};
}

void placeBeside(QWidget *window, const QWidget *anchor)
{
    const QScreen *screen = anchor->screen();
    if (!screen) {
        return;
    }
    // Before it is first shown a window knows nothing of its frame; the anchor's frame is
    // the best guess of what the window manager will add.
    const QSize decoration = anchor->frameGeometry().size() - anchor->size();
    window->move(besidePosition(anchor->frameGeometry(), window->size() + decoration,
                                screen->availableGeometry()));
}

} // namespace ui
