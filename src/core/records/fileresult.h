// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// What a write to a data file came to. On failure the message names the file and the
// reason, ready to be shown to the user.
struct FileResult
{
    bool ok = true;
    QString message;
    // For a write failure, the file and the OS's reason on their own.
    QString fileName;
    QString reason;

    static FileResult success() { return {}; }
    static FileResult failure(const QString &message) { return {false, message, {}, {}}; }
    static FileResult writeFailure(const QString &fileName, const QString &reason);
    // That failure's first sentence alone, for a message that goes on to say what it means
    // where that is not that nothing was changed.
    static QString writeProblem(const QString &fileName, const QString &reason);
};
