// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QtGlobal>

#include <array>

class PrintSurface;

// The paper worksheet: 24 questions in large type, four across and six down, then a
// tear line and a strip with the answers in small type. Plain layout, no widgets.
namespace worksheet {

inline constexpr int Questions = 24;

struct Entry
{
    QString first; // operand texts as the preview shows them
    QString second;
    qint32 answer = 0;
};

// Entry n of the page is element n - 1.
using Set = std::array<Entry, Questions>;

inline constexpr int Left = 800;
inline constexpr int Top = 800;
inline constexpr int BlockWidth = 2600;
inline constexpr int BlockHeight = 2100;
inline constexpr int OperandRight = 1750; // operands end here, from the block's left
inline constexpr int TearLineTop = 13600;
inline constexpr int AnswersTop = 14100;
inline constexpr int AnswersLeft = 780;
inline constexpr int AnswerColumnWidth = 1200;
inline constexpr int AnswersPerLine = 8;

inline constexpr double NumberPoints = 10;
inline constexpr double OperandPoints = 20;
inline constexpr double TearLinePoints = 10;
inline constexpr double AnswerPoints = 8;

// The top-left corner of question n's block (n from 1).
int blockLeft(int n);
int blockTop(int n);

// "  7)", " 12)": the number right-aligned in three places.
QString numberText(int n);
// "7) 15"
QString answerText(int n, qint32 answer);
QString tearLine();

// Where text of the given width starts so that it ends at rightEdge, to the nearest twip
// with halves to the even neighbour.
int rightAligned(int rightEdge, double width);

// Above the questions of a sheet made for one pupil: who it is for, and when.
inline constexpr int HeadingTop = 250;
inline constexpr double HeadingPoints = 10;

// Writes the page and ends the document; a heading, when given, stands above the questions.
void print(PrintSurface &surface, const Set &set, const QString &heading = {});

} // namespace worksheet
