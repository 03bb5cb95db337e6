// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "printplugin.h"

#include "printing.h"
#include "printwindow.h"

Form *PrintPlugin::createPrintWindow(const Session &session)
{
    return new PrintWindow(session);
}

void PrintPlugin::printOrSavePdf(QWidget *parent, const printing::Document &document,
                                 const printing::Page &page)
{
    printing::printOrSavePdf(parent, document, page);
}
