#include "roster.h"

#include "studentlist.h"
#include "textlines.h"

#include <QFile>
#include <QSaveFile>

namespace roster {

QList<QByteArray> parseNames(QByteArrayView content)
{
    // An empty line names no one: as a student it would keep its results in ".hst", a
    // hidden file, and stand in the list as a blank.
    QList<QByteArray> names;
    forEachLine(content, [&names](QByteArrayView line) {
        if (!line.isEmpty()) {
            names.append(line.toByteArray());
        }
    });
    return names;
}

QList<QByteArray> readNames(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    // A read error part-way keeps the lines read so far, like a missing file keeps none.
    QByteArray content;
    while (!file.atEnd()) {
        const QByteArray chunk = file.read(1 << 20);
        if (chunk.isEmpty()) {
            break;
        }
        content += chunk;
    }
    return parseNames(content);
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

FileResult writeNames(const QString &path, const QList<QByteArray> &names)
{
    // A temporary file beside the roster is renamed over it only once fully written.
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    // Unbuffered: a buffered write that fails only when flushed on commit would go unseen
    // and a cut-off file would replace the roster.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return FileResult::writeFailure(path, file.errorString());
    }
    const QByteArray bytes = format(names);
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return FileResult::writeFailure(path, reason);
    }
    if (!file.commit()) {
        return FileResult::writeFailure(path, file.errorString());
    }
    return FileResult::success();
}

} // namespace roster

void LoadRoster(StudentList &list)
{
    list.setNames(roster::readNames(QString::fromLatin1(roster::FileName)));
}

FileResult SaveRoster(const StudentList &list)
{
    return roster::writeNames(QString::fromLatin1(roster::FileName), list.names());
}
