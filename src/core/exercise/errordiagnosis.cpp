// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "errordiagnosis.h"

#include <QByteArray>
#include <QCoreApplication>

#include <algorithm>
#include <cstdlib>

namespace errordiagnosis {

namespace {

int digitAt(int n, int column)
{
    for (int k = 0; k < column; ++k) {
        n /= 10;
    }
    return n % 10;
}

int digitCount(int n)
{
    int count = 1;
    for (; n >= 10; n /= 10) {
        ++count;
    }
    return count;
}

// Column addition as on paper, units first: each column writes its last digit and carries
// the rest, the leftmost writes its whole sum. The carries into the columns of `dropped`
// (bit k for column k) are left out; `carried` gets the columns that received one.
int columnSum(int first, int second, unsigned dropped, unsigned *carried = nullptr)
{
    const int columns = std::max(digitCount(first), digitCount(second));
    int sum = 0;
    int place = 1;
    int carry = 0;
    for (int k = 0; k < columns; ++k) {
        if (dropped & (1u << k)) {
            carry = 0;
        } else if (carry != 0 && carried) {
            *carried |= 1u << k;
        }
        const int column = digitAt(first, k) + digitAt(second, k) + carry;
        if (k == columns - 1) {
            sum += column * place;
        } else {
            sum += column % 10 * place;
            carry = column / 10;
            place *= 10;
        }
    }
    return sum;
}

// The positions where two numbers' digits differ, when they have as many.
struct DigitChange
{
    bool sameLength = false;
    int count = 0;
    bool adjacentSwap = false;
};

DigitChange compareDigits(int sum, int answer)
{
    const QByteArray s = QByteArray::number(sum);
    const QByteArray a = QByteArray::number(answer);
    DigitChange change;
    change.sameLength = s.size() == a.size();
    if (!change.sameLength) {
        return change;
    }
    qsizetype firstDiffering = -1;
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] != a[i]) {
            firstDiffering = change.count++ == 0 ? i : firstDiffering;
        }
    }
    const qsizetype i = firstDiffering;
    change.adjacentSwap
        = change.count == 2 && i + 1 < s.size() && s[i] == a[i + 1] && s[i + 1] == a[i];
    return change;
}

} // namespace

ErrorKind classify(int first, int second, std::optional<int> answer)
{
    Q_ASSERT(first >= 0 && second >= 0);
    const int sum = first + second;
    if (!answer) {
        // A blank box is marked as 0, so it is right for 0 + 0.
        return sum == 0 ? ErrorKind::None : ErrorKind::Blank;
    }
    if (*answer == sum) {
        return ErrorKind::None;
    }
    // The carry kinds come before the distances: a forgotten carry into the tens is also ten
    // off (47 + 85 = 122), an extra one one digit wrong; the carry says why.
    unsigned carried = 0;
    columnSum(first, second, 0, &carried);
    for (unsigned dropped = carried; dropped != 0; dropped = (dropped - 1) & carried) {
        if (columnSum(first, second, dropped) == *answer) {
            return ErrorKind::ForgotCarry;
        }
    }
    const int columns = std::max(digitCount(first), digitCount(second));
    for (int k = 1, place = 10; k < columns; ++k, place *= 10) {
        if (!(carried & (1u << k)) && *answer == sum + place) {
            return ErrorKind::ExtraCarry;
        }
    }
    // A subtraction is a slip of method, not of a digit, even where it is also ten off
    // (52 + 5 = 47) or looks like swapped digits (22 + 9 = 13).
    if (*answer == std::abs(first - second)) {
        return ErrorKind::Difference;
    }
    const DigitChange change = compareDigits(sum, *answer);
    if (change.adjacentSwap) {
        return ErrorKind::DigitsSwapped;
    }
    // One or ten off before one digit wrong: 133 for 132 is a miscount, and 140 for 139 is
    // one off though two digits differ.
    const int distance = std::abs(*answer - sum);
    if (distance == 1) {
        return ErrorKind::OffByOne;
    }
    if (distance == 10) {
        return ErrorKind::OffByTen;
    }
    if (change.sameLength && change.count == 1) {
        return ErrorKind::OneDigitWrong;
    }
    return ErrorKind::Other;
}

QString describe(ErrorKind kind)
{
    switch (kind) {
    case ErrorKind::None:
        return {};
    case ErrorKind::Blank:
        return QCoreApplication::translate("ErrorDiagnosis", "Left blank");
    case ErrorKind::Difference:
        return QCoreApplication::translate("ErrorDiagnosis", "Gave the difference, not the sum");
    case ErrorKind::ForgotCarry:
        return QCoreApplication::translate("ErrorDiagnosis", "Forgot to carry");
    case ErrorKind::ExtraCarry:
        return QCoreApplication::translate("ErrorDiagnosis", "Carried where nothing carries");
    case ErrorKind::DigitsSwapped:
        return QCoreApplication::translate("ErrorDiagnosis", "Swapped two digits");
    case ErrorKind::OffByOne:
        return QCoreApplication::translate("ErrorDiagnosis", "Off by one");
    case ErrorKind::OffByTen:
        return QCoreApplication::translate("ErrorDiagnosis", "Off by ten");
    case ErrorKind::OneDigitWrong:
        return QCoreApplication::translate("ErrorDiagnosis", "One digit wrong");
    case ErrorKind::Other:
        break;
    }
    return QCoreApplication::translate("ErrorDiagnosis", "Another mistake");
}

} // namespace errordiagnosis
