// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fileresult.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// One line of a student's history: when the answers were checked, the level, the score
// in percent and the time taken, as the text stored in the file.
struct HistoryRecord
{
    QByteArray date;
    QByteArray level;
    QByteArray score;
    QByteArray speed;

    bool operator==(const HistoryRecord &) const = default;
};

namespace history {

inline constexpr const char *Extension = ".hst";

// A student's name makes a file name only when it stays a plain name in the working
// directory: no separators, no NUL byte, not "." or "..".
bool isSafeStudentName(const QByteArray &student);
// The name's own bytes and ".hst": names that differ never share a file.
QByteArray fileNameFor(const QByteArray &student);

// The fixed form of a date and time, whatever the machine's locale: month/day/year, then
// the 12-hour time with AM or PM; the date alone at exactly midnight.
QByteArray formatDate(const QDateTime &when);
// Reads that form back, also a date alone or a date with a 24-hour time. A year of one or
// two digits is one of 2000 to 2099; one of three is refused.
std::optional<QDateTime> parseDate(QByteArrayView text);
// A run of 1 to maxDigits decimal digits and nothing else, as the fields of a record are.
std::optional<int> wholeNumber(QByteArrayView text, qsizetype maxDigits);
// The same, as the date and the time of day written, not yet placed in the local time zone;
// much quicker where many are read, and a time the zone skips still reads as written.
struct DateAndTime
{
    QDate date;
    QTime time;

    bool operator==(const DateAndTime &) const = default;
};
std::optional<DateAndTime> parseDateAndTime(QByteArrayView text);

// One line as written, without its line end.
QByteArray formatRecord(const HistoryRecord &record);
// The four fields of a line, viewed in place: where many lines are read, nothing is copied.
struct RecordFields
{
    QByteArrayView date, level, score, speed;
};
// Splits a line at "#" into at most four fields, the last keeping any further "#";
// fewer than four fields is not a record.
std::optional<RecordFields> splitRecord(QByteArrayView line);
// The same fields, copied.
std::optional<HistoryRecord> parseRecord(QByteArrayView line);

// The records of a file in file order; a missing or unreadable file gives none.
QList<HistoryRecord> readRecords(const QByteArray &fileName);

// Creates the student's history file empty. An earlier file of that name that held
// results is first kept beside it as "NAME.hst.1" (the next free number).
FileResult create(const QByteArray &student);
// Appends one record to the student's history file, creating the file when missing. A
// write that fails leaves the file as it was.
FileResult append(const QByteArray &student, const HistoryRecord &record);

} // namespace history
