#include "csvexport.h"

#include "recordindex.h"
#include "records/atomicfile.h"

#include <QFile>

#include <algorithm>
#include <cstdio>

namespace csvexport {

namespace {
// A field that holds a separator, a quote or a line end is quoted, its quotes doubled.
void appendField(QByteArray &out, QByteArrayView field)
{
    const bool quote = std::any_of(field.begin(), field.end(), [](char c) {
        return c == ',' || c == '"' || c == '\r' || c == '\n';
    });
    if (!quote) {
        out.append(field);
        return;
    }
    out.append('"');
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
    return QByteArrayLiteral("date,level,score,speed\r\n");
}

QByteArray row(const HistoryRecord &record)
{
    QByteArray out;
    appendField(out, isoDate(record.Date));
    out.append(',');
    appendField(out, record.Level);
    out.append(',');
    appendField(out, record.Score);
    out.append(',');
    appendField(out, record.Speed);
    out.append("\r\n");
    return out;
}

FileResult write(const QString &path, const RecordIndex &records)
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
            chunk.append(row(*record));
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

} // namespace csvexport
