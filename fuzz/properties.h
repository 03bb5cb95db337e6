// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArrayView>

// Properties that every input from outside must keep. The fuzz targets check them on
// generated inputs; the test suite checks them on the committed corpus and on every
// input a fuzzer once found failing.
namespace fuzzprops {

// Reading a roster and writing it back gives a file that reads as the same names and holds
// no empty line, and a file already in the written form comes back byte for byte.
bool roster(QByteArrayView input);
// A line splits into a record only when writing that record gives the line back, and a
// record the program writes always reads back as the same fields.
bool historyLine(QByteArrayView input);
// A line of the record of answers reads as a record only when its fields after the date
// are as the program writes them, and writing that record gives a line that reads as the
// same; a record the program writes, whatever its answer and time, reads back as written.
bool answerLine(QByteArrayView input);
// A date read from a file is one the program can write and read back unchanged, and any
// date and time the program writes reads back as itself.
bool date(QByteArrayView input);
// A name the filter accepts is capital letters and blanks only, and trimming takes
// blanks off both ends and nothing else.
bool studentName(QByteArrayView input);

// The answer boxes' numeric test agrees with a plain reading of decimal numbers, the
// value agrees with the C library's, and the filter never leaves other text in a box.
bool answerText(QByteArrayView input);

// A report line starts with the record's date as the calendar reads it (or the text as
// written, when it is no date) and keeps the other fields intact; for a record the program
// writes, every value ends under the last letter of its heading word.
bool reportLine(QByteArrayView input);

// Reading a file line by line in chunks of any size gives the lines splitLines() gives,
// each at its offset, less those over the line limit, which are counted; however the
// chunks cut the line ends.
bool lineScanner(QByteArrayView input);

} // namespace fuzzprops
