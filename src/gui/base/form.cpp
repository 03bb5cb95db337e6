// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form.h"

#include "placement.h"
#include "twips.h"

#include <QCloseEvent>
#include <QScreen>

Form::Form(QWidget *parent)
    : QWidget(parent)
    , m_controls(this)
{
    setAttribute(Qt::WA_DeleteOnClose);
    m_settleTimer.setInterval(SettleTickMs);
    connect(&m_settleTimer, &QTimer::timeout, this, &Form::settleWithFrame);
}

void Form::openBeside(const QWidget *anchor)
{
    m_anchor = anchor;
}

void Form::setClientSizeTwips(int width, int height)
{
    ui::setClientSizeTwips(this, width, height);
}

void Form::setOpeningOuterSizeTwips(int width, int height)
{
    m_openingOuterTwips = QSize(width, height);
    ui::setClientSizeTwips(this, width, height);
}

void Form::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (event->spontaneous()) { // back from minimised: the window manager keeps its place
        return;
    }
    if (!m_shownBefore) {
        m_shownBefore = true;
        m_designClient = size();
        fitScreen(ui::decoration(this));
        if (m_anchor) {
            ui::placeBeside(this, m_anchor);
        }
    } else if (m_hiddenAt) {
        ui::moveClient(this, *m_hiddenAt);
    }
    if (!ui::screensAreReal()) {
        return;
    }
    placeOnScreen();
    // The window manager frames the window after it is shown, when it likes: until then
    // the frame is a guess.
    m_lastFrame = QRect();
    m_settleTicks = 0;
    m_stillTicks = 0;
    m_settleTimer.start();
}

void Form::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous()) {
        m_hiddenAt = geometry().topLeft();
    }
}

void Form::settleWithFrame()
{
    // Until the window manager has framed the window and stopped moving it, its frame and
    // place are not final.
    const QRect frame = ui::frameOf(this);
    if (frame == geometry() || frame != m_lastFrame) {
        m_lastFrame = frame;
        m_stillTicks = 0;
        if (++m_settleTicks > SettleTicks) { // never framed: no window manager, or no frames
            m_settleTimer.stop();
        }
        return;
    }
    if (++m_stillTicks < StillTicks) {
        return;
    }
    m_settleTimer.stop();
    const QPoint border = geometry().topLeft() - frame.topLeft();
    if (!m_hiddenAt) {
        // Framed for the first time: sized and placed again with the frame it has.
        fitScreen(ui::decoration(this));
        if (m_anchor) {
            ui::placeBeside(this, m_anchor);
        }
    } else if (!border.isNull()
               && (geometry().topLeft() - border - *m_hiddenAt).manhattanLength() <= 1) {
        // The window manager put the frame where the client area was to be.
        ui::moveClient(this, *m_hiddenAt);
    }
    placeOnScreen();
}

void Form::fitScreen(const QSize &decoration)
{
    const QScreen *display = screen();
    if (display && ui::screensAreReal()) {
        const QSize designOuter = m_openingOuterTwips.isEmpty()
            ? m_designClient + decoration
            : QSize(ui::twipsToPixels(m_openingOuterTwips.width()),
                    ui::twipsToPixels(m_openingOuterTwips.height()));
        const QSize outer = ui::fittedSize(designOuter, display->availableGeometry().size());
        if (outer != designOuter) {
            resize(outer - decoration);
            return;
        }
    }
    if (!m_openingOuterTwips.isEmpty()) {
        const QSize client = m_openingOuterTwips
            - QSize(ui::pixelsToTwips(decoration.width()), ui::pixelsToTwips(decoration.height()));
        ui::setClientSizeTwips(this, client.width(), client.height());
    }
}

void Form::placeOnScreen()
{
    const QScreen *display = screen();
    if (!display) {
        return;
    }
    const QPoint at = ui::frameOf(this).topLeft();
    const QPoint inside
        = ui::keptInside(at, size() + ui::decoration(this), display->availableGeometry());
    if (inside != at) {
        ui::moveFrame(this, inside);
    }
}

void Form::closeEvent(QCloseEvent *event)
{
    aboutToClose();
    event->accept();
    emit closed();
}

void Form::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    scaleControls();
}
