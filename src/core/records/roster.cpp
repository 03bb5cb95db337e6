// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "roster.h"

#include "atomicfile.h"
#include "datafile.h"
#include "filelock.h"
#include "linescanner.h"
#include "studentlist.h"
#include "textlines.h"

#include <QCoreApplication>
#include <QFile>

#include <atomic>
#include <ctime>
#include <limits>
#include <sys/stat.h>

namespace roster {

// An empty line names no one: as a student it would keep its results in ".hst", a hidden
// file, and stand in the list as a blank.
static void appendName(QList<QByteArray> &names, QByteArrayView line)
{
    if (!line.isEmpty()) {
        names.append(line.toByteArray());
    }
}

QList<QByteArray> parseNames(QByteArrayView content)
{
    QList<QByteArray> names;
    forEachLine(content, [&names](QByteArrayView line) { appendName(names, line); });
    return names;
}

ReadResult read(const QByteArray &fileName)
{
    ReadResult result;
    datafile::Opened opened = datafile::openForReading(fileName);
    if (opened.status == datafile::Opened::Missing) {
        return result;
    }
    if (opened.status == datafile::Opened::Failed) {
        result.whole = false;
        result.message = opened.message;
        return result;
    }
    LineScanner lines(*opened.file);
    result.whole
        = lines.scan(0, std::numeric_limits<qint64>::max(), [&result](qint64, QByteArrayView line) {
              appendName(result.names, line);
              return true;
          });
    result.skippedLines = lines.skippedLines();
    if (!result.whole) {
        result.message = datafile::readFailure(fileName, lines.errorString());
    }
    return result;
}

QList<QByteArray> readNames(const QString &path)
{
    return read(QFile::encodeName(path)).names;
}

QByteArray stamp(const QByteArray &fileName)
{
    struct stat st
    {
    };
    if (::stat(fileName.constData(), &st) != 0) {
        return {};
    }
    const auto time = [](const timespec &t) {
        return QByteArray::number(qlonglong(t.tv_sec)) + '.'
            + QByteArray::number(qlonglong(t.tv_nsec));
    };
    // The change time too: a program can set the modification time back, as a copy that
    // keeps times does, but not that one.
    QByteArray stamp = QByteArray::number(qulonglong(st.st_dev)) + ' '
        + QByteArray::number(qulonglong(st.st_ino)) + ' '
        + QByteArray::number(qlonglong(st.st_size)) + ' ' + time(st.st_mtim) + ' '
        + time(st.st_ctim);
    // A file system's clock may tick as seldom as every two seconds (every few milliseconds
    // on a local disk): a change within the tick of the last one keeps every time. Until a
    // change is older than that, the stamp is one that equals no other.
    timespec now {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    const qint64 ageNs = (qint64(now.tv_sec) - qint64(st.st_ctim.tv_sec)) * 1000000000
        + (now.tv_nsec - st.st_ctim.tv_nsec);
    if (ageNs < UnsettledSeconds * qint64(1000000000)) {
        static std::atomic<quint64> unsettled {0};
        stamp += " unsettled " + QByteArray::number(++unsettled);
    }
    return stamp;
}

QByteArray format(const QList<QByteArray> &names)
{
    QByteArray out;
    qsizetype total = 0;
    for (const QByteArray &name : names) {
        total += name.size() + 2;
    }
    out.reserve(total);
    for (const QByteArray &name : names) {
        out += name;
        out += "\r\n";
    }
    return out;
}

static FileResult write(const QByteArray &fileName, const QList<QByteArray> &names, bool lockHeld)
{
    AtomicFile file(fileName);
    file.setLockHeld(lockHeld);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.result();
    }
    const QByteArray bytes = format(names);
    if (file.write(bytes) != bytes.size()) {
        file.cancel();
        return file.result();
    }
    return file.commit();
}

FileResult writeNames(const QString &path, const QList<QByteArray> &names)
{
    return write(QFile::encodeName(path), names, false);
}

static ChangeResult change(const QByteArray &name, bool adding)
{
    const QByteArray fileName = FileName;
    FileLock lock(fileName);
    if (const FileResult locked = lock.lock(); !locked.ok) {
        return {ChangeResult::Failed,
                {},
                locked.message,
                FileResult::writeProblem(locked.fileName, locked.reason)};
    }
    const ReadResult now = read(fileName);
    if (!now.whole) {
        return {ChangeResult::Failed,
                {},
                now.message + QLatin1Char('\n')
                    + QCoreApplication::translate("FileResult", "Nothing was changed."),
                now.message};
    }
    StudentList list;
    list.setNames(now.names);
    if (adding == list.contains(name)) {
        return {
            adding ? ChangeResult::AlreadyListed : ChangeResult::NotListed, list.names(), {}, {}};
    }
    if (adding) {
        list.insertSorted(name);
    } else {
        list.removeAt(int(list.names().indexOf(name)));
    }
    const FileResult saved = write(fileName, list.names(), lock.held());
    if (!saved.ok) {
        return {ChangeResult::Failed,
                {},
                saved.message,
                FileResult::writeProblem(saved.fileName, saved.reason)};
    }
    return {ChangeResult::Changed, list.names(), {}, {}};
}

ChangeResult addName(const QByteArray &name)
{
    return change(name, true);
}

ChangeResult removeName(const QByteArray &name)
{
    return change(name, false);
}

QString problemToTell(const ReadResult &read)
{
    QString message = read.message;
    if (!read.whole) {
        message += QLatin1Char('\n')
            + QCoreApplication::translate("FileResult",
                                          "No change to the student list is saved until the "
                                          "file can be read whole.");
    }
    if (read.skippedLines > 0) {
        if (!message.isEmpty()) {
            message += QLatin1Char('\n');
        }
        // Counted apart: lupdate's parser loops on a template's angle brackets among the
        // arguments of translate().
        const int skipped = int(qMin(read.skippedLines, qint64(std::numeric_limits<int>::max())));
        message += QCoreApplication::translate("FileResult",
                                               "%n line(s) of the file \"%1\" are too long to be "
                                               "names: they are not listed, and a change of the "
                                               "list leaves them out.",
                                               nullptr, skipped)
                       .arg(QString::fromLatin1(FileName));
    }
    return message;
}

} // namespace roster

QString roster::loadInto(StudentList &list)
{
    const roster::ReadResult read = roster::read();
    list.setNames(read.names);
    return roster::problemToTell(read);
}
