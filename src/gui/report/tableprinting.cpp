// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tableprinting.h"

#include "gui/base/busycursor.h"
#include "gui/plugins/pluginloader.h"
#include "gui/plugins/printwindowinterface.h"

void printOrSaveTable(QWidget *parent, const tablepage::Table &table,
                      const printing::Document &document)
{
    PrintWindowInterface *printing = [parent] {
        ui::BusyCursor busy;
        return plugins::load<PrintWindowInterface>(parent);
    }();
    if (printing) {
        printing->printOrSavePdf(parent, document, [&table](PrintSurface &surface) {
            tablepage::print(surface, table);
        });
    }
}
