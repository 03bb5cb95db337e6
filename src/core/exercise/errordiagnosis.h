// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <optional>

// What kind of slip a wrong answer to an addition shows, for a teacher's overview: the
// column addition a pupil does on paper, redone with the usual mistakes, to see which one
// gives the answer.
namespace errordiagnosis {

enum class ErrorKind {
    None, // the answer is right
    Blank,
    Difference, // first - second or second - first, the sum being another number
    ForgotCarry, // one or more of the carries the columns make left out
    ExtraCarry, // a carry of one added into a column that gets none
    DigitsSwapped, // the sum's digits with two neighbours exchanged
    OffByOne,
    OffByTen,
    OneDigitWrong, // as many digits as the sum, one of them different
    Other,
};

// The kind of first + second = answer, the operands from 0 to 9999; no answer is a blank
// box. Where an answer fits more than one kind, the first in the order above names it.
ErrorKind classify(int first, int second, std::optional<int> answer);

// A short phrase for a teacher; nothing for a right answer.
QString describe(ErrorKind kind);

} // namespace errordiagnosis
