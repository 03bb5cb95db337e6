// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/records/fileresult.h"
#include "gui/seams/printer.h"

#include <QString>

class QWidget;

// Where a page goes: one document on the system's default printer (unless a test stands in
// for it, see gui/seams/printer.h), or a PDF file.
namespace printing {

PrintResult toDefaultPrinter(const QString &title, const Page &page);

FileResult toPdfFile(const QString &path, const QString &title, const Page &page);

// Prints on the default printer; where there is none, or it fails, offers to save the page as
// a PDF file instead, and says what went wrong.
void printOrSavePdf(QWidget *parent, const Document &document, const Page &page);

} // namespace printing
