// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The few printer operations the worksheet needs, so that the same page can go to the
// real printer, a PDF file or, in tests, a recording. Positions are in twips from the
// top-left corner of the printable area; text is drawn with its top-left at the cursor.
class PrintSurface
{
public:
    virtual ~PrintSurface() = default;

    virtual void setFontName(const QString &family) = 0;
    virtual void setFontSize(double points) = 0;

    virtual double currentX() const = 0;
    virtual double currentY() const = 0;
    virtual void setCurrentX(double twips) = 0;
    virtual void setCurrentY(double twips) = 0;

    // The printed width of the text in the current font, in twips.
    virtual double textWidth(const QString &text) const = 0;

    // Draws the text at the cursor and moves the cursor past it, staying on the line.
    virtual void print(const QString &text) = 0;
    // As print(), then back to the left edge and down by one line of the current font.
    virtual void printLine(const QString &text) = 0;

    // Ends the document and releases it to its destination.
    virtual void endDoc() = 0;
};
