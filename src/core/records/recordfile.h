#pragma once

#include "fileresult.h"

#include <QByteArray>
#include <QByteArrayView>

// The files a checked sheet adds lines to, a student's history and record of answers: how
// they are started anew and appended to, once for both, under the file's lock.
namespace recordfile {

// Starts the file anew: an earlier file of that name that held anything is kept beside it as
// "NAME.1" (the next free number); a link is refused rather than followed. The new file is
// created empty, or left to the first append.
enum class Start { Empty, OnFirstAppend };
FileResult create(const QByteArray &fileName, Start start = Start::Empty);

// Appends whole lines, each with its line end, in one write, creating the file when
// missing; a line left open at the file's end is ended first. A write that fails leaves the
// file as it was: never part of the lines.
FileResult append(const QByteArray &fileName, QByteArrayView lines);

} // namespace recordfile
