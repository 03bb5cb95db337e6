#pragma once

// One addition question: first + second = sum.
struct Question
{
    int first = 0;
    int second = 0;
    int sum = 0;

    friend bool operator==(const Question &, const Question &) = default;
};
