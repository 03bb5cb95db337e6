// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "recordindex.h"

#include "core/records/datafile.h"
#include "core/records/linescanner.h"

#include <QBuffer>
#include <QFile>

#include <limits>

namespace {
constexpr qint64 IndexChunk = qint64(1) << 20;
constexpr qint64 LookupChunk = qint64(1) << 12;

// Calls onRecord(offset, line) for every record's line of the device from one offset up
// to a limit; stops early when it returns false. Returns false when a read failed.
template<class F>
bool scanRecords(QIODevice &source, qint64 from, qint64 limit, qint64 chunk, F &&onRecord,
                 qint64 *skipped = nullptr)
{
    LineScanner lines(source);
    const bool ok = lines.scan(
        from, limit,
        [&onRecord](qint64 offset, QByteArrayView line) {
            // A line without four fields is not a record.
            return !history::splitRecord(line) || onRecord(offset, line);
        },
        chunk);
    if (skipped) {
        *skipped = lines.skippedLines();
    }
    return ok;
}
} // namespace

RecordIndex::RecordIndex() = default;
RecordIndex::~RecordIndex() = default;
RecordIndex::RecordIndex(RecordIndex &&) noexcept = default;
RecordIndex &RecordIndex::operator=(RecordIndex &&) noexcept = default;

QString RecordIndex::load(const QByteArray &fileName)
{
    clear();
    datafile::Opened opened = datafile::openForReading(fileName);
    if (opened.status != datafile::Opened::Ok) {
        return opened.message;
    }
    QFile *file = opened.file.get();
    m_source = std::move(opened.file);
    if (!index(std::numeric_limits<qint64>::max())) {
        return datafile::readFailure(fileName, file->errorString());
    }
    return {};
}

void RecordIndex::setContent(const QByteArray &bytes)
{
    clear();
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(bytes);
    buffer->open(QIODevice::ReadOnly);
    m_source = std::move(buffer);
    index(bytes.size());
}

bool RecordIndex::index(qint64 limit)
{
    qint64 last = 0;
    const bool ok = scanRecords(
        *m_source, 0, limit, IndexChunk,
        [this, &last](qint64 offset, QByteArrayView line) {
            if (m_count % Stride == 0) {
                m_strideStarts.push_back(offset);
            }
            ++m_count;
            last = offset + line.size();
            return true;
        },
        &m_skippedLines);
    // Later reads stop where the last record indexed ends.
    m_end = last;
    return ok;
}

void RecordIndex::clear()
{
    m_source.reset();
    m_end = 0;
    m_count = 0;
    m_skippedLines = 0;
    m_strideStarts = {};
}

QByteArray RecordIndex::lineAt(qsizetype i) const
{
    Q_ASSERT(i >= 0 && i < m_count);
    QByteArray line;
    qsizetype skip = i % Stride;
    scanRecords(*m_source, m_strideStarts.at(size_t(i / Stride)), m_end, LookupChunk,
                [&](qint64, QByteArrayView found) {
                    if (skip-- > 0) {
                        return true;
                    }
                    line = found.toByteArray();
                    return false;
                });
    return line;
}

HistoryRecord RecordIndex::recordAt(qsizetype i) const
{
    // Every indexed line has the separators of a record, so it parses unless the file was
    // changed in place since it was indexed.
    return history::parseRecord(lineAt(i)).value_or(HistoryRecord {});
}

void RecordIndex::forEachLine(const std::function<void(QByteArrayView)> &onLine) const
{
    if (!m_source) {
        return;
    }
    scanRecords(*m_source, 0, m_end, IndexChunk, [&onLine](qint64, QByteArrayView line) {
        onLine(line);
        return true;
    });
}
