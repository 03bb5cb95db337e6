// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "placement.h"

#include "proportionallayout.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <optional>

namespace ui {

bool screensAreReal()
{
    return QGuiApplication::platformName() != QLatin1String("offscreen");
}

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

QSize fittedSize(const QSize &designOuter, const QSize &available)
{
    if (designOuter.width() <= available.width() && designOuter.height() <= available.height()) {
        return designOuter;
    }
    // The side that meets the screen's edge takes its length; the other follows in whole
    // arithmetic, rounded down, so that it never reaches past its edge.
    const qint64 w = designOuter.width();
    const qint64 h = designOuter.height();
    if (w * available.height() >= h * available.width()) {
        return {available.width(), int(h * available.width() / w)};
    }
    return {int(w * available.height() / h), available.height()};
}

QPoint keptInside(const QPoint &wanted, const QSize &frameSize, const QRect &available)
{
    const auto along = [](int want, int length, int start, int room) {
        return std::max(start, std::min(want, start + room - length));
    };
    return {along(wanted.x(), frameSize.width(), available.left(), available.width()),
            along(wanted.y(), frameSize.height(), available.top(), available.height())};
}

QRect frameOf(const QWidget *window)
{
    // QWidget::frameGeometry() may keep the frame of a window that was hidden and shown
    // again without moving: the platform window reads it afresh from the window manager.
    const QWindow *handle = window->windowHandle();
    return handle ? handle->frameGeometry() : window->frameGeometry();
}

namespace {
bool frameKnown(const QWidget *window)
{
    return window->isVisible() && frameOf(window) != window->geometry();
}

// The shown window whose frame tells what the window manager adds: this one once it is
// framed, else another of the program's.
const QWidget *framedExample(const QWidget *window)
{
    if (frameKnown(window)) {
        return window;
    }
    for (const QWidget *other : QApplication::topLevelWidgets()) {
        if (other != window && frameKnown(other)) {
            return other;
        }
    }
    return nullptr;
}

// Where the client area lies inside the frame.
QPoint borderOffset(const QWidget *window)
{
    const QWidget *example = framedExample(window);
    return example ? example->geometry().topLeft() - frameOf(example).topLeft() : QPoint();
}
} // namespace

QSize decoration(const QWidget *window)
{
    const QWidget *example = framedExample(window);
    return example ? frameOf(example).size() - example->size() : QSize();
}

void moveClient(QWidget *window, const QPoint &clientTopLeft)
{
    const QRect wanted(clientTopLeft, window->size());
    QWindow *handle = window->windowHandle();
    if (handle && wanted == window->geometry()) {
        // Asked for the place it already has, QWidget tells the window manager nothing, and
        // a window shown again is placed anew, where the window manager likes. The platform
        // window passes the place on.
        handle->setGeometry(wanted);
    } else {
        // The client area is placed, where the window manager leaves it, the frame around it.
        window->setGeometry(wanted);
    }
}

void moveFrame(QWidget *window, const QPoint &frameTopLeft)
{
    moveClient(window, frameTopLeft + borderOffset(window));
}

void placeBeside(QWidget *window, const QWidget *anchor)
{
    const QScreen *screen = anchor->screen();
    if (!screen) {
        return;
    }
    moveFrame(window,
              besidePosition(anchor->frameGeometry(), window->size() + decoration(window),
                             screen->availableGeometry()));
}

namespace {
// The outer size a dialog of this client size opens at on its opener's screen, or nothing
// when that is the size it has.
std::optional<QSize> fittedClient(const QWidget *dialog)
{
    const QWidget *opener = dialog->parentWidget() ? dialog->parentWidget()->window() : dialog;
    const QScreen *display = opener->screen();
    if (!display || !screensAreReal()) {
        return std::nullopt;
    }
    const QSize frame = decoration(dialog);
    const QSize outer = fittedSize(dialog->size() + frame, display->availableGeometry().size());
    if (outer == dialog->size() + frame) {
        return std::nullopt;
    }
    return outer - frame;
}
} // namespace

void fitDesignToScreen(QWidget *dialog, const FormControls &controls)
{
    const std::optional<QSize> client = fittedClient(dialog);
    if (!client) {
        return;
    }
    ProportionalLayout layout;
    layout.recordDesign(dialog, controls);
    if (dialog->minimumSize() == dialog->maximumSize()) {
        dialog->setFixedSize(*client);
    } else {
        dialog->resize(*client);
    }
    layout.rescale(dialog, controls);
}

void fitToScreen(QWidget *dialog)
{
    if (const std::optional<QSize> client = fittedClient(dialog)) {
        dialog->resize(*client);
    }
}

} // namespace ui
