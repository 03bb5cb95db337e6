// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fileresult.h"

#include <QByteArray>
#include <QLockFile>

#include <memory>

// A lock on one data file, held for one read-modify-write of it, that every sumtrail on
// this computer and on the others sharing the folder respects: a file "NAME.lock" beside it,
// made with an exclusive create, which works on network file systems too. The wait for it
// is short and bounded; a lock left by a program that died is taken over once stale.
class FileLock
{
public:
    explicit FileLock(const QByteArray &fileName);
    ~FileLock();
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;

    // Fails only when another program holds the lock past the wait. Where no lock file can
    // be made at all, the lock is done without and held() stays false.
    FileResult lock();
    bool held() const { return m_held; }

    static constexpr int WaitMs = 5000;
    static constexpr int StaleMs = 15000;

private:
    QByteArray m_fileName;
    std::unique_ptr<QLockFile> m_lock;
    bool m_held = false;
};
