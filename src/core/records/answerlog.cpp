// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "answerlog.h"

#include "datafile.h"
#include "linescanner.h"
#include "recordfile.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <array>
#include <limits>

namespace answerlog {

namespace {

constexpr int FieldCount = 7;
constexpr qsizetype OperandDigits = 4;
constexpr qsizetype MsDigits = 9;

bool isDigits(QByteArrayView text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A number as the program writes it: a leading zero is a hand-edited line.
std::optional<int> plainNumber(QByteArrayView text, qsizetype maxDigits)
{
    if (text.size() > 1 && text.front() == '0') {
        return std::nullopt;
    }
    return history::wholeNumber(text, maxDigits);
}

// "1" to "6", or "R1" to "R6".
bool readKind(QByteArrayView text, AnswerRecord &record)
{
    record.review = text.startsWith('R');
    const QByteArrayView level = record.review ? text.sliced(1) : text;
    if (level.size() != 1 || level.front() < '1' || level.front() > '6') {
        return false;
    }
    record.level = level.front() - '0';
    return true;
}

FileResult unsafeName(const QByteArray &student)
{
    return FileResult::failure(
        QCoreApplication::translate("FileResult",
                                    "\"%1\" cannot be used as a file name, so no record of "
                                    "answers is written for this student.")
            .arg(datafile::displayName(student)));
}

} // namespace

QByteArray fileNameFor(const QByteArray &student)
{
    return student + Extension;
}

QByteArray formatRecord(const AnswerRecord &r)
{
    const QByteArrayView typed = QByteArrayView(r.answer).trimmed();
    const bool number = !typed.isEmpty() && typed.size() <= MaxAnswerDigits && isDigits(typed);
    // The date as written, not moved by the local time zone's changes.
    const QDateTime checked(r.checked.date, r.checked.time, Qt::UTC);
    QByteArray line = history::formatDate(checked);
    line += '#';
    if (r.review) {
        line += 'R';
    }
    line += QByteArray::number(r.level) + '#' + QByteArray::number(r.first) + '#'
        + QByteArray::number(r.second) + '#';
    if (number) {
        line += typed;
    }
    line += r.right ? "#right#" : "#wrong#";
    line += QByteArray::number(std::clamp(r.ms, qint64(0), MaxMs));
    return line;
}

std::optional<AnswerRecord> parseRecord(QByteArrayView line)
{
    std::array<QByteArrayView, FieldCount> field;
    qsizetype from = 0;
    for (int i = 0; i < FieldCount - 1; ++i) {
        const qsizetype hash = line.indexOf('#', from);
        if (hash < 0) {
            return std::nullopt;
        }
        field[i] = line.sliced(from, hash - from);
        from = hash + 1;
    }
    field[FieldCount - 1] = line.sliced(from);
    const auto [dateText, kind, firstText, secondText, answer, result, msText] = field;

    AnswerRecord record;
    const auto checked = history::parseDateAndTime(dateText);
    const auto first = plainNumber(firstText, OperandDigits);
    const auto second = plainNumber(secondText, OperandDigits);
    const auto ms = plainNumber(msText, MsDigits); // a "#" in it is no digit: eight fields
    if (!checked || !readKind(kind, record) || !first || !second || !ms
        || answer.size() > MaxAnswerDigits || !isDigits(answer)
        || (result != "right" && result != "wrong")) {
        return std::nullopt;
    }
    record.checked = *checked;
    record.first = *first;
    record.second = *second;
    record.answer = answer.toByteArray();
    record.right = result == "right";
    record.ms = *ms;
    return record;
}

Read readRecords(const QByteArray &fileName, qint64 lastBytes)
{
    QList<AnswerRecord> records;
    Read read = forEachRecord(
        fileName, [&records](const AnswerRecord &record) { records.append(record); }, lastBytes);
    read.records = std::move(records);
    return read;
}

Read forEachRecord(const QByteArray &fileName,
                   const std::function<void(const AnswerRecord &)> &take, qint64 lastBytes)
{
    Read read;
    datafile::Opened opened = datafile::openForReading(fileName);
    if (opened.status == datafile::Opened::Missing) {
        return read;
    }
    if (opened.status != datafile::Opened::Ok) {
        read.error = opened.message;
        return read;
    }
    LineScanner scanner(*opened.file, MaxLineLength);
    const qint64 from = std::max<qint64>(0, opened.file->size() - lastBytes);
    const bool whole
        = scanner.scan(from, std::numeric_limits<qint64>::max(),
                       [&read, &take, from](qint64 at, QByteArrayView line) {
                           if (at == from && from > 0) {
                               return true; // most likely the end of a line that began before
                           }
                           if (const auto record = parseRecord(line)) {
                               take(*record);
                           } else if (!line.isEmpty()) {
                               ++read.skipped;
                           }
                           return true;
                       });
    read.skipped += scanner.skippedLines();
    if (!whole) {
        read.error = datafile::readFailure(fileName, scanner.errorString());
    }
    return read;
}

static QByteArray linesOf(const QList<AnswerRecord> &records)
{
    QByteArray lines;
    for (const AnswerRecord &record : records) {
        lines += formatRecord(record) + "\r\n";
    }
    return lines;
}

FileResult startAnew(const QByteArray &student)
{
    if (!history::isSafeStudentName(student)) {
        return unsafeName(student);
    }
    return recordfile::create(fileNameFor(student), recordfile::Start::OnFirstAppend,
                              {history::fileNameFor(student)});
}

FileResult append(const QByteArray &student, const QList<AnswerRecord> &records)
{
    if (!history::isSafeStudentName(student)) {
        return unsafeName(student);
    }
    if (records.isEmpty()) {
        return FileResult::success();
    }
    return recordfile::append(fileNameFor(student), linesOf(records),
                              {history::fileNameFor(student)});
}

FileResult appendSheet(const QByteArray &student, const HistoryRecord &result,
                       const QList<AnswerRecord> &records)
{
    if (!history::isSafeStudentName(student)) {
        return unsafeName(student);
    }
    const QByteArray historyFile = history::fileNameFor(student);
    QList<recordfile::Lines> files {{historyFile, history::formatRecord(result) + "\r\n"}};
    if (!records.isEmpty()) {
        files.append({fileNameFor(student), linesOf(records)});
    }
    return recordfile::appendAll(files, {historyFile});
}

} // namespace answerlog
