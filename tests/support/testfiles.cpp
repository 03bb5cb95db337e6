// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "testfiles.h"
#include "core/records/filesizelimit.h"

#include <QDirIterator>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <dirent.h>
#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace testsupport {

FileSizeLimit::FileSizeLimit(rlim_t bytes)
{
    filesizelimit::failWritesPastTheLimit(); // as the program does
    getrlimit(RLIMIT_FSIZE, &m_previous);
    const rlimit lowered {bytes, m_previous.rlim_max};
    setrlimit(RLIMIT_FSIZE, &lowered);
}

QByteArray kindAt(const QByteArray &name)
{
    struct stat st
    {
    };
    if (::lstat(name.constData(), &st) != 0) {
        return "nothing";
    }
    if (S_ISLNK(st.st_mode)) {
        char target[4096] = {};
        return "link to " + QByteArray(target, ::readlink(name.constData(), target, sizeof target));
    }
    return S_ISFIFO(st.st_mode) ? "pipe" : S_ISDIR(st.st_mode) ? "folder" : "file";
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QList<QByteArray> fileNamesIn(const QByteArray &dir)
{
    QList<QByteArray> names;
    if (DIR *d = opendir(dir.constData())) {
        while (const dirent *entry = readdir(d)) {
            const QByteArray name(entry->d_name);
            if (name != "." && name != "..") {
                names.append(name);
            }
        }
        closedir(d);
    }
    std::sort(names.begin(), names.end());
    return names;
}

void removeTree(const QString &dir)
{
    nftw(
        QFile::encodeName(dir).constData(),
        [](const char *path, const struct stat *, int, FTW *) {
            ::remove(path); // what cannot be removed is left; the walk goes on
            return 0;
        },
        16, FTW_DEPTH | FTW_PHYS);
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        f.write(bytes);
    }
}

Files snapshot(const QString &dir)
{
    Files result;
    QDirIterator it(dir, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        result.insert(QDir(dir).relativeFilePath(path) + (it.fileInfo().isDir() ? "/" : ""),
                      readFile(path));
    }
    return result;
}

} // namespace testsupport
