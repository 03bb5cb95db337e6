// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messagebox.h"

namespace seams {
Seam<QMessageBox::StandardButton(const ui::MessageRequest &)> &messageBox()
{
    static Seam<QMessageBox::StandardButton(const ui::MessageRequest &)> seam;
    return seam;
}
} // namespace seams

namespace ui {
QMessageBox::StandardButton msgBox(QWidget *parent, const MessageRequest &request)
{
    return seams::messageBox().callOr(
        [parent](const MessageRequest &request) {
            QMessageBox box(request.icon, QString::fromLatin1(AppTitle), request.text,
                            request.buttons, parent);
            // Messages name students and files, both taken from files anyone can edit: shown
            // as written, never read as markup.
            box.setTextFormat(Qt::PlainText);
            box.setDefaultButton(request.defaultButton);
            return static_cast<QMessageBox::StandardButton>(box.exec());
        },
        request);
}
} // namespace ui
