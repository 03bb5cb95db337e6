// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controltable.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <optional>

// Base of the program's modeless windows: controls built from a design table, a client
// area given in twips, and an unload that tells the window's opener that it closed. A closed
// window is destroyed; its opener makes a fresh one for the next use. A window opens no
// larger than the screen, keeping its proportions, and a hidden one comes back where it was.
class Form : public QWidget
{
    Q_OBJECT
public:
    explicit Form(QWidget *parent = nullptr);

    const ui::FormControls &controls() const { return m_controls; }
    // Opens the window beside that one (see ui::placeBeside) when it is first shown.
    void openBeside(const QWidget *anchor);

signals:
    // The window has closed, after its unload ran; it is destroyed soon after.
    void closed();

protected:
    ui::FormControls &controls() { return m_controls; }
    void setClientSizeTwips(int width, int height);
    // Opens the window so that its outer size, frame and title bar included, is this one.
    // The frame is known only once the window is shown, so the size is settled then.
    void setOpeningOuterSizeTwips(int width, int height);

    // Runs as the window closes, by its own buttons or its close box.
    virtual void aboutToClose() { }
    // Runs when the window is first shown and after every change of its size.
    virtual void scaleControls() { }

    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    // Sizes the window for its design and the frame around it, no larger than the screen.
    void fitScreen(const QSize &decoration);
    // Moves the frame inside the screen's free area where it reaches out of it.
    void placeOnScreen();
    // Once the window manager has framed the shown window and stopped moving it: its size
    // and place made good with the frame it really has.
    void settleWithFrame();

    static constexpr int SettleTickMs = 50;
    static constexpr int SettleTicks = 60; // gives up after 3 s
    static constexpr int StillTicks = 3; // the frame unchanged that long is final

    ui::FormControls m_controls;
    QSize m_openingOuterTwips;
    QSize m_designClient; // pixels, as first shown
    QPointer<const QWidget> m_anchor;
    std::optional<QPoint> m_hiddenAt; // the client area's place when last hidden
    QTimer m_settleTimer;
    QRect m_lastFrame;
    int m_settleTicks = 0;
    int m_stillTicks = 0;
    bool m_shownBefore = false;
};
