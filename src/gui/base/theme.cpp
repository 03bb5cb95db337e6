// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "theme.h"

#include <QPalette>
#include <QWidget>

namespace ui {

void setForeColour(QWidget *w, Rgb colour)
{
    QPalette p = w->palette();
    const QColor c = colour.toColor();
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::WindowText, c);
        p.setColor(group, QPalette::Text, c);
        p.setColor(group, QPalette::ButtonText, c);
    }
    w->setPalette(p);
}

QColor foreColour(const QWidget *w)
{
    return w->palette().color(QPalette::Active, QPalette::WindowText);
}

void setBackColour(QWidget *w, Rgb colour)
{
    QPalette p = w->palette();
    const QColor c = colour.toColor();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::Window, c);
        p.setColor(group, QPalette::Base, c);
        p.setColor(group, QPalette::Button, c);
    }
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

} // namespace ui
