#include "columnaddition.h"

#include <QRegularExpression>

#include <algorithm>
#include <optional>

namespace {

// A box's text as a number: digits with an optional sign and decimal point, blanks around
// allowed. Anything else, the empty text included, is no number.
std::optional<double> numberIn(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral(R"(^\s*[+-]?(\d+\.?\d*|\.\d+)\s*$)"));
    if (!pattern.match(text).hasMatch()) {
        return std::nullopt;
    }
    return text.trimmed().toDouble();
}

qint16 digitCount(qint16 value)
{
    return qint16(QString::number(qAbs(int(value))).size());
}

} // namespace

void ColumnAddition::initialize(qint16 first, qint16 second, qint16 sum)
{
    HideDemo();
    AnswerDigits = std::clamp(digitCount(sum), qint16(1), qint16(Columns));

    const int operandColumns
        = std::min<int>(std::max(digitCount(first), digitCount(second)), Columns);
    qint16 upper = first;
    qint16 lower = second;
    for (int i = 0; i < operandColumns; ++i) {
        m_columns[i].first = qint16(upper % 10);
        m_columns[i].second = qint16(lower % 10);
        upper = qint16(upper / 10);
        lower = qint16(lower / 10);
        m_columns[i].operandsShown = true;
    }
    for (int i = 0; i < AnswerDigits; ++i) {
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
    HideDemo();

    const std::optional<double> value = numberIn(text);
    if (!value) {
        setText(i, QString());
        return;
    }
    const qint16 total = columnTotal(i);
    if (*value != total % 10) {
        m_hint = Hint::Wrong;
        return;
    }

    m_demo.carry = col.carry > 0 ? QString::number(col.carry) : QString();
    m_demo.first = QString::number(col.first);
    m_demo.second = QString::number(col.second);
    m_demo.total = QString::number(total);
    m_answerLines[i] = true;
    ShowDemo();
    m_hint = Hint::Right;
    col.boxEnabled = false;

    // Past the last answer column the carry written is always 0, so nothing new shows;
    // the thousands column has no column after it at all.
    if (i < AnswerDigits && i < Columns - 1) {
        if (i < AnswerDigits - 1) {
            m_columns[i + 1].boxEnabled = true;
            m_focusRequest = i + 1;
            CurColumn = qint16(i + 1);
        }
        Column &next = m_columns[i + 1];
        next.carry = qint16(total / 10);
        if (next.carry > 0) {
            m_carryLines[i] = true;
            next.carryShown = true;
            m_carryCaptionShown = true;
        }
        m_pointerLeft -= ColumnStep;
    }
    if (i == AnswerDigits - 1) {
        m_finished = true;
        m_hint = Hint::Finished;
        m_pointerShown = false;
    }
}

void ColumnAddition::gotFocus(int column)
{
    CurColumn = qint16(column);
}

void ColumnAddition::help()
{
    if (m_finished) {
        return;
    }
    setText(CurColumn, QString::number(columnTotal(CurColumn) % 10));
}

int ColumnAddition::takeFocusRequest()
{
    return std::exchange(m_focusRequest, -1);
}

void ColumnAddition::HideDemo()
{
    m_demoShown = false;
    m_carryCaptionShown = false;
    m_carryLines.fill(false);
    m_answerLines.fill(false);
}

void ColumnAddition::ShowDemo()
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

qint16 ColumnAddition::columnTotal(int column) const
{
    const Column &col = m_columns[column];
    return qint16(col.first + col.second + col.carry);
}
