#pragma once

#include "print/worksheetpage.h"

#include <QStringList>

class QPaintDevice;

// Reads a printed worksheet back from its PDF with pdftotext -bbox.
namespace pdfpage {

bool havePdfToText();

// Problems found on the PDF against the worksheet layout of the set: one page; every block,
// the tear line and the answer strip in place, with the strip's lines spaced as 8-point
// Arial on the device that printed it; operands right-aligned; each answer the sum of the
// operands printed beside it; nothing else on the page. Empty when all is well.
QStringList checkWorksheet(const QString &pdfPath, const worksheet::Set &set,
                           const QPaintDevice *device);

} // namespace pdfpage
