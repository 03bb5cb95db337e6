#pragma once

#include "core/records/fileresult.h"

#include <QString>

#include <functional>

class PrintSurface;

// Where a page goes: one document on the system's default printer, or a PDF file. The
// page is drawn by the caller on the surface it is given and ends the document itself.
namespace printing {

using Page = std::function<void(PrintSurface &)>;

enum class Status { Printed, NoPrinter, Failed };

struct PrintResult
{
    Status status = Status::Printed;
    QString reason; // for Failed: what went wrong, to show to the user
};

PrintResult toDefaultPrinter(const QString &title, const Page &page);

FileResult toPdfFile(const QString &path, const QString &title, const Page &page);

// Tests stand in for the default printer; an empty function brings the real one back.
using PrinterStandIn = std::function<PrintResult(const QString &title, const Page &page)>;
void setPrinterStandIn(PrinterStandIn standIn);

} // namespace printing
