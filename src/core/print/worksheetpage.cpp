// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "worksheetpage.h"

#include "printsurface.h"

#include <cmath>

namespace worksheet {

namespace {
constexpr int Columns = 4;
constexpr int Rows = Questions / Columns;
constexpr int PlusLeft = 200;
constexpr int SecondLineDown = 450;
constexpr int AnswerLineDown = 50;
constexpr int AnswerLineLeft = 200;
constexpr int DoubleRuleDown = 950;
constexpr int DoubleRuleLeft = 450;
constexpr int TearLineDown = 200;
constexpr int AnswersDown = 500;
} // namespace

int blockLeft(int n)
{
    return Left + BlockWidth * ((n - 1) % Columns);
}

int blockTop(int n)
{
    return Top + BlockHeight * ((n - 1) / Columns);
}

QString numberText(int n)
{
    return QStringLiteral("%1)").arg(n, 3);
}

QString answerText(int n, qint32 answer)
{
    return QStringLiteral("%1) %2").arg(n).arg(answer);
}

QString tearLine()
{
    return QString(40, QLatin1Char('-')) + QStringLiteral(" Tear off Answer ")
        + QString(37, QLatin1Char('-'));
}

int rightAligned(int rightEdge, double width)
{
    // nearbyint follows the default rounding mode, which sends halves to the even neighbour.
    return rightEdge - static_cast<int>(std::nearbyint(width));
}

void print(PrintSurface &p, const Set &set, const QString &heading)
{
    const auto entry = [&set](int n) -> const Entry & { return set[std::size_t(n - 1)]; };

    p.setFontName(QStringLiteral("Arial"));
    if (!heading.isEmpty()) {
        p.setFontSize(HeadingPoints);
        p.setCurrentX(Left);
        p.setCurrentY(HeadingTop);
        p.print(heading);
    }
    p.setCurrentY(Top);
    for (int r = 0; r < Rows; ++r) {
        const int first = Columns * r + 1;

        p.setCurrentX(Left);
        for (int n = first; n < first + Columns; ++n) {
            p.setFontSize(NumberPoints);
            p.print(numberText(n));
            p.setFontSize(OperandPoints);
            p.setCurrentX(rightAligned(blockLeft(n) + OperandRight, p.textWidth(entry(n).first)));
            p.print(entry(n).first);
            p.setCurrentX(blockLeft(n) + BlockWidth);
        }

        // The font is still at the operand size, so the width is measured in it.
        p.setCurrentY(p.currentY() + SecondLineDown);
        for (int n = first; n < first + Columns; ++n) {
            p.setCurrentX(blockLeft(n) + PlusLeft);
            p.print(QStringLiteral("+"));
            p.setCurrentX(rightAligned(blockLeft(n) + OperandRight, p.textWidth(entry(n).second)));
            p.setFontSize(OperandPoints);
            p.print(entry(n).second);
            p.setCurrentX(blockLeft(n) + BlockWidth);
        }

        p.setCurrentY(p.currentY() + AnswerLineDown);
        for (int n = first; n < first + Columns; ++n) {
            p.setCurrentX(blockLeft(n) + AnswerLineLeft);
            p.setFontSize(OperandPoints);
            p.print(QStringLiteral("________"));
            p.setCurrentX(blockLeft(n) + BlockWidth);
        }

        p.setCurrentY(p.currentY() + DoubleRuleDown);
        for (int n = first; n < first + Columns; ++n) {
            p.setCurrentX(blockLeft(n) + DoubleRuleLeft);
            p.setFontSize(OperandPoints);
            p.print(QStringLiteral("======"));
            p.setCurrentX(blockLeft(n) + BlockWidth);
        }

        p.setCurrentY(Top + BlockHeight * (r + 1));
    }

    p.setCurrentY(p.currentY() + TearLineDown);
    p.setFontSize(TearLinePoints);
    p.setCurrentX(Left);
    p.print(tearLine());

    p.setCurrentY(p.currentY() + AnswersDown);
    p.setFontSize(AnswerPoints);
    for (int k = 1; k <= Questions; ++k) {
        p.setCurrentX(AnswersLeft + AnswerColumnWidth * ((k - 1) % AnswersPerLine));
        p.print(answerText(k, entry(k).answer));
        if (k % AnswersPerLine == 0) {
            p.printLine(QStringLiteral(" "));
        }
    }

    p.endDoc();
}

} // namespace worksheet
