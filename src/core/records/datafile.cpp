// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "datafile.h"

#include "studentlist.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace datafile {

QString displayName(const QByteArray &name)
{
    return StudentList::displayName(name);
}

// The context is the namespace's, as lupdate finds it for these calls.
static QString tr(const char *text)
{
    return QCoreApplication::translate("datafile", text);
}

QString readFailure(const QByteArray &name, const QString &reason)
{
    return tr("The file \"%1\" could not be read: %2.").arg(displayName(name), reason);
}

static QString osReason(int error)
{
    return qt_error_string(error);
}

static QString kindOf(mode_t mode)
{
    if (S_ISDIR(mode)) {
        return tr("it is a folder, not a plain file");
    }
    if (S_ISFIFO(mode)) {
        return tr("it is a named pipe, not a plain file");
    }
    if (S_ISSOCK(mode)) {
        return tr("it is a socket, not a plain file");
    }
    return tr("it is a device, not a plain file");
}

// The folder's own path with every link resolved, to compare a link's target against.
static QByteArray realFolder()
{
    char *real = ::realpath(".", nullptr);
    const QByteArray folder(real ? real : "");
    std::free(real);
    return folder;
}

Resolved resolve(const QByteArray &name)
{
    struct stat st
    {
    };
    if (::lstat(name.constData(), &st) != 0) {
        struct stat folder
        {
        };
        if (errno == ENOENT && ::stat(".", &folder) == 0 && folder.st_nlink == 0) {
            // Not a file that is not there yet: the folder itself was removed meanwhile.
            return {Resolved::Refused, name, 0, tr("the folder it was in no longer exists")};
        }
        if (errno == ENOENT) {
            return {Resolved::Missing, name, 0, {}};
        }
        return {Resolved::Refused, name, 0, osReason(errno)};
    }
    QByteArray target = name;
    if (S_ISLNK(st.st_mode)) {
        char *real = ::realpath(name.constData(), nullptr);
        if (!real) {
            return {Resolved::Refused, name, 0,
                    errno == ENOENT ? tr("it is a link to a file that does not exist")
                                    : osReason(errno)};
        }
        const QByteArray path(real);
        std::free(real);
        const QByteArray folder = realFolder();
        const qsizetype slash = path.lastIndexOf('/');
        // Only a file directly in this folder: anything else is another folder's business.
        if (folder.isEmpty() || slash < 0 || path.first(qMax(slash, qsizetype(1))) != folder) {
            return {Resolved::Refused, name, 0, tr("it is a link to a place outside this folder")};
        }
        target = path.sliced(slash + 1);
        if (::lstat(target.constData(), &st) != 0) {
            return {Resolved::Refused, name, 0, osReason(errno)};
        }
    }
    if (!S_ISREG(st.st_mode)) {
        return {Resolved::Refused, name, 0, kindOf(st.st_mode)};
    }
    return {Resolved::Found, target, qint64(st.st_size), {}};
}

