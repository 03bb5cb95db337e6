// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "answertext.h"

#include <QLocale>

#include <cmath>

namespace answertext {

static bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

static bool isBlank(QChar c, Blanks blanks)
{
    if (blanks == Blanks::Whitespace) {
        return c == QLatin1Char(' ') || (c >= QLatin1Char('\t') && c <= QLatin1Char('\r'));
    }
    return c == QLatin1Char(' ');
}

bool isNumeric(QStringView text, Blanks blanks)
{
    qsizetype i = 0;
    const qsizetype end = text.size();
    while (i < end && isBlank(text[i], blanks)) {
        ++i;
    }
    if (i < end && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        ++i;
    }
    int digits = 0;
    while (i < end && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < end && text[i] == QLatin1Char('.')) {
        ++i;
        while (i < end && isDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    while (i < end && isBlank(text[i], blanks)) {
        ++i;
    }
    return digits > 0 && i == end;
}

std::optional<double> numericValue(QStringView text, Blanks blanks)
{
    if (!isNumeric(text, blanks)) {
        return std::nullopt;
    }
    // Plain decimal digits here, so the C locale reads them whatever the user's decimal
    // sign. Only a number too large for a double fails; it is then the largest there is.
    const QStringView number = text.trimmed();
    bool ok = false;
    const double value = QLocale::c().toDouble(number, &ok);
    if (!ok) {
        return number.startsWith(QLatin1Char('-')) ? -HUGE_VAL : HUGE_VAL;
    }
    return value;
}

Filtered filter(const QString &text, const QString &lastGood)
{
    if (isNumeric(text)) {
        return {text, text};
    }
    if (text.isEmpty()) {
        return {text, lastGood};
    }
    return {lastGood, lastGood};
}

} // namespace answertext
