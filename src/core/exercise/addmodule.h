#pragma once

#include <QtGlobal>

#include <array>

// The questions shared by every window that shows them: question n is FirstNum[n] +
// SecondNum[n] = SumNum[n], numbered from 1; entry 0 is never used.
namespace AddModule {

inline constexpr int Size = 123; // indices 0..122
inline constexpr int MaxAttempts = 11;

inline std::array<qint32, Size> FirstNum {};
inline std::array<qint32, Size> SecondNum {};
inline std::array<qint32, Size> SumNum {};

// Draws the operands of question n for a level 1 to 6; any other level writes nothing.
void GenerateQuestion(qint16 n, qint16 level);
// True when an earlier question of the set, 1 to n - 1, has the same ordered operands.
bool IsDuplicate(qint16 n);

// Fills question n: draws, sets SumNum[n], and draws again while it repeats an earlier
// question, at most MaxAttempts times in all; the last draw stands. Returns the draws made.
int DrawQuestion(qint16 n, qint16 level);

} // namespace AddModule
