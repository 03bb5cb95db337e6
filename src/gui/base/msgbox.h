// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gui/seams/messagebox.h"

#include <QString>

// The program's kinds of message, all shown through ui::msgBox (gui/seams/messagebox.h).
namespace ui {

// An information box with OK only.
void inform(QWidget *parent, const QString &text);
// A problem the user should know of, such as a file that could not be written.
void warn(QWidget *parent, const QString &text);
// A question with Yes and No, the exclamation icon and No as the default unless said.
bool askYesNo(QWidget *parent, const QString &text,
              QMessageBox::StandardButton defaultButton = QMessageBox::No);

} // namespace ui
