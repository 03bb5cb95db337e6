// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "columnaddition.h"

#include "core/exercise/answertext.h"

#include <algorithm>
#include <optional>

namespace {

int digitCount(int value)
{
    return int(QString::number(qAbs(value)).size());
}

} // namespace

void ColumnAddition::initialize(const Question &question)
{
    hideDemo();
    m_answerDigits = std::clamp(digitCount(question.sum), 1, Columns);

    const int operandColumns
        = std::min(std::max(digitCount(question.first), digitCount(question.second)), Columns);
    int upper = question.first;
    int lower = question.second;
    for (int i = 0; i < operandColumns; ++i) {
        m_columns[i].first = upper % 10;
        m_columns[i].second = lower % 10;
        upper /= 10;
        lower /= 10;
        m_columns[i].operandsShown = true;
    }
    for (int i = 0; i < m_answerDigits; ++i) {
        setText(i, QString());
        m_columns[i].boxEnabled = false;
        m_columns[i].boxShown = true;
    }
    m_columns[0].boxEnabled = true;
}

void ColumnAddition::textChanged(int i, const QString &text)
{
    Column &col = m_columns[i];
    col.text = text;
    hideDemo();

    // A digit box allows any white space around its number, more than an answer box does.
    const std::optional<double> value
        = answertext::numericValue(text, answertext::Blanks::Whitespace);
    if (!value) {
        setText(i, QString());
        return;
    }
    const int total = columnTotal(i);
    if (*value != total % 10) {
        m_hint = Hint::Wrong;
        return;
    }

    m_demo.carry = col.carry > 0 ? QString::number(col.carry) : QString();
    m_demo.first = QString::number(col.first);
    m_demo.second = QString::number(col.second);
    m_demo.total = QString::number(total);
    m_answerLines[i] = true;
    showDemo();
    m_hint = Hint::Right;
    col.boxEnabled = false;

    // Past the last answer column the carry written is always 0, so nothing new shows;
    // the thousands column has no column after it at all.
    if (i < m_answerDigits && i < Columns - 1) {
        if (i < m_answerDigits - 1) {
            m_columns[i + 1].boxEnabled = true;
            m_focusRequest = i + 1;
            m_currentColumn = i + 1;
        }
        Column &next = m_columns[i + 1];
        next.carry = total / 10;
        if (next.carry > 0) {
            m_carryLines[i] = true;
            next.carryShown = true;
            m_carryCaptionShown = true;
        }
        m_pointerLeft -= ColumnStep;
    }
    if (i == m_answerDigits - 1) {
        m_finished = true;
        m_hint = Hint::Finished;
        m_pointerShown = false;
    }
}

void ColumnAddition::gotFocus(int column)
{
    m_currentColumn = column;
}

void ColumnAddition::help()
{
    if (m_finished) {
        return;
    }
    setText(m_currentColumn, QString::number(columnTotal(m_currentColumn) % 10));
}

int ColumnAddition::takeFocusRequest()
{
    return std::exchange(m_focusRequest, -1);
}

void ColumnAddition::hideDemo()
{
    m_demoShown = false;
    m_carryCaptionShown = false;
    m_carryLines.fill(false);
    m_answerLines.fill(false);
}

void ColumnAddition::showDemo()
{
    m_demoShown = true;
}

// Setting a box to the text it already holds is no change and runs nothing.
void ColumnAddition::setText(int column, const QString &text)
{
    if (m_columns[column].text != text) {
        textChanged(column, text);
    }
}

int ColumnAddition::columnTotal(int column) const
{
    const Column &col = m_columns[column];
    return col.first + col.second + col.carry;
}
