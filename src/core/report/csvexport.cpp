// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "csvexport.h"

#include "core/records/atomicfile.h"
#include "core/records/studentlist.h"
#include "recordindex.h"

#include <QFile>

#include <algorithm>
#include <cstdio>

namespace csvexport {

namespace {
// A cell that starts with one of these is a formula to a spreadsheet, run when it opens the
// file.
bool startsAsFormula(QByteArrayView field)
{
    return !field.isEmpty() && QByteArrayView("=+-@\t\r").contains(field.front());
}

// A field that holds a separator, a quote or a line end is quoted, its quotes doubled. One
// that would start a formula gets an apostrophe in front, so that it stays text.
void appendField(QByteArray &out, QByteArrayView field)
{
    const bool quote = std::any_of(field.begin(), field.end(), [](char c) {
        return c == ',' || c == '"' || c == '\r' || c == '\n';
    });
    if (quote) {
        out.append('"');
    }
    if (startsAsFormula(field)) {
        out.append('\'');
    }
    if (!quote) {
        out.append(field);
        return;
    }
    for (char c : field) {
        if (c == '"') {
            out.append('"');
        }
        out.append(c);
    }
    out.append('"');
}

QByteArray isoDate(QByteArrayView date)
{
    const auto when = history::parseDateAndTime(date);
    if (!when) {
        return date.toByteArray();
    }
    const QDate d = when->date;
    const QTime t = when->time;
    char text[32];
    const int n = std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", d.year(),
                                d.month(), d.day(), t.hour(), t.minute(), t.second());
    return QByteArray(text, n);
}
} // namespace

QByteArray header()
{
    return QByteArrayLiteral("date,level,score,speed,student\r\n");
}

QByteArray row(const HistoryRecord &record, const QByteArray &student)
{
    QByteArray out;
    appendField(out, isoDate(record.date));
    out.append(',');
    appendField(out, record.level);
    out.append(',');
    appendField(out, record.score);
    out.append(',');
    appendField(out, record.speed);
    out.append(',');
    appendField(out, student);
    out.append("\r\n");
    return out;
}

QString fileNameFor(const QByteArray &student)
{
    if (student.isEmpty()) {
        return QStringLiteral("results.csv");
    }
    // Separators would lead out of the folder; these and control characters are refused in
    // file names on one common system or another.
    QString base = StudentList::displayName(student);
    for (QChar &c : base) {
        if (c.category() == QChar::Other_Control || QStringView(u"/\\:*?\"<>|").contains(c)) {
            c = u'_';
        }
    }
    const QString extension = QStringLiteral(".csv");
    constexpr qsizetype MaxNameBytes = 255; // of a file name, on most file systems
    while (QFile::encodeName(base + extension).size() > MaxNameBytes) {
        base.chop(base.size() > 1 && base.back().isLowSurrogate() ? 2 : 1);
    }
    return base + extension;
}

FileResult write(const QString &path, const RecordIndex &records, const QByteArray &student)
{
    AtomicFile file(QFile::encodeName(path), AtomicFile::Target::Chosen);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.result();
    }
    constexpr qsizetype ChunkSize = 1 << 16;
    QByteArray chunk = header();
    bool ok = true;
    records.forEachLine([&](QByteArrayView line) {
        if (!ok) {
            return;
        }
        if (const auto record = history::parseRecord(line)) {
            chunk.append(row(*record, student));
        }
        if (chunk.size() >= ChunkSize) {
            ok = file.write(chunk) == chunk.size();
            chunk.resize(0);
        }
    });
    ok = ok && file.write(chunk) == chunk.size();
    if (!ok) {
        file.cancel();
        return file.result();
    }
    return file.commit();
}

namespace {
FileResult writeWhole(const QString &path, const QByteArray &bytes)
{
    AtomicFile file(QFile::encodeName(path), AtomicFile::Target::Chosen);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.result();
    }
    if (file.write(bytes) != bytes.size()) {
        file.cancel();
        return file.result();
    }
    return file.commit();
}

QByteArray trendWord(std::optional<classoverview::Trend> trend)
{
    if (!trend) {
        return {};
    }
    return *trend == classoverview::Trend::Up  ? "up"
        : *trend == classoverview::Trend::Down ? "down"
                                               : "steady";
}
} // namespace

QByteArray classTable(const QList<classoverview::StudentSummary> &students)
{
    QByteArray out = "student,sheets last 7 days,sheets last 30 days,last sheet,last level,"
                     "last score";
    for (int level = 1; level <= classoverview::Levels; ++level) {
        out += ",level " + QByteArray::number(level) + " mean,level " + QByteArray::number(level)
            + " trend";
    }
    out += ",weak facts\r\n";
    for (const classoverview::StudentSummary &s : students) {
        QList<QByteArray> fields {s.student, QByteArray::number(s.sheetsLastWeek),
                                  QByteArray::number(s.sheetsLast30Days)};
        fields += s.lastSheet
            ? QList<QByteArray> {s.lastSheet->toString(Qt::ISODate).toLatin1(),
                                 QByteArray::number(s.lastLevel), QByteArray::number(s.lastScore)}
            : QList<QByteArray> {{}, {}, {}};
        for (const std::optional<classoverview::LevelMean> &mean : s.levels) {
            fields += mean
                ? QList<QByteArray> {QByteArray::number(mean->mean, 'f', 1), trendWord(mean->trend)}
                : QList<QByteArray> {{}, {}};
        }
        fields += QByteArray::number(s.weakFacts);
        for (qsizetype i = 0; i < fields.size(); ++i) {
            if (i > 0) {
                out.append(',');
            }
            appendField(out, fields.at(i));
        }
        out.append("\r\n");
    }
    return out;
}

FileResult writeClass(const QString &path, const QList<classoverview::StudentSummary> &students)
{
    return writeWhole(path, classTable(students));
}

} // namespace csvexport
