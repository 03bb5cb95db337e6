// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/records/history.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QIODevice;

// The records of one history file, found in one pass over it without keeping its lines:
// the index remembers where every 32nd record starts, and a record is read back from the
// file when it is asked for. A history of a million records thus opens at about the speed
// of reading it, in a few hundred kilobytes.
//
// The file stays open while the index lives and only the bytes indexed are read again, so
// what was listed stays what the index reads: a history recreated or appended to
// meanwhile does not show through.
class RecordIndex
{
public:
    RecordIndex();
    ~RecordIndex();
    RecordIndex(RecordIndex &&) noexcept;
    RecordIndex &operator=(RecordIndex &&) noexcept;

    // Indexes a history file of the working folder. A missing file leaves the index empty;
    // one that cannot be read, or not to its end, gives the message to show, and the records
    // read before the failure stay listed.
    QString load(const QByteArray &fileName);
    // Indexes bytes already in memory, as if they had been read from a file.
    void setContent(const QByteArray &bytes);
    void clear();

    qsizetype size() const { return m_count; }
    // Lines too long to be a record, passed over.
    qint64 skippedLines() const { return m_skippedLines; }
    bool isEmpty() const { return m_count == 0; }
    // The i-th record's line, without its line end.
    QByteArray lineAt(qsizetype i) const;
    HistoryRecord recordAt(qsizetype i) const;
    // Every record's line in file order, read in one pass.
    void forEachLine(const std::function<void(QByteArrayView)> &onLine) const;

    // Records between two remembered starts.
    static constexpr qsizetype Stride = 32;

private:
    bool index(qint64 limit);

    std::unique_ptr<QIODevice> m_source;
    qint64 m_end = 0; // bytes indexed
    qsizetype m_count = 0;
    qint64 m_skippedLines = 0;
    std::vector<qint64> m_strideStarts; // where records 0, Stride, 2 * Stride... start
};
