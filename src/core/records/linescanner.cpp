// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "linescanner.h"

#include <QIODevice>

#include <algorithm>
#include <cstring>

namespace {
const char *findByte(const char *from, const char *end, char c)
{
    const void *at = std::memchr(from, c, size_t(end - from));
    return at ? static_cast<const char *>(at) : end;
}
} // namespace

LineScanner::LineScanner(QIODevice &device, qint64 maxLine)
    : m_device(device)
    , m_maxLine(maxLine)
{
}

QString LineScanner::errorString() const
{
    return m_failed ? m_device.errorString() : QString();
}

bool LineScanner::scan(qint64 from, qint64 limit, const OnLine &onLine, qint64 chunk)
{
    if (!m_device.seek(from)) {
        m_failed = true;
        return false;
    }
    // Room for the longest line kept plus a chunk read after it.
    QByteArray buffer(std::max(chunk, qint64(2)), Qt::Uninitialized);
    qint64 bufferStart = from; // file offset of buffer[0]
    qint64 filled = 0;
    bool skipping = false; // inside a line too long to keep, until its end
    bool atEnd = false;
    for (;;) {
        if (filled == buffer.size()) {
            // A CR last in the buffer may be the line's end, waiting for an LF.
            const qint64 pendingEnd = buffer.at(filled - 1) == '\r' ? 1 : 0;
            if (filled - pendingEnd > m_maxLine) {
                // The line so far is over the limit: drop it and read on to its end; a
                // pending CR stays, as it may be that end.
                buffer[0] = buffer.at(filled - 1);
                skipping = true;
                bufferStart += filled - pendingEnd;
                filled = pendingEnd;
            } else {
                buffer.resize(std::min(buffer.size() * 2, m_maxLine + chunk + 1));
            }
        }
        const qint64 wanted = std::min(buffer.size() - filled, limit - bufferStart - filled);
        const qint64 got = wanted > 0 ? m_device.read(buffer.data() + filled, wanted) : 0;
        if (got <= 0) {
            m_failed = got < 0;
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
                if (!atEnd || m_failed) {
                    // The line goes on in the next read, or a failed read cut it short: a
                    // part of a name or a record is neither.
                    break;
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
            if (skipping || lineEnd - p > m_maxLine) {
                ++m_skipped;
                skipping = false;
            } else if (!onLine(bufferStart + (p - begin), QByteArrayView(p, lineEnd - p))) {
                return !m_failed;
            }
            p = next;
        }
        if (atEnd) {
            if (skipping && !m_failed) {
                ++m_skipped; // a long last line without an end, dropped before it ended
            }
            return !m_failed;
        }
        // The unfinished line moves to the front of the buffer.
        const qint64 used = p - begin;
        std::memmove(buffer.data(), begin + used, size_t(filled - used));
        bufferStart += used;
        filled -= used;
    }
}
