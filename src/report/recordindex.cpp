#include "recordindex.h"

#include <QBuffer>
#include <QFile>

#include <algorithm>
#include <cstring>
#include <limits>

namespace {
constexpr qint64 IndexChunk = qint64(1) << 20;
constexpr qint64 LookupChunk = qint64(1) << 12;

const char *findByte(const char *from, const char *end, char c)
{
    const void *at = std::memchr(from, c, size_t(end - from));
    return at ? static_cast<const char *>(at) : end;
}

// A record has four fields, so at least three separators; any other line is not a record.
bool isRecord(const char *from, const char *end)
{
    for (int separators = 0; separators < 3; ++separators) {
        from = findByte(from, end, '#');
        if (from == end) {
            return false;
        }
        ++from;
    }
    return true;
}

// Reads the device from one offset up to a limit and calls onRecord(offset, line) for
// every record's line, with the line ends of splitLines(): CR LF, a lone CR or a lone LF,
// and a last line without an end. Stops early when onRecord returns false. Returns
// false when a read failed.
template<class F>
bool scanRecords(QIODevice &source, qint64 from, qint64 limit, qint64 chunk, F &&onRecord)
{
    if (!source.seek(from)) {
        return false;
    }
    QByteArray buffer(chunk, Qt::Uninitialized);
    qint64 bufferStart = from;
    qint64 filled = 0;
    bool atEnd = false;
    bool ok = true;
    for (;;) {
        if (filled == buffer.size()) {
            buffer.resize(buffer.size() * 2); // a line longer than the buffer
        }
        const qint64 wanted = std::min(buffer.size() - filled, limit - bufferStart - filled);
        const qint64 got = wanted > 0 ? source.read(buffer.data() + filled, wanted) : 0;
        if (got <= 0) {
            ok = got == 0;
            atEnd = true;
        } else {
            filled += got;
        }

        const char *const begin = buffer.constData();
        const char *const end = begin + filled;
        const char *p = begin;
        // The next LF and the next CR at or after p; end when there is none.
        const char *lf = nullptr;
        const char *cr = nullptr;
        while (p < end) {
            if (!lf || lf < p) {
                lf = findByte(p, end, '\n');
            }
            if (!cr || cr < p) {
                cr = findByte(p, end, '\r');
            }
            const char *const lineEnd = std::min(lf, cr);
            const char *next = lineEnd;
            if (lineEnd == end) {
                if (!atEnd) {
                    break; // the line goes on in the next read
                }
            } else if (*lineEnd == '\n') {
                next = lineEnd + 1;
            } else if (lineEnd + 1 < end) {
                next = lineEnd + (lineEnd[1] == '\n' ? 2 : 1);
            } else if (!atEnd) {
                break; // a CR last in the buffer: an LF may follow
            } else {
                next = lineEnd + 1;
            }
            if (isRecord(p, lineEnd)
                && !onRecord(bufferStart + (p - begin), QByteArrayView(p, lineEnd - p))) {
                return ok;
            }
            p = next;
        }
        if (atEnd) {
            return ok;
        }
        // The unfinished line moves to the front of the buffer.
        const qint64 used = p - begin;
        std::memmove(buffer.data(), begin + used, size_t(filled - used));
        bufferStart += used;
        filled -= used;
    }
}
} // namespace

RecordIndex::RecordIndex() = default;
RecordIndex::~RecordIndex() = default;
RecordIndex::RecordIndex(RecordIndex &&) noexcept = default;
RecordIndex &RecordIndex::operator=(RecordIndex &&) noexcept = default;

bool RecordIndex::load(const QString &path)
{
    clear();
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        return false;
    }
    m_source = std::move(file);
    return index(std::numeric_limits<qint64>::max());
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
    const bool ok = scanRecords(*m_source, 0, limit, IndexChunk,
                                [this, &last](qint64 offset, QByteArrayView line) {
                                    if (m_count % Stride == 0) {
                                        m_strideStarts.push_back(offset);
                                    }
                                    ++m_count;
                                    last = offset + line.size();
                                    return true;
                                });
    // Later reads stop where the last record indexed ends.
    m_end = last;
    return ok;
}

void RecordIndex::clear()
{
    m_source.reset();
    m_end = 0;
    m_count = 0;
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
