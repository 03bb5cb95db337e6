// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form.h"

#include "twips.h"

#include <QCloseEvent>

Form::Form(QWidget *parent)
    : QWidget(parent)
    , m_controls(this)
{
    setAttribute(Qt::WA_DeleteOnClose);
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
    if (m_shownBefore || m_openingOuterTwips.isEmpty()) {
        return;
    }
    m_shownBefore = true;
    const QSize client = m_openingOuterTwips - ui::frameExtraTwips(this);
    ui::setClientSizeTwips(this, client.width(), client.height());
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
