// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "filelock.h"

#include "datafile.h"

#include <QCoreApplication>
#include <QFile>

#include <sys/stat.h>

FileLock::FileLock(const QByteArray &fileName)
    : m_fileName(fileName)
{
}

FileLock::~FileLock()
{
    if (m_held) {
        m_lock->unlock();
    }
}

FileResult FileLock::lock()
{
    const QByteArray lockName = m_fileName + ".lock";
    // QLockFile reads an existing lock file to see whether it is stale: a pipe put there
    // would stall it.
    struct stat st
    {
    };
    if (::lstat(lockName.constData(), &st) == 0 && !S_ISREG(st.st_mode)) {
        return FileResult::writeFailure(
            datafile::displayName(m_fileName),
            QCoreApplication::translate("FileResult", "its lock \"%1\" is not a plain file")
                .arg(datafile::displayName(lockName)));
    }
    // Names that are not valid UTF-8 may share a lock file: one then only waits for the other.
    m_lock = std::make_unique<QLockFile>(QFile::decodeName(lockName));
    m_lock->setStaleLockTime(StaleMs);
    if (m_lock->tryLock(WaitMs)) {
        m_held = true;
        return FileResult::success();
    }
    if (m_lock->error() == QLockFile::LockFailedError) {
        return FileResult::writeFailure(
            datafile::displayName(m_fileName),
            QCoreApplication::translate("FileResult",
                                        "sumtrail on this or another computer is changing it; "
                                        "please try again in a moment"));
    }
    // No lock file could be made at all (a folder this account may not write in, a full
    // disk): the change goes ahead as it would without locks, and its own write tells the
    // user what is wrong.
    return FileResult::success();
}
