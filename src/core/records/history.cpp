// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "history.h"

#include "datafile.h"
#include "linescanner.h"
#include "recordfile.h"
#include "studentlist.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>

#include <limits>

namespace history {

bool isSafeStudentName(const QByteArray &student)
{
    return !student.contains('/') && !student.contains('\\') && !student.contains('\0')
        && student != "." && student != "..";
}

QByteArray fileNameFor(const QByteArray &student)
{
    return student + Extension;
}

static FileResult unsafeName(const QByteArray &student)
{
    return FileResult::failure(
        QCoreApplication::translate("FileResult",
                                    "\"%1\" cannot be used as a file name, so no history file "
                                    "is written for this student.")
            .arg(StudentList::displayName(student)));
}

QByteArray formatDate(const QDateTime &when)
{
    const QLocale c = QLocale::c();
    const QTime time = when.time();
    if (time.hour() == 0 && time.minute() == 0 && time.second() == 0) {
        return c.toString(when.date(), QStringLiteral("M/d/yyyy")).toLatin1();
    }
    return c.toString(when, QStringLiteral("M/d/yyyy h:mm:ss AP")).toLatin1();
}

std::optional<int> wholeNumber(QByteArrayView text, qsizetype maxDigits)
{
    if (text.isEmpty() || text.size() > maxDigits) {
        return std::nullopt;
    }
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

static std::optional<QDate> parseDay(QByteArrayView text)
{
    const qsizetype a = text.indexOf('/');
    const qsizetype b = a < 0 ? -1 : text.sliced(a + 1).indexOf('/');
    if (b < 0) {
        return std::nullopt;
    }
    const auto month = wholeNumber(text.first(a), 2);
    const auto day = wholeNumber(text.sliced(a + 1, b), 2);
    const QByteArrayView yearText = text.sliced(a + b + 2);
    // A short date writes the year of the century, one or two digits: this century's, as
    // the results are. Three digits are no way of writing a year.
    const std::optional<int> written
        = yearText.size() == 3 ? std::nullopt : wholeNumber(yearText, 4);
    const std::optional<int> year
        = written && yearText.size() <= 2 ? std::optional(*written + 2000) : written;
    if (!month || !day || !year) {
        return std::nullopt;
    }
    const QDate date(*year, *month, *day);
    return date.isValid() ? std::optional(date) : std::nullopt;
}

static std::optional<QTime> parseClock(QByteArrayView text)
{
    bool twelveHour = false;
    bool afternoon = false;
    if (text.endsWith(" AM") || text.endsWith(" PM")) {
        twelveHour = true;
        afternoon = text.endsWith(" PM");
        text.chop(3);
    }
    const qsizetype a = text.indexOf(':');
    if (a < 0) {
        return std::nullopt;
    }
    const qsizetype b = text.sliced(a + 1).indexOf(':');
    const auto hour = wholeNumber(text.first(a), 2);
    const auto minute = wholeNumber(b < 0 ? text.sliced(a + 1) : text.sliced(a + 1, b), 2);
    const auto second = b < 0 ? std::optional(0) : wholeNumber(text.sliced(a + b + 2), 2);
    if (!hour || !minute || !second) {
        return std::nullopt;
    }
    int h = *hour;
    if (twelveHour) {
        if (h < 1 || h > 12) {
            return std::nullopt;
        }
        h = h % 12 + (afternoon ? 12 : 0);
    }
    const QTime time(h, *minute, *second);
    return time.isValid() ? std::optional(time) : std::nullopt;
}

std::optional<DateAndTime> parseDateAndTime(QByteArrayView text)
{
    const qsizetype space = text.indexOf(' ');
    const auto day = parseDay(space < 0 ? text : text.first(space));
    if (!day) {
        return std::nullopt;
    }
    if (space < 0) {
        return DateAndTime {*day, QTime(0, 0)};
    }
    const auto time = parseClock(text.sliced(space + 1));
    if (!time) {
        return std::nullopt;
    }
    return DateAndTime {*day, *time};
}

std::optional<QDateTime> parseDate(QByteArrayView text)
{
    const auto read = parseDateAndTime(text);
    if (!read) {
        return std::nullopt;
    }
    return QDateTime(read->date, read->time);
}

QByteArray formatRecord(const HistoryRecord &r)
{
    return r.date + '#' + r.level + '#' + r.score + '#' + r.speed;
}

std::optional<RecordFields> splitRecord(QByteArrayView line)
{
    const qsizetype a = line.indexOf('#');
    const qsizetype b = a < 0 ? -1 : line.indexOf('#', a + 1);
    const qsizetype c = b < 0 ? -1 : line.indexOf('#', b + 1);
    if (c < 0) {
        return std::nullopt;
    }
    return RecordFields {line.first(a), line.sliced(a + 1, b - a - 1),
                         line.sliced(b + 1, c - b - 1), line.sliced(c + 1)};
}

std::optional<HistoryRecord> parseRecord(QByteArrayView line)
{
    const std::optional<RecordFields> f = splitRecord(line);
    if (!f) {
        return std::nullopt;
    }
    return HistoryRecord {f->date.toByteArray(), f->level.toByteArray(), f->score.toByteArray(),
                          f->speed.toByteArray()};
}

QList<HistoryRecord> readRecords(const QByteArray &fileName)
{
    datafile::Opened opened = datafile::openForReading(fileName);
    if (opened.status != datafile::Opened::Ok) {
        return {};
    }
    QList<HistoryRecord> records;
    LineScanner(*opened.file)
        .scan(0, std::numeric_limits<qint64>::max(), [&records](qint64, QByteArrayView line) {
            if (auto record = parseRecord(line)) {
                records.append(std::move(*record));
            }
            return true;
        });
    return records;
}

FileResult create(const QByteArray &student)
{
    if (!isSafeStudentName(student)) {
        return unsafeName(student);
    }
    return recordfile::create(fileNameFor(student));
}

FileResult append(const QByteArray &student, const HistoryRecord &record)
{
    if (!isSafeStudentName(student)) {
        return unsafeName(student);
    }
    return recordfile::append(fileNameFor(student), formatRecord(record) + "\r\n");
}

} // namespace history
