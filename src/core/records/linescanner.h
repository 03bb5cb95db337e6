// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>

#include <functional>

class QIODevice;

// Reads a device line by line in chunks, holding at most one line at a time, with the line
// ends of splitLines(): CR LF, a lone CR or a lone LF, and a last line without an end. A
// line longer than the limit is skipped and counted, never kept: a file without line ends
// can be larger than memory.
class LineScanner
{
public:
    static constexpr qint64 DefaultMaxLine = qint64(1) << 20;

    // Called with the offset where the line starts and the line without its end; returns
    // false to stop the scan.
    using OnLine = std::function<bool(qint64 offset, QByteArrayView line)>;

    explicit LineScanner(QIODevice &device, qint64 maxLine = DefaultMaxLine);

    // Reads from an offset up to a limit (a line cut by the limit counts as ended there).
    // Returns false when a read failed: the lines read whole before it are kept, the one it
    // cut short is neither passed on nor counted.
    bool scan(qint64 from, qint64 limit, const OnLine &onLine, qint64 chunk = qint64(1) << 16);

    qint64 skippedLines() const { return m_skipped; }
    QString errorString() const;

private:
    QIODevice &m_device;
    qint64 m_maxLine;
    qint64 m_skipped = 0;
    bool m_failed = false;
};
