// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "seam.h"

#include <QString>

class QWidget;

namespace ui {

struct SaveRequest
{
    QString caption;
    QString suggestedName; // a file name or path to start from
    QString filter; // for example "CSV files (*.csv)"
};

// Asks where to save a file, through the standard save dialog: the chosen path, or an empty
// string when the user cancelled.
QString askSaveFileName(QWidget *parent, const SaveRequest &request);

} // namespace ui

namespace seams {
// Tests answer here in place of the dialog.
Seam<QString(const ui::SaveRequest &)> &saveDialog();
} // namespace seams
