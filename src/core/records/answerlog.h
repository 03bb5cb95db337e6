// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fileresult.h"
#include "history.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <functional>
#include <limits>
#include <optional>

// One question of a checked sheet as the student's record of answers keeps it: when the
// sheet was checked, the question's level and whether it was asked on a review sheet, the
// operands, the answer as typed, whether it was right and the time spent on it.
struct AnswerRecord
{
    history::DateAndTime checked; // the same moment as the sheet's history line
    int level = 1; // 1 to 6; on a review sheet, the level the question comes from
    bool review = false;
    int first = 0; // 0 to 9999, as the second
    int second = 0;
    // The digits as typed, blanks around them left out. Empty for a blank box, and written
    // empty for an answer that is no number of digits alone (a sign, a point, letters).
    QByteArray answer;
    bool right = false;
    // From the box getting the focus to the answer being left, summed over the visits;
    // written clamped to 0..MaxMs.
    qint64 ms = 0;

    bool operator==(const AnswerRecord &) const = default;
};

// The record of answers: a file per student beside the history, the name's bytes and
// ".ans", one line per question of every checked sheet, with CR LF line ends:
//     DATE#KIND#FIRST#SECOND#ANSWER#RESULT#MS
//     12/7/2026 9:05:03 AM#2#47#85#122#wrong#5300
// DATE as history::formatDate() writes it; KIND the level "1" to "6", or "R1" to "R6" for a
// question of a review sheet; FIRST and SECOND in decimal; ANSWER digits or nothing; RESULT
// "right" or "wrong"; MS whole milliseconds. Numbers the program writes have no leading
// zero; the answer keeps the pupil's.
namespace answerlog {

inline constexpr const char *Extension = ".ans";
inline constexpr qint64 MaxMs = 999'999'999;
inline constexpr qsizetype MaxAnswerDigits = 9;
// Longer than any line the program writes by far; a longer one is skipped unread.
inline constexpr qint64 MaxLineLength = 256;

// The name's own bytes and ".ans", as history::fileNameFor() makes ".hst".
QByteArray fileNameFor(const QByteArray &student);

// One line as written, without its line end.
QByteArray formatRecord(const AnswerRecord &record);
// A line of exactly seven fields, each as the program writes it, or nothing.
std::optional<AnswerRecord> parseRecord(QByteArrayView line);

struct Read
{
    QList<AnswerRecord> records; // in file order
    qint64 skipped = 0; // lines that were no record or too long; empty lines are not counted
    QString error; // when the file could not be read (to its end): ready to show
};
// The records of a file; a missing file is no error and has none. With `lastBytes`, only
// the records of the file's last that many bytes, the line they begin in left out: the
// recent answers of a long record, read in a time that does not grow with it.
Read readRecords(const QByteArray &fileName, qint64 lastBytes = std::numeric_limits<qint64>::max());
// The same records handed to `take` one by one as they are read, none kept (`records` stays
// empty): what folds a long record into a little needs no room for the whole of it.
Read forEachRecord(const QByteArray &fileName,
                   const std::function<void(const AnswerRecord &)> &take,
                   qint64 lastBytes = std::numeric_limits<qint64>::max());

// For a student added anew: an earlier record of answers of that name that held anything is
// kept beside it as "NAME.ans.1" (the next free number); the first checked sheet starts the
// new one.
FileResult startAnew(const QByteArray &student);
// Appends the lines of one checked sheet in one write, creating the file when missing. A
// write that fails leaves the file as it was; no records write nothing. Like every change of
// a student's record of answers, under the lock of the student's history.
FileResult append(const QByteArray &student, const QList<AnswerRecord> &records);
// A checked sheet's result line and its answers, under that one lock: the history first, and
// the answers only when it was written.
FileResult appendSheet(const QByteArray &student, const HistoryRecord &result,
                       const QList<AnswerRecord> &records);

} // namespace answerlog
