// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "question.h"

#include <QList>

#include <functional>

// Draws the questions of a set from a level and a random source of values in [0, 1). The
// windows pass the program's source; tests pass a scripted one, so that the draws made
// (which, how many and in which order) are part of what the generator promises.
namespace questiongenerator {

using Draw = std::function<double()>;

// A question is drawn again while it repeats an earlier one of the set, at most this many
// times in all.
inline constexpr int MaxAttempts = 11;

// One question of a level 1 to 6, drawn without looking at any other; any other level
// gives 0 + 0 without a draw.
Question drawQuestion(int level, const Draw &draw);

// A set of `count` questions; a question that repeats the ordered operands of an earlier
// one is drawn again, at most MaxAttempts times in all, and the last draw stands.
QList<Question> generate(int level, int count, const Draw &draw);

} // namespace questiongenerator
