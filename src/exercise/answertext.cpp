#include "answertext.h"

#include <QLocale>

namespace answertext {

static bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

static bool isBlank(QChar c)
{
    return c == QLatin1Char(' ');
}

bool isNumeric(QStringView text)
{
    qsizetype i = 0;
    const qsizetype end = text.size();
    while (i < end && isBlank(text[i])) {
        ++i;
    }
    if (i < end && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        ++i;
    }
    int digits = 0;
    while (i < end && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < end && text[i] == QLatin1Char('.')) {
        ++i;
        while (i < end && isDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    while (i < end && isBlank(text[i])) {
        ++i;
    }
    return digits > 0 && i == end;
}

std::optional<double> numericValue(QStringView text)
{
    if (!isNumeric(text)) {
        return std::nullopt;
    }
    // The text is known to be a plain decimal number here, so the C locale reads all of it.
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    return ok ? std::optional(value) : std::nullopt;
}

Filtered filter(const QString &text, const QString &lastGood)
{
    if (isNumeric(text)) {
        return {text, text};
    }
    if (text.isEmpty()) {
        return {text, lastGood};
    }
    return {lastGood, lastGood};
}

} // namespace answertext
