#include "addmodule.h"

#include "randomsource.h"

namespace AddModule {

static int wholePart(double r, int range)
{
    return static_cast<int>(r * range);
}

void GenerateQuestion(qint16 n, qint16 level)
{
    Randomize();
    switch (level) {
    case 1: {
        const int x = wholePart(Rnd(), 121);
        FirstNum[n] = x / 11;
        SecondNum[n] = x % 11;
        break;
    }
    case 2: {
        FirstNum[n] = wholePart(Rnd(), 11) + 10;
        SecondNum[n] = wholePart(Rnd(), 10);
        break;
    }
    case 3: {
        FirstNum[n] = wholePart(Rnd(), 80) + 20;
        SecondNum[n] = wholePart(Rnd(), 11);
        break;
    }
    case 4: {
        FirstNum[n] = wholePart(Rnd(), 11) + 10;
        SecondNum[n] = wholePart(Rnd(), 11) + 10;
        break;
    }
    case 5: {
        // Each operand: the ones digit first, then the tens digit 1..9.
        const int ones1 = wholePart(Rnd(), 10);
        const int tens1 = wholePart(Rnd(), 9) + 1;
        const int ones2 = wholePart(Rnd(), 10);
        const int tens2 = wholePart(Rnd(), 9) + 1;
        FirstNum[n] = 10 * tens1 + ones1;
        SecondNum[n] = 10 * tens2 + ones2;
        break;
    }
    case 6: {
        // Each operand: tens, then ones, then the hundreds digit 1..9.
        const int tens1 = wholePart(Rnd(), 10);
        const int ones1 = wholePart(Rnd(), 10);
        const int hundreds1 = wholePart(Rnd(), 9) + 1;
        const int tens2 = wholePart(Rnd(), 10);
        const int ones2 = wholePart(Rnd(), 10);
        const int hundreds2 = wholePart(Rnd(), 9) + 1;
        FirstNum[n] = 100 * hundreds1 + 10 * tens1 + ones1;
        SecondNum[n] = 100 * hundreds2 + 10 * tens2 + ones2;
        break;
    }
    default:
        break;
    }
}

bool IsDuplicate(qint16 n)
{
    for (int j = 1; j < n; ++j) {
        if (FirstNum[j] == FirstNum[n] && SecondNum[j] == SecondNum[n]) {
            return true;
        }
    }
    return false;
}

int DrawQuestion(qint16 n, qint16 level)
{
    int attempts = 0;
    for (;;) {
        GenerateQuestion(n, level);
        SumNum[n] = FirstNum[n] + SecondNum[n];
        ++attempts;
        if (attempts >= MaxAttempts || !IsDuplicate(n)) {
            return attempts;
        }
    }
}

} // namespace AddModule
