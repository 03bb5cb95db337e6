// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/records/history.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>

// The report's text lines, fixed-pitch: a heading, then one line per history record with
// each value ending under the last letter of its heading word.
namespace reportline {

// "Date", "Level", "Score" and "Speed" spread over 57 characters. The list shows it
// translated in the context "ReportModel"; a translation keeps the columns in place.
inline constexpr const char *Heading
    = QT_TRANSLATE_NOOP("ReportModel", "Date                        Level       Score       Speed");
QByteArray heading();

// When the record's date reads back, it is shown as dd/mm/yyyy hh:mm on the 24-hour
// clock; a date that does not is shown as its own text, never guessed at.
QByteArray dateText(QByteArrayView date);

QByteArray format(const HistoryRecord &record);

} // namespace reportline
