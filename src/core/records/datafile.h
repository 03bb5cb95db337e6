// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fileresult.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>

#include <memory>

// The data files of the working folder, which a class may share on a file server and a
// pupil may tamper with. A data file is a plain file reached by its name, as bytes, in that
// folder: a symbolic link is followed only to a file of the same folder; a pipe, a device, a
// socket or a folder is refused, and never opened in a way that could block. New files get
// the folder's group and the mode the umask leaves of rw-rw-rw-, so that a folder a class
// shares through a group stays usable by every account of it.
namespace datafile {

// A file name as messages show it.
QString displayName(const QByteArray &name);

// Where a name leads: the plain file itself, or the file of the folder a link names.
struct Resolved
{
    enum Status { Found, Missing, Refused };
    Status status = Refused;
    QByteArray name;
    qint64 size = 0;
    QString reason; // why it was refused, to follow "could not be read: " or "written: "
};
Resolved resolve(const QByteArray &name);

struct Opened
{
    enum Status { Ok, Missing, Failed };
    Status status = Failed;
    std::unique_ptr<QFile> file;
    QString message; // when Failed: names the file and the reason, ready to show
};

// For reading; a missing file is no failure.
Opened openForReading(const QByteArray &name);
// For appending without a buffer, so that a failed write is seen at once; made when missing.
Opened openForAppending(const QByteArray &name);
// Makes the file when it is missing; one that is there is left as it is.
FileResult create(const QByteArray &name);
// Renames a plain file of the folder to a name that is free.
FileResult rename(const QByteArray &from, const QByteArray &to);
bool exists(const QByteArray &name);

// Writes every byte or says why not, with the system's reason (a full disk, a size limit)
// even where part of the bytes went through first.
bool writeAll(int fd, QByteArrayView bytes, QString *reason);

// "could not be read" with the file and the reason.
QString readFailure(const QByteArray &name, const QString &reason);

// Gives a file just made the folder's group, where this account may.
void takeFolderGroup(int fd, const QByteArray &folder);

} // namespace datafile
