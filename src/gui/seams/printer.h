// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "seam.h"

#include <QString>

#include <functional>

class PrintSurface;

// What goes to the printer: the page is drawn by the caller on the surface it is given and
// ends the document itself. Printing itself (printing::toDefaultPrinter) lives in the print
// library, with Qt Print Support; the seam lives here, with the others.
namespace printing {

using Page = std::function<void(PrintSurface &)>;

enum class Status { Printed, NoPrinter, Failed };

// A document as the user is told of it: its title on the printer, and how the user is asked
// to save it as a PDF file instead.
struct Document
{
    QString title;
    QString pdfQuestion; // "Do you want to save ... as a PDF file instead?"
    QString saveCaption;
    QString pdfName;
};

struct PrintResult
{
    Status status = Status::Printed;
    QString reason; // for Failed: what went wrong, to show to the user
};

} // namespace printing

namespace seams {
// Tests stand in here for the system's default printer.
Seam<printing::PrintResult(const QString &title, const printing::Page &page)> &printer();
} // namespace seams
