#include "history.h"

#include "studentlist.h"
#include "textlines.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace history {

bool isSafeStudentName(const QByteArray &student)
{
    return !student.contains('/') && !student.contains('\\') && !student.contains('\0')
        && student != "." && student != "..";
}

QString fileNameFor(const QByteArray &student)
{
    return QFile::decodeName(student + Extension);
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
    auto year = wholeNumber(yearText, 4);
    // A short date writes the year of the century, one or two digits: this century's, as
    // the results are. Three digits are no way of writing a year.
    if (yearText.size() == 3) {
        year.reset();
    } else if (year && yearText.size() <= 2) {
        *year += 2000;
    }
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
    return r.Date + '#' + r.Level + '#' + r.Score + '#' + r.Speed;
}

std::optional<HistoryRecord> parseRecord(QByteArrayView line)
{
    const qsizetype a = line.indexOf('#');
    if (a < 0) {
        return std::nullopt;
    }
    const qsizetype b = line.indexOf('#', a + 1);
    if (b < 0) {
        return std::nullopt;
    }
    const qsizetype c = line.indexOf('#', b + 1);
    if (c < 0) {
        return std::nullopt;
    }
    return HistoryRecord {line.first(a).toByteArray(), line.sliced(a + 1, b - a - 1).toByteArray(),
                          line.sliced(b + 1, c - b - 1).toByteArray(),
                          line.sliced(c + 1).toByteArray()};
}

QList<HistoryRecord> readRecords(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray content = file.readAll();
    QList<HistoryRecord> records;
    forEachLine(content, [&records](QByteArrayView line) {
        if (auto record = parseRecord(line)) {
            records.append(std::move(*record));
        }
    });
    return records;
}

} // namespace history

// The first "NAME.hst.N" that does not exist yet.
static QString nextBackupName(const QString &fileName)
{
    for (int n = 1;; ++n) {
        const QString candidate = fileName + QLatin1Char('.') + QString::number(n);
        if (!QFileInfo::exists(candidate)) {
            return candidate;
        }
    }
}

FileResult CreateHistory(const QByteArray &student)
{
    if (!history::isSafeStudentName(student)) {
        return history::unsafeName(student);
    }
    const QString fileName = history::fileNameFor(student);
    const QFileInfo existing(fileName);
    QString backup;
    if (existing.isFile() && existing.size() > 0) {
        // Earlier results are kept beside the new, empty file rather than lost.
        backup = nextBackupName(fileName);
        QFile old(fileName);
        if (!old.rename(backup)) {
            return FileResult::writeFailure(fileName, old.errorString());
        }
    }
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        const QString reason = file.errorString();
        if (!backup.isEmpty()) {
            QFile::rename(backup, fileName);
        }
        return FileResult::writeFailure(fileName, reason);
    }
    file.close();
    return FileResult::success();
}

// Whether an append starts a line of its own; an empty or unreadable file counts as ended.
static bool endsWithLineEnd(const QString &fileName, qint64 size)
{
    QFile file(fileName);
    char last = '\n';
    if (size > 0 && file.open(QIODevice::ReadOnly) && file.seek(size - 1)) {
        file.getChar(&last);
    }
    return last == '\n' || last == '\r';
}

FileResult AppendResult(const QByteArray &student, const HistoryRecord &record)
{
    if (!history::isSafeStudentName(student)) {
        return history::unsafeName(student);
    }
    const QString fileName = history::fileNameFor(student);
    QFile file(fileName);
    // Unbuffered, so that a failed write is seen at once and can still be cut off.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        return FileResult::writeFailure(fileName, file.errorString());
    }
    const qint64 sizeBefore = file.size();
    QByteArray line = history::formatRecord(record) + "\r\n";
    if (!endsWithLineEnd(fileName, sizeBefore)) {
        // A last line left open by another editor would take the record into itself.
        line.prepend("\r\n");
    }
    if (file.write(line) != line.size()) {
        // A short write would leave half a line that merges with the next record.
        const QString reason = file.errorString();
        file.resize(sizeBefore);
        return FileResult::writeFailure(fileName, reason);
    }
    file.close();
    if (file.error() != QFileDevice::NoError) {
        return FileResult::writeFailure(fileName, file.errorString());
    }
    return FileResult::success();
}