// Opens a resolved name without following a link put there meanwhile and without waiting
// on a pipe; anything but a plain file is closed again.
static int openPlain(const QByteArray &name, int flags, QString *reason, mode_t mode = 0)
{
    const int fd = ::open(name.constData(), flags | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, mode);
    if (fd < 0) {
        *reason
            = errno == ELOOP ? tr("it is a link to a place outside this folder") : osReason(errno);
        return -1;
    }
    struct stat st
    {
    };
    if (::fstat(fd, &st) != 0) {
        *reason = osReason(errno);
        ::close(fd);
        return -1;
    }
    if (!S_ISREG(st.st_mode)) {
        *reason = kindOf(st.st_mode);
        ::close(fd);
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

static std::unique_ptr<QFile> wrap(int fd, QIODevice::OpenMode mode)
{
    auto file = std::make_unique<QFile>();
    file->open(fd, mode, QFileDevice::AutoCloseHandle);
    return file;
}

Opened openForReading(const QByteArray &name)
{
    const Resolved where = resolve(name);
    if (where.status == Resolved::Missing) {
        return {Opened::Missing, nullptr, {}};
    }
    if (where.status == Resolved::Refused) {
        return {Opened::Failed, nullptr, readFailure(name, where.reason)};
    }
    QString reason;
    const int fd = openPlain(where.name, O_RDONLY, &reason);
    if (fd < 0) {
        return {Opened::Failed, nullptr, readFailure(name, reason)};
    }
    return {Opened::Ok, wrap(fd, QIODevice::ReadOnly | QIODevice::Unbuffered), {}};
}

void takeFolderGroup(int fd, const QByteArray &folder)
{
    struct stat dir
    {
    };
    struct stat file
    {
    };
    if (::stat(folder.constData(), &dir) == 0 && ::fstat(fd, &file) == 0
        && file.st_gid != dir.st_gid) {
        // Allowed only where this account belongs to the group; otherwise the file keeps
        // the account's own group, as any program would give it.
        [[maybe_unused]] const int ignored = ::fchown(fd, uid_t(-1), dir.st_gid);
    }
}

// Opens a resolved name for writing, making the file when it is missing.
static int openOrCreate(const Resolved &where, int flags, QString *reason)
{
    if (where.status == Resolved::Found) {
        return openPlain(where.name, flags, reason);
    }
    const int fd = openPlain(where.name, flags | O_CREAT | O_EXCL, reason, 0666);
    if (fd >= 0) {
        takeFolderGroup(fd, ".");
    }
    return fd;
}

Opened openForAppending(const QByteArray &name)
{
    const Resolved where = resolve(name);
    if (where.status == Resolved::Refused) {
        return {Opened::Failed, nullptr,
                FileResult::writeFailure(displayName(name), where.reason).message};
    }
    QString reason;
    // Read too, to see whether the last line is ended.
    const int fd = openOrCreate(where, O_RDWR | O_APPEND, &reason);
    if (fd < 0) {
        return {Opened::Failed, nullptr,
                FileResult::writeFailure(displayName(name), reason).message};
    }
    return {
        Opened::Ok, wrap(fd, QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered), {}};
}

FileResult create(const QByteArray &name)
{
    const Resolved where = resolve(name);
    if (where.status == Resolved::Refused) {
        return FileResult::writeFailure(displayName(name), where.reason);
    }
    QString reason;
    const int fd = openOrCreate(where, O_WRONLY, &reason);
    if (fd < 0) {
        return FileResult::writeFailure(displayName(name), reason);
    }
    ::close(fd);
    return FileResult::success();
}

FileResult rename(const QByteArray &from, const QByteArray &to)
{
    // Renaming a link would move the link, not the file: only plain files are moved.
    const Resolved where = resolve(from);
    if (where.status != Resolved::Found || where.name != from) {
        return FileResult::writeFailure(displayName(from),
                                        where.status == Resolved::Refused
                                            ? where.reason
                                            : tr("it is a link, not a plain file"));
    }
    int renamed
        = ::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE);
    if (renamed != 0 && (errno == EINVAL || errno == ENOSYS)) {
        // Network file systems lack the no-replace rename; the caller picked a free name.
        renamed = exists(to) ? (errno = EEXIST, -1) : ::rename(from.constData(), to.constData());
    }
    if (renamed != 0) {
        return FileResult::writeFailure(displayName(from), osReason(errno));
    }
    return FileResult::success();
}

bool writeAll(int fd, QByteArrayView bytes, QString *reason)
{
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, size_t(bytes.size() - written));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            *reason = osReason(n < 0 ? errno : ENOSPC);
            return false;
        }
        written += n;
    }
    return true;
}

bool exists(const QByteArray &name)
{
    struct stat st
    {
    };
    return ::lstat(name.constData(), &st) == 0;
}

} // namespace datafile
