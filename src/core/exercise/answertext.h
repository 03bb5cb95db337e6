// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// What an answer box may hold: a number as a pupil may write it, and the value that is
// marked. The box keeps its last numeric text when anything else is typed or pasted.
namespace answertext {

inline constexpr int MaxLength = 5;

// What may stand around a number: an answer box allows spaces only; the column tutor's
// digit boxes allow any ASCII white space (tab, line feed, vertical tab, form feed,
// carriage return, space).
enum class Blanks { Spaces, Whitespace };

// A decimal number with an optional sign and an optional decimal point, blanks around it
// allowed: "12", "007", "-3", "4.5", " 8 ", "4.", ".5". Empty text, blanks alone, a lone
// sign or a lone point are not numbers.
bool isNumeric(QStringView text, Blanks blanks = Blanks::Spaces);

// The value of numeric text; nothing for any other text.
std::optional<double> numericValue(QStringView text, Blanks blanks = Blanks::Spaces);

struct Filtered
{
    QString text; // what the box holds after the change
    QString lastGood; // the box's last numeric text from now on
};

// Numeric text stays and becomes the last good text; empty text stays without being
// remembered; any other text gives way to the last good text.
Filtered filter(const QString &text, const QString &lastGood);

} // namespace answertext
