// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/print/tablepage.h"
#include "gui/seams/printer.h"

class QWidget;

// A page of one table to the printer, or to a PDF file where there is none, through the
// print plug-in (loaded on first use, with a busy cursor meanwhile).
void printOrSaveTable(QWidget *parent, const tablepage::Table &table,
                      const printing::Document &document);
