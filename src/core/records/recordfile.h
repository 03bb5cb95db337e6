// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fileresult.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

// The files a checked sheet adds lines to, a student's history and record of answers: how
// they are started anew and appended to, once for both. Both files of a student are changed
// under one lock, the history's (`lockFor`), so that a sheet's line and its answers go
// together and a check takes one lock, not two.
namespace recordfile {

// A change of `fileName` holds the lock of this file: given, or the file itself.
struct Lock
{
    QByteArray fileName;
};

// Starts the file anew: an earlier file of that name that held anything is kept beside it as
// "NAME.1" (the next free number); a link is refused rather than followed. The new file is
// created empty, or left to the first append.
enum class Start { Empty, OnFirstAppend };
FileResult create(const QByteArray &fileName, Start start = Start::Empty, const Lock &lock = {});

// Appends whole lines, each with its line end, in one write, creating the file when
// missing; a line left open at the file's end is ended first. A write that fails leaves the
// file as it was: never part of the lines.
FileResult append(const QByteArray &fileName, QByteArrayView lines, const Lock &lock = {});

// Appends to several files under one lock, in turn, stopping at the first that fails.
struct Lines
{
    QByteArray fileName;
    QByteArray lines;
};
FileResult appendAll(const QList<Lines> &files, const Lock &lock);

} // namespace recordfile
