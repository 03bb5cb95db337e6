#pragma once

#include "records/history.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <vector>

// The records of one history file, held as the file's bytes and the place where each
// record's line starts. Opening a long history costs one read and one pass over it; a
// record is split into its fields only when it is asked for.
class RecordIndex
{
public:
    // A missing or unreadable file leaves the index empty and returns false; a read that
    // fails part-way keeps the records read before the failure.
    bool load(const QString &path);
    // Indexes bytes already in memory, as if they had been read from a file.
    void setContent(QByteArray bytes);
    void clear();

    qsizetype size() const { return qsizetype(m_starts.size()); }
    bool isEmpty() const { return m_starts.empty(); }
    // The i-th record's line, without its line end.
    QByteArrayView lineAt(qsizetype i) const;
    HistoryRecord recordAt(qsizetype i) const;

private:
    QByteArray m_bytes;
    std::vector<qint64> m_starts;
};
