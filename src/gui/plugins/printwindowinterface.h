// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gui/seams/printer.h"

#include <QtPlugin>

class Form;
class Session;
class QWidget;

// The print window and printing of any page, a plug-in with Qt Print Support that the main menu
// loads when the window is first opened (see pluginloader.h).
class PrintWindowInterface
{
public:
    static constexpr char Library[] = "sumtrail_print";

    virtual ~PrintWindowInterface() = default;
    // A new print window, not yet shown, for the session's current student; the caller owns it.
    virtual Form *createPrintWindow(const Session &session) = 0;
    // Prints a page of another window, or saves it as a PDF file (printing::printOrSavePdf).
    virtual void printOrSavePdf(QWidget *parent, const printing::Document &document,
                                const printing::Page &page)
        = 0;
};

#define PRINT_WINDOW_INTERFACE_IID "org.example.sumtrail.PrintWindowInterface/2.0"
Q_DECLARE_INTERFACE(PrintWindowInterface, PRINT_WINDOW_INTERFACE_IID)
