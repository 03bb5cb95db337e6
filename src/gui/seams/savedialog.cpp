// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "savedialog.h"

#include <QFileDialog>

namespace seams {
Seam<QString(const ui::SaveRequest &)> &saveDialog()
{
    static Seam<QString(const ui::SaveRequest &)> seam;
    return seam;
}
} // namespace seams

namespace ui {
QString askSaveFileName(QWidget *parent, const SaveRequest &request)
{
    return seams::saveDialog().callOr(
        [parent](const SaveRequest &request) {
            return QFileDialog::getSaveFileName(parent, request.caption, request.suggestedName,
                                                request.filter);
        },
        request);
}
} // namespace ui
