// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controltable.h"

#include <QWidget>

// Base of the program's modeless windows: controls built from a design table, a client
// area given in twips, and an unload that tells the window's opener that it closed. A closed
// window is destroyed; its opener makes a fresh one for the next use.
class Form : public QWidget
{
    Q_OBJECT
public:
    explicit Form(QWidget *parent = nullptr);

    const ui::FormControls &controls() const { return m_controls; }

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

private:
    ui::FormControls m_controls;
    QSize m_openingOuterTwips;
    bool m_shownBefore = false;
};
