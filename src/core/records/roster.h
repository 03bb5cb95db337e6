// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fileresult.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

class StudentList;

// The roster file: one student name per line, CR LF after every line, in list order.
// Several programs may share it: each change is a locked read-modify-write of the file as it
// is on disk, never a save of a list read earlier.
namespace roster {

inline constexpr const char *FileName = "sumroll.ini";

// The names of the file in file order. A missing file is an empty roster. A file that
// could not be read to its end is not whole: its message says why, and no change is saved
// over it. Empty lines are no names; lines too long to be a name are skipped and counted.
struct ReadResult
{
    QList<QByteArray> names;
    bool whole = true;
    qint64 skippedLines = 0;
    QString message;
};
ReadResult read(const QByteArray &fileName = FileName);
// What to tell the user of a read: why it was not whole, lines passed over; else empty.
QString problemToTell(const ReadResult &read);
QList<QByteArray> readNames(const QString &path);
// What the file looks like from outside (which file, its size and times), to tell cheaply
// whether another program has changed it; empty when it is missing. A file changed less
// than UnsettledSeconds ago gives a stamp equal to no other, so that it is read again until
// a change can no longer hide in the same tick of the file system's clock.
QByteArray stamp(const QByteArray &fileName = FileName);
inline constexpr int UnsettledSeconds = 2;

// The names in a roster's bytes: every line but an empty one.
QList<QByteArray> parseNames(QByteArrayView content);

QByteArray format(const QList<QByteArray> &names);
// Replaces the file as a whole: it holds either the old list or the new one, never a mix.
FileResult writeNames(const QString &path, const QList<QByteArray> &names);

// One change of the roster, under its lock, against the file as it is now.
struct ChangeResult
{
    enum Outcome { Changed, AlreadyListed, NotListed, Failed };
    Outcome outcome = Failed;
    QList<QByteArray> names; // the roster as it is on disk now, unless Failed
    QString message; // when Failed: what went wrong, and that the roster is as it was
    QString problem; // when Failed: what went wrong alone
};
// Inserts the name at its place in the sorted list, unless it is listed by then.
ChangeResult addName(const QByteArray &name);
// Removes the name; one already gone is no error (NotListed).
ChangeResult removeName(const QByteArray &name);

// Fills the list from the roster file; returns the message to show when it was not read
// whole or had lines that were skipped, else an empty text.
QString loadInto(StudentList &list);

} // namespace roster
