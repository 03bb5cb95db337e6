#include "recordindex.h"

#include "records/textlines.h"

#include <QFile>

#include <algorithm>

bool RecordIndex::load(const QString &path)
{
    clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    QByteArray bytes = file.readAll();
    const bool ok = file.error() == QFileDevice::NoError;
    setContent(std::move(bytes));
    return ok;
}

void RecordIndex::setContent(QByteArray bytes)
{
    m_bytes = std::move(bytes);
    m_starts.clear();
    const char *base = m_bytes.constData();
    forEachLine(m_bytes, [this, base](QByteArrayView line) {
        // A record has four fields, so at least three separators; the rest is not a record.
        if (std::count(line.begin(), line.end(), '#') >= 3) {
            m_starts.push_back(line.data() - base);
        }
    });
    m_starts.shrink_to_fit();
}

void RecordIndex::clear()
{
    m_bytes.clear();
    m_starts.clear();
    m_starts.shrink_to_fit();
}

QByteArrayView RecordIndex::lineAt(qsizetype i) const
{
    const QByteArrayView rest = QByteArrayView(m_bytes).sliced(m_starts.at(size_t(i)));
    const auto end
        = std::find_if(rest.begin(), rest.end(), [](char c) { return c == '\r' || c == '\n'; });
    return rest.first(end - rest.begin());
}

HistoryRecord RecordIndex::recordAt(qsizetype i) const
{
    // Every indexed line has the separators of a record, so it always parses.
    return history::parseRecord(lineAt(i)).value_or(HistoryRecord {});
}
