#pragma once

#include "print/worksheetpage.h"

#include <QList>
#include <QString>
#include <QStringList>

// Reads a PDF back with pdftotext and checks it against the worksheet layout. Boxes are
// in points from the page's top-left; a word's bottom follows its baseline.
namespace pdfpage {

struct Word
{
    QString text;
    double xMin = 0;
    double yMin = 0;
    double xMax = 0;
    double yMax = 0;
};

struct Document
{
    QString error; // empty when pdftotext read the file
    int pages = 0;
    QList<Word> words;
};

bool havePdfToText();
Document read(const QString &pdfPath);

// Problems found on the one page against the expected layout, where the operand texts
// come from the set and the 8-point line advance of the device is answerLineTwips. Every
// printed answer must be the sum of the two operands printed beside it. Empty: all well.
QStringList checkWorksheet(const Document &document, const worksheet::Set &set,
                           double answerLineTwips);

} // namespace pdfpage
