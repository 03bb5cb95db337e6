// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "classoverview.h"
#include "core/records/fileresult.h"
#include "core/records/history.h"

#include <QByteArray>
#include <QString>

class RecordIndex;

// A student's history as comma-separated values for a spreadsheet: a header row, then
// one row per record with the date in ISO 8601 and, last, the student's name, so that the
// files of a class can be put together. Rows end with CR LF.
namespace csvexport {

QByteArray header();
// A date that does not read back is written as it stands rather than dropped. A field that
// a spreadsheet would run as a formula is written with an apostrophe in front.
QByteArray row(const HistoryRecord &record, const QByteArray &student);

// The name offered for a student's file: one plain file name in the working folder, whatever
// the roster's line holds.
QString fileNameFor(const QByteArray &student);

// Writes the whole file or, on failure, leaves whatever was at the path untouched.
FileResult write(const QString &path, const RecordIndex &records, const QByteArray &student);

// The class overview, a row per student: each level's mean and its trend in columns of their
// own, so that a spreadsheet can reckon with the means.
QByteArray classTable(const QList<classoverview::StudentSummary> &students);
FileResult writeClass(const QString &path, const QList<classoverview::StudentSummary> &students);

} // namespace csvexport
