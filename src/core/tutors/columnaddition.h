// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/exercise/question.h"

#include <QString>

#include <array>

// The steps of one column addition, worked from the units leftwards: each answer digit is
// checked the moment it arrives; a right one is demonstrated (carry in, the two digits,
// the column total), its carry is written above the next column and the pointer moves on.
// The column tutor window shows this state; a test can drive it without a window.
class ColumnAddition
{
public:
    static constexpr int Columns = 4;
    static constexpr int PointerStart = 4680; // twips, under the units box
    static constexpr int ColumnStep = 720; // twips between two columns

    enum class Hint { None, Wrong, Right, Finished };

    // What the controls of one column hold. Every caption starts as "0", so a column
    // without operand digits counts both of them as 0.
    struct Column
    {
        int first = 0;
        int second = 0;
        int carry = 0; // into this column; the units column never has one
        bool operandsShown = false;
        bool carryShown = false;
        QString text = QStringLiteral("0"); // the answer box
        bool boxShown = false;
        bool boxEnabled = false;
    };

    // The worked example of the last column answered right.
    struct Demonstration
    {
        QString carry; // empty when nothing was carried in
        QString first;
        QString second;
        QString total = QStringLiteral("00");
    };

    void initialize(const Question &question);

    // The text of answer box `column` is now `text`, whether the pupil typed it or the
    // program set it.
    void textChanged(int column, const QString &text);
    void gotFocus(int column);
    // Types the right digit into the box of the current column, as the pupil would.
    void help();

    const Column &column(int i) const { return m_columns.at(i); }
    int answerDigits() const { return m_answerDigits; }
    int currentColumn() const { return m_currentColumn; }
    Hint hint() const { return m_hint; }
    bool finished() const { return m_finished; }

    bool demoShown() const { return m_demoShown; }
    const Demonstration &demo() const { return m_demo; }
    bool carryCaptionShown() const { return m_carryCaptionShown; }
    bool carryLineShown(int i) const { return m_carryLines.at(i); }
    bool answerLineShown(int i) const { return m_answerLines.at(i); }

    int pointerLeft() const { return m_pointerLeft; }
    bool pointerShown() const { return m_pointerShown; }

    // The box that is to take the focus now, once: -1 when none.
    int takeFocusRequest();

private:
    void hideDemo();
    void showDemo();
    void setText(int column, const QString &text);
    int columnTotal(int column) const;

    std::array<Column, Columns> m_columns {};
    int m_currentColumn = 0;
    int m_answerDigits = 0;
    Hint m_hint = Hint::None;
    bool m_finished = false;

    bool m_demoShown = true; // until initialize hides it
    Demonstration m_demo;
    bool m_carryCaptionShown = true;
    std::array<bool, Columns - 1> m_carryLines {true, true, true};
    std::array<bool, Columns> m_answerLines {true, true, true, true};

    int m_pointerLeft = PointerStart;
    bool m_pointerShown = true;
    int m_focusRequest = -1;
};
