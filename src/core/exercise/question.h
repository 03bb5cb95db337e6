// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// One addition question: first + second = sum.
struct Question
{
    int first = 0;
    int second = 0;
    int sum = 0;

    friend bool operator==(const Question &, const Question &) = default;
};
