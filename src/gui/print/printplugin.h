// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gui/plugins/printwindowinterface.h"

#include <QObject>

// The print library as a plug-in: what the main menu asks of it when Print is pressed.
class PrintPlugin : public QObject, public PrintWindowInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID PRINT_WINDOW_INTERFACE_IID)
    Q_INTERFACES(PrintWindowInterface)

public:
    Form *createPrintWindow(const Session &session) override;
    void printOrSavePdf(QWidget *parent, const printing::Document &document,
                        const printing::Page &page) override;
};
