// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "recordfile.h"

#include "datafile.h"
#include "filelock.h"

#include <QCoreApplication>
#include <QFile>

#include <unistd.h>

namespace recordfile {

// The first "NAME.N" that does not exist yet.
static QByteArray nextBackupName(const QByteArray &fileName)
{
    for (int n = 1;; ++n) {
        const QByteArray candidate = fileName + '.' + QByteArray::number(n);
        if (!datafile::exists(candidate)) {
            return candidate;
        }
    }
}

FileResult create(const QByteArray &fileName, Start start, const Lock &held)
{
    FileLock lock(held.fileName.isEmpty() ? fileName : held.fileName);
    if (const FileResult locked = lock.lock(); !locked.ok) {
        return locked;
    }
    const datafile::Resolved existing = datafile::resolve(fileName);
    if (existing.status == datafile::Resolved::Refused) {
        return FileResult::writeFailure(datafile::displayName(fileName), existing.reason);
    }
    if (existing.status == datafile::Resolved::Found && existing.name != fileName) {
        // Starting it anew would empty or move another student's file.
        return FileResult::writeFailure(
            datafile::displayName(fileName),
            QCoreApplication::translate("FileResult", "it is a link, not a plain file"));
    }
    QByteArray backup;
    if (existing.status == datafile::Resolved::Found && existing.size > 0) {
        // Earlier results are kept beside the new, empty file rather than lost.
        backup = nextBackupName(fileName);
        if (const FileResult moved = datafile::rename(fileName, backup); !moved.ok) {
            return moved;
        }
    }
    if (start == Start::OnFirstAppend) {
        return FileResult::success();
    }
    const FileResult created = datafile::create(fileName);
    if (!created.ok && !backup.isEmpty()) {
        datafile::rename(backup, fileName);
    }
    return created;
}

// Whether an append starts a line of its own; an empty or unreadable file counts as ended.
static bool endsWithLineEnd(int fd, qint64 size)
{
    char last = '\n';
    if (size > 0 && ::pread(fd, &last, 1, size - 1) != 1) {
        last = '\n';
    }
    return last == '\n' || last == '\r';
}

// Appends with the file's lock held by the caller.
static FileResult appendLocked(const QByteArray &fileName, QByteArrayView lines)
{
    datafile::Opened opened = datafile::openForAppending(fileName);
    if (opened.status != datafile::Opened::Ok) {
        return FileResult::failure(opened.message);
    }
    QFile &file = *opened.file;
    const QString shown = datafile::displayName(fileName);
    const qint64 sizeBefore = file.size();
    QByteArray bytes;
    if (!endsWithLineEnd(file.handle(), sizeBefore)) {
        // A last line left open by another editor would take the first record into itself.
        bytes = "\r\n";
    }
    bytes += lines;
    QString reason;
    // One write: a program that appends without the lock still cannot come between them.
    if (!datafile::writeAll(file.handle(), bytes, &reason)) {
        // A short write would leave half a line that merges with the next record.
        if (!file.resize(sizeBefore)) {
            return FileResult::failure(
                QCoreApplication::translate("FileResult",
                                            "The file \"%1\" could not be written: %2.\n"
                                            "Part of the result may be left at its end: %3.")
                    .arg(shown, reason, file.errorString()));
        }
        return FileResult::writeFailure(shown, reason);
    }
    file.close();
    if (file.error() != QFileDevice::NoError) {
        return FileResult::writeFailure(shown, file.errorString());
    }
    return FileResult::success();
}

FileResult append(const QByteArray &fileName, QByteArrayView lines, const Lock &lock)
{
    return appendAll({{fileName, lines.toByteArray()}},
                     {lock.fileName.isEmpty() ? fileName : lock.fileName});
}

FileResult appendAll(const QList<Lines> &files, const Lock &held)
{
    // Held while the size is measured, the lines written and, on failure, cut off again, so
    // that no other program's record is cut with them.
    FileLock lock(held.fileName);
    if (const FileResult locked = lock.lock(); !locked.ok) {
        return locked;
    }
    for (const Lines &file : files) {
        if (const FileResult appended = appendLocked(file.fileName, file.lines); !appended.ok) {
            return appended;
        }
    }
    return FileResult::success();
}

} // namespace recordfile
