#pragma once

#include "core/records/fileresult.h"
#include "gui/seams/printer.h"

#include <QString>

// Where a page goes: one document on the system's default printer (unless a test stands in
// for it, see gui/seams/printer.h), or a PDF file.
namespace printing {

PrintResult toDefaultPrinter(const QString &title, const Page &page);

FileResult toPdfFile(const QString &path, const QString &title, const Page &page);

} // namespace printing
