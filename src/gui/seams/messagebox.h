// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "seam.h"

#include <QMessageBox>
#include <QString>

namespace ui {

inline constexpr const char *AppTitle = "sumtrail";

struct MessageRequest
{
    QString text;
    QMessageBox::Icon icon = QMessageBox::Information;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::StandardButton defaultButton = QMessageBox::Ok;
};

// Every message the program shows: a real message box titled with the application title,
// its text plain. The button pressed.
QMessageBox::StandardButton msgBox(QWidget *parent, const MessageRequest &request);

} // namespace ui

namespace seams {
// Tests answer here in place of a person.
Seam<QMessageBox::StandardButton(const ui::MessageRequest &)> &messageBox();
} // namespace seams
