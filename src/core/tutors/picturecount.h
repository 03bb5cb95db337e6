// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/exercise/question.h"

#include <QString>

#include <array>
#include <functional>

// Counting on with pictures: the first operand fills places of two rows of ten, and each
// press moves one picture of the second operand into the next free place while the
// counters and the running total count up. The picture tutor window shows this state.
class PictureCount
{
public:
    static constexpr int Places = 20;
    static constexpr int RowLength = 10;
    static constexpr int Pictures = 10; // the second operand's row

    // The picture font's codes of the pictures one of which is drawn at each opening.
    static constexpr std::array<int, 7> PictureCodes {34, 171, 74, 37, 36, 33, 40};

    // Empty places are grey, the first operand's pink and the moved pictures' yellow;
    // the second operand's pictures are yellow until moved, then grey.
    enum class Shade { Grey, Pink, Yellow };

    // Picks one of the pictures, each equally likely, with one draw of a value in [0, 1).
    static int drawPicture(const std::function<double()> &draw);

    PictureCount();

    // Sets the question's operands out; its sum is counted, not given.
    void initialize(const Question &question);
    // One press of "+": moves the next picture if one is left, then finishes the sum
    // when none is.
    void press();

    int first() const { return m_first; }
    int second() const { return m_second; }
    int movedCount() const { return m_movedCount; }

    Shade placeShade(int i) const { return m_places.at(i); }
    bool pictureShown(int i) const { return i < m_second; }
    Shade pictureShade(int i) const { return m_pictures.at(i); }

    int firstRowCount() const { return m_firstRow; }
    int secondRowCount() const { return m_secondRow; }
    bool secondRowCountShown() const { return m_secondRowShown; }
    int total() const { return m_total; }

    bool finished() const { return m_finished; }
    // The finished sum in one line, such as "7 + 5 = 12".
    QString sumLine() const;

private:
    int m_first = 10;
    int m_second = 10;
    int m_movedCount = 0;
    std::array<Shade, Places> m_places {};
    std::array<Shade, Pictures> m_pictures {};
    int m_firstRow = 10;
    int m_secondRow = 10;
    bool m_secondRowShown = true;
    int m_total = 10;
    bool m_finished = false;
};
