// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QDir>
#include <QList>
#include <QMap>
#include <QString>
#include <QTemporaryDir>

#include <functional>

#include <sys/resource.h>

// What every test stands on, windows or not: a private working directory, files as bytes,
// the domain's draws scripted and the limits of an account.
namespace testsupport {

// Removes a directory and all in it by the names' bytes.
void removeTree(const QString &dir);

// Makes a fresh temporary directory the working directory for its lifetime.
class WorkDir
{
public:
    WorkDir() { QDir::setCurrent(m_dir.path()); }
    // Inside a folder of the test's choice, for the file system it needs.
    explicit WorkDir(const QString &parent)
        : m_dir(parent + QStringLiteral("/sumtrail-XXXXXX"))
    {
        QDir::setCurrent(m_dir.path());
    }
    // Qt cannot remove names that are not valid UTF-8: they are removed by their bytes.
    ~WorkDir()
    {
        QDir::setCurrent(m_previous);
        removeTree(m_dir.path());
    }
    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.filePath(name); }

private:
    QString m_previous = QDir::currentPath();
    QTemporaryDir m_dir;
};

// Random draws for the domain, which is handed its draws: the given values in turn, round
// and round, counted.
class ScriptedDraws
{
public:
    explicit ScriptedDraws(QList<double> values)
        : m_values(std::move(values))
    {
    }
    // The source to hand over; it draws from this object, which must outlive its use.
    std::function<double()> source()
    {
        return [this] { return m_values.at(m_draws++ % m_values.size()); };
    }
    int draws() const { return m_draws; }

private:
    QList<double> m_values;
    int m_draws = 0;
};

// Lowers the size any file of this process may grow to, for the life of the object,
// so that a write past it fails as on a full disk.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_previous); }

private:
    rlimit m_previous {};
};

// What stands at a name, told without opening it (a pipe opened would stall the test):
// "nothing", "file", "folder", "pipe" or "link to " and its target.
QByteArray kindAt(const QByteArray &name);
QByteArray readFile(const QString &path);
// The names in a directory as bytes, "." and ".." left out: Qt's listing leaves out
// names that are not valid UTF-8.
QList<QByteArray> fileNamesIn(const QByteArray &dir);
void writeFile(const QString &path, const QByteArray &bytes);
// Every file under a directory by relative path with its bytes; a directory as "name/".
using Files = QMap<QString, QByteArray>;
Files snapshot(const QString &dir = QStringLiteral("."));

} // namespace testsupport
