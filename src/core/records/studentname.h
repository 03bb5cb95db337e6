// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The rules for a new student's name as it is typed.
namespace studentname {

// Every character must be a blank or, once in upper case, one of the letters A to Z.
bool isAcceptable(const QString &text);
// Leading and trailing blanks removed; blanks inside stay.
QString trimmed(const QString &text);

} // namespace studentname
