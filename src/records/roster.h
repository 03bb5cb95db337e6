#pragma once

#include "fileresult.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

class StudentList;

// The roster file: one student name per line, CR LF after every line, in list order.
namespace roster {

inline constexpr const char *FileName = "sumroll.ini";

// The names of the file in file order; a missing or unreadable file gives what could be
// read before the failure, and no message.
QList<QByteArray> readNames(const QString &path);
// The names in a roster's bytes: every line but an empty one.
QList<QByteArray> parseNames(QByteArrayView content);
QByteArray format(const QList<QByteArray> &names);
// Replaces the file as a whole: it holds either the old list or the new one, never a mix.
FileResult writeNames(const QString &path, const QList<QByteArray> &names);

} // namespace roster

void LoadRoster(StudentList &list);
FileResult SaveRoster(const StudentList &list);
