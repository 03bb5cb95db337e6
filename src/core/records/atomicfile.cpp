// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "atomicfile.h"

#include "datafile.h"

#include <QCoreApplication>
#include <QDateTime>

#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// A temporary file this old belongs to no save still running: a save writes on and on.
constexpr time_t StaleSeconds = 10 * 60;

QString displayed(const QByteArray &path)
{
    return datafile::displayName(path);
}

mode_t umaskNow()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}
} // namespace

AtomicFile::AtomicFile(const QByteArray &path, Target target)
    : m_path(path)
    , m_target(target)
{
}

AtomicFile::~AtomicFile()
{
    cancel();
}

QByteArray AtomicFile::temporaryPrefix(const QByteArray &fileName)
{
    return '.' + fileName + ".saving-";
}

FileResult AtomicFile::fail(const QString &reason)
{
    if (m_error.isEmpty()) {
        m_error = reason;
    }
    return result();
}

FileResult AtomicFile::result() const
{
    return m_error.isEmpty() ? FileResult::success()
                             : FileResult::writeFailure(displayed(m_path), m_error);
}

bool AtomicFile::open(OpenMode mode)
{
    if (isOpen() || !(mode & WriteOnly) || (mode & ReadOnly)) {
        return false;
    }
    m_error.clear();
    m_final = m_path;
    if (m_target == Target::DataFile) {
        const datafile::Resolved where = datafile::resolve(m_path);
        if (where.status == datafile::Resolved::Refused) {
            fail(where.reason);
            return false;
        }
        m_final = where.name;
    } else if (char *real = ::realpath(m_path.constData(), nullptr)) {
        m_final = real;
        std::free(real);
    }
    const qsizetype slash = m_final.lastIndexOf('/');
    m_folder = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : m_final.first(slash);
    const QByteArray base = m_final.sliced(slash + 1);

    struct stat st
    {
    };
    m_replacing = ::lstat(m_final.constData(), &st) == 0;
    if (m_replacing && !S_ISREG(st.st_mode)) {
        fail(S_ISDIR(st.st_mode)
                 ? QCoreApplication::translate("FileResult", "it is a folder, not a plain file")
                 : QCoreApplication::translate("FileResult", "it is not a plain file"));
        return false;
    }
    m_mode = st.st_mode & 07777;
    m_uid = st.st_uid;
    m_gid = st.st_gid;

    removeStaleTemporaries();
    QByteArray name = m_folder + '/' + temporaryPrefix(base) + "XXXXXX";
    m_fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (m_fd < 0) {
        fail(qt_error_string(errno));
        return false;
    }
    m_temporary = name;
    return QIODevice::open(mode | Unbuffered);
}

void AtomicFile::removeStaleTemporaries() const
{
    const qsizetype slash = m_final.lastIndexOf('/');
    const QByteArray prefix = temporaryPrefix(m_final.sliced(slash + 1));
    DIR *dir = ::opendir(m_folder.constData());
    if (!dir) {
        return;
    }
    const time_t now = ::time(nullptr);
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        struct stat st
        {
        };
        // Exactly the prefix and mkostemp's six characters: a student's file whose name
        // happens to begin the same is no temporary file.
        if (name.startsWith(prefix) && name.size() == prefix.size() + 6
            && ::fstatat(::dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0
            && S_ISREG(st.st_mode) && (m_lockHeld || now - st.st_mtime > StaleSeconds)) {
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
        }
    }
    ::closedir(dir);
}

qint64 AtomicFile::readData(char *, qint64)
{
    return -1;
}

qint64 AtomicFile::writeData(const char *data, qint64 size)
{
    if (m_fd < 0 || !m_error.isEmpty()) {
        return -1;
    }
    QString reason;
    if (!datafile::writeAll(m_fd, QByteArrayView(data, size), &reason)) {
        fail(reason);
        setErrorString(m_error);
        return -1;
    }
    return size;
}

FileResult AtomicFile::commit()
{
    if (m_fd < 0) {
        return m_error.isEmpty() ? fail(qt_error_string(EBADF)) : result();
    }
    if (!m_error.isEmpty()) {
        cancel();
        return result();
    }
    if (m_replacing) {
        // Where this account may not give the file away, it keeps at least the group.
        if (::fchown(m_fd, m_uid, m_gid) != 0) {
            [[maybe_unused]] const int ignored = ::fchown(m_fd, uid_t(-1), m_gid);
        }
        ::fchmod(m_fd, m_mode);
    } else {
        datafile::takeFolderGroup(m_fd, m_folder);
        ::fchmod(m_fd, 0666 & ~umaskNow());
    }
    // A network file system may report a failed write only when flushed or closed.
    const bool synced = ::fsync(m_fd) == 0 || errno == EINVAL;
    const int syncError = errno;
    const bool closed = ::close(m_fd) == 0;
    const int closeError = errno;
    m_fd = -1;
    if (!synced || !closed) {
        fail(qt_error_string(!synced ? syncError : closeError));
        cancel();
        return result();
    }
    if (::rename(m_temporary.constData(), m_final.constData()) != 0) {
        fail(qt_error_string(errno));
        cancel();
        return result();
    }
    m_temporary.clear();
    QIODevice::close();
    return FileResult::success();
}

void AtomicFile::cancel()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_temporary.isEmpty()) {
        ::unlink(m_temporary.constData());
        m_temporary.clear();
    }
    if (isOpen()) {
        QIODevice::close();
    }
}
