// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "msgbox.h"

namespace ui {

void inform(QWidget *parent, const QString &text)
{
    msgBox(parent, {text, QMessageBox::Information, QMessageBox::Ok, QMessageBox::Ok});
}

void warn(QWidget *parent, const QString &text)
{
    msgBox(parent, {text, QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok});
}

bool askYesNo(QWidget *parent, const QString &text, QMessageBox::StandardButton defaultButton)
{
    return msgBox(parent,
                  {text, QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No, defaultButton})
        == QMessageBox::Yes;
}

} // namespace ui
