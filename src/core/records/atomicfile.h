// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fileresult.h"

#include <QByteArray>
#include <QIODevice>

// Replaces a file as a whole, so that it holds either the old content or the new one, never
// a mix: the bytes go to a temporary file beside it, written unbuffered so that a failure
// (a full disk, a size limit, a dropped share) is seen at once, and that file is renamed
// over the old one only when every byte is on the disk. The file keeps its owner, group and
// mode where this account may set them; a new one gets the folder's group and the mode the
// umask leaves of rw-rw-rw-. Temporary files left by a save that was killed are removed by
// a later save of the same file.
class AtomicFile : public QIODevice
{
public:
    enum class Target {
        DataFile, // a data file of the working folder: links followed inside it only
        Chosen, // a path the user chose: a link is followed, as to any file the user names
    };

    explicit AtomicFile(const QByteArray &path, Target target = Target::DataFile);
    ~AtomicFile() override;

    // The caller holds the file's lock, so no other save of it runs: every temporary file
    // beside it is a leftover, whatever its age.
    void setLockHeld(bool held) { m_lockHeld = held; }

    // Only for writing. On false, result() says why.
    bool open(OpenMode mode) override;
    // Puts the new content in place; on failure the old file is untouched.
    FileResult commit();
    void cancel();
    // The failure so far, if any, as the message to show.
    FileResult result() const;

    // The start of the name of the temporary files beside the target.
    static QByteArray temporaryPrefix(const QByteArray &fileName);

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 size) override;

private:
    FileResult fail(const QString &reason);
    void removeStaleTemporaries() const;

    QByteArray m_path;
    Target m_target;
    QByteArray m_final; // where the content goes, links resolved
    QByteArray m_folder;
    QByteArray m_temporary;
    int m_fd = -1;
    bool m_lockHeld = false;
    bool m_replacing = false; // an old file is there, whose owner and mode are kept
    unsigned m_mode = 0;
    unsigned m_uid = 0;
    unsigned m_gid = 0;
    QString m_error;
};
