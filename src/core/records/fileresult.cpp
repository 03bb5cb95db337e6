// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fileresult.h"

#include <QCoreApplication>

QString FileResult::writeProblem(const QString &fileName, const QString &reason)
{
    return QCoreApplication::translate("FileResult", "The file \"%1\" could not be written: %2.")
        .arg(fileName, reason);
}

FileResult FileResult::writeFailure(const QString &fileName, const QString &reason)
{
    // A file name made from a junk roster line can be megabytes long: show its start.
    constexpr qsizetype Shown = 256;
    const QString name = fileName.size() > Shown ? fileName.first(Shown) + QChar(0x2026) : fileName;
    FileResult result
        = failure(writeProblem(name, reason) + QLatin1Char('\n')
                  + QCoreApplication::translate("FileResult", "Nothing was changed."));
    result.fileName = name;
    result.reason = reason;
    return result;
}
