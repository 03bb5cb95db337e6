// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "properties.h"

#include "core/exercise/answertext.h"
#include "core/records/answerlog.h"
#include "core/records/history.h"
#include "core/records/linescanner.h"
#include "core/records/roster.h"
#include "core/records/studentname.h"
#include "core/records/textlines.h"
#include "core/report/reportline.h"

#include <QBuffer>
#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace fuzzprops {

bool roster(QByteArrayView input)
{
    const QList<QByteArray> names = roster::parseNames(input);
    const QByteArray written = roster::format(names);
    if (roster::parseNames(written) != names || splitLines(written).contains(QByteArray())) {
        return false;
    }
    const bool canonical = [input] {
        if (!input.isEmpty() && !input.endsWith("\r\n")) {
            return false;
        }
        if (input.startsWith("\r\n") || input.contains("\r\n\r\n")) {
            return false; // an empty line, which names no one
        }
        for (qsizetype i = 0; i < input.size(); ++i) {
            const bool crlf = input[i] == '\r' && i + 1 < input.size() && input[i + 1] == '\n';
            if (crlf) {
                ++i;
            } else if (input[i] == '\r' || input[i] == '\n') {
                return false;
            }
        }
        return true;
    }();
    return !canonical || written == input;
}

// Takes bytes from the front of the input, as a fuzzer's choices.
class Choices
{
public:
    explicit Choices(QByteArrayView data)
        : m_data(data)
    {
    }
    int next(int range)
    {
        const unsigned char b = m_pos < m_data.size() ? uchar(m_data[m_pos]) : 0;
        ++m_pos;
        return b % range;
    }
    QByteArrayView rest() const
    {
        return m_pos < m_data.size() ? m_data.sliced(m_pos) : QByteArrayView();
    }

private:
    QByteArrayView m_data;
    qsizetype m_pos = 0;
};

static QByteArray withoutAny(QByteArrayView text, const char *forbidden)
{
    QByteArray out;
    for (char c : text) {
        if (!QByteArrayView(forbidden).contains(c)) {
            out += c;
        }
    }
    return out;
}

static QDateTime chosenDateTime(Choices &c)
{
    const QDate day(1990 + c.next(120), 1 + c.next(12), 1 + c.next(28));
    return QDateTime(day, QTime(c.next(24), c.next(60), c.next(60)));
}

bool historyLine(QByteArrayView input)
{
    const QByteArray line = withoutAny(input, "\r\n");
    if (const auto parsed = history::parseRecord(line)) {
        if (history::formatRecord(*parsed) != line) {
            return false;
        }
    }
    Choices c(input);
    const HistoryRecord written {history::formatDate(chosenDateTime(c)),
                                 QByteArray::number(1 + c.next(6)), QByteArray::number(c.next(101)),
                                 withoutAny(c.rest(), "\r\n")};
    const QByteArray file = history::formatRecord(written) + "\r\n";
    QList<HistoryRecord> read;
    forEachLine(file, [&read](QByteArrayView l) {
        if (auto r = history::parseRecord(l)) {
            read.append(*r);
        }
    });
    return read == QList<HistoryRecord> {written};
}

bool answerLine(QByteArrayView input)
{
    const QByteArray line = withoutAny(input, "\r\n");
    if (const auto parsed = answerlog::parseRecord(line)) {
        const QByteArray written = answerlog::formatRecord(*parsed);
        // The date may be written in another of the forms read; nothing else may change.
        const auto afterDate = [](QByteArrayView l) { return l.sliced(l.indexOf('#')); };
        if (afterDate(written) != afterDate(line) || answerlog::parseRecord(written) != parsed) {
            return false;
        }
    }
    Choices c(input);
    const QDateTime when = chosenDateTime(c);
    const auto number = [&c](int bytes) {
        qint64 n = 0;
        for (int i = 0; i < bytes; ++i) {
            n = n * 256 + c.next(256);
        }
        return n;
    };
    AnswerRecord record {{when.date(), when.time()},
                         1 + c.next(6),
                         c.next(2) == 1,
                         int(number(2) % 10000),
                         int(number(2) % 10000),
                         {},
                         c.next(2) == 1,
                         number(5) - (qint64(1) << 32)};
    record.answer = c.rest().toByteArray();
    AnswerRecord expected = record;
    const QByteArray typed = record.answer.trimmed();
    const bool digits = !typed.isEmpty() && typed.size() <= answerlog::MaxAnswerDigits
        && std::all_of(typed.begin(), typed.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
    expected.answer = digits ? typed : QByteArray();
    expected.ms = qBound(qint64(0), record.ms, answerlog::MaxMs);
    return answerlog::parseRecord(answerlog::formatRecord(record)) == expected;
}

bool date(QByteArrayView input)
{
    if (const auto parsed = history::parseDate(input)) {
        if (!parsed->isValid() || history::parseDate(history::formatDate(*parsed)) != parsed) {
            return false;
        }
    }
    Choices c(input);
    const QDateTime when = chosenDateTime(c);
    return history::parseDate(history::formatDate(when)) == when;
}

bool studentName(QByteArrayView input)
{
    const QString text = QString::fromUtf8(input);
    if (studentname::isAcceptable(text)) {
        const QString upper = text.toUpper();
        if (upper.size() != text.size()) {
            return false;
        }
        for (QChar ch : upper) {
            if (ch != u' ' && (ch < u'A' || ch > u'Z')) {
                return false;
            }
        }
    }
    const QString trimmed = studentname::trimmed(text);
    if (trimmed.startsWith(u' ') || trimmed.endsWith(u' ')) {
        return false;
    }
    const qsizetype at = text.indexOf(trimmed);
    return at >= 0 && text.left(at).count(u' ') == at
        && text.sliced(at + trimmed.size()).count(u' ') == text.size() - at - trimmed.size();
}

bool answerText(QByteArrayView input)
{
    // The first byte says where the box's last good text ends and the typed text starts.
    const qsizetype cut = input.isEmpty() ? 0 : qMin(input.size(), 1 + uchar(input[0]) % 8);
    const QString lastGood = QString::fromUtf8(input.isEmpty() ? input : input.sliced(1, cut - 1));
    const QString text = QString::fromUtf8(input.sliced(cut));

    static const QRegularExpression reference(
        QStringLiteral("\\A *[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+) *\\z"));
    const bool numeric = answertext::isNumeric(text);
    if (numeric != reference.match(text).hasMatch()) {
        return false;
    }
    const auto value = answertext::numericValue(text);
    if (value.has_value() != numeric) {
        return false;
    }
    if (value) {
        const QByteArray latin = text.trimmed().toLatin1();
        const double expected = std::strtod(latin.constData(), nullptr);
        if (*value != expected && !(std::isnan(*value) && std::isnan(expected))) {
            return false;
        }
    }
    const answertext::Filtered after = answertext::filter(text, lastGood);
    const bool keptNumeric
        = answertext::isNumeric(after.text) || after.text.isEmpty() || after.text == lastGood;
    return keptNumeric && (numeric ? after.lastGood == text : after.lastGood == lastGood);
}

// The columns where the heading's words end, and where its first word starts.
static bool linesUpUnderTheHeading(const QByteArray &line)
{
    const QByteArray heading = reportline::heading();
    if (line.size() != heading.size() || line.startsWith(' ')) {
        return false;
    }
    const QList<QByteArray> headingWords = heading.simplified().split(' ');
    const QList<QByteArray> values = line.simplified().split(' '); // date, time, level, ...
    if (headingWords.size() != 4 || values.size() != 5) {
        return false;
    }
    qsizetype from = 0;
    qsizetype valueFrom = line.indexOf(values[1]) + values[1].size();
    for (int i = 1; i < 4; ++i) {
        const qsizetype wordEnd = heading.indexOf(headingWords[i], from) + headingWords[i].size();
        const qsizetype valueEnd = line.indexOf(values[i + 1], valueFrom) + values[i + 1].size();
        if (wordEnd != valueEnd) {
            return false;
        }
        from = wordEnd;
        valueFrom = valueEnd;
    }
    return true;
}

bool reportLine(QByteArrayView input)
{
    const QByteArray text = withoutAny(input, "\r\n");
    const HistoryRecord any = history::parseRecord(text).value_or(HistoryRecord {text, {}, {}, {}});
    const QByteArray line = reportline::format(any);
    const QByteArray date = reportline::dateText(any.date);
    if (const auto when = history::parseDateAndTime(any.date)) {
        const QDateTime calendar(when->date, when->time, Qt::UTC);
        if (date
            != QLocale::c().toString(calendar, QStringLiteral("dd/MM/yyyy HH:mm")).toLatin1()) {
            return false;
        }
    } else if (date != any.date) {
        return false;
    }
    const qsizetype level = line.indexOf(any.level, date.size());
    const qsizetype score = line.indexOf(any.score, level + any.level.size());
    if (!line.startsWith(date) || !line.endsWith(any.speed) || level < 0 || score < 0
        || line.size() < date.size() + any.level.size() + any.score.size() + any.speed.size()) {
        return false;
    }

    Choices c(input);
    char clock[16];
    std::snprintf(clock, sizeof clock, "%02d:%02d:%02d", c.next(100), c.next(60), c.next(60));
    const HistoryRecord written {history::formatDate(chosenDateTime(c)),
                                 QByteArray::number(1 + c.next(6)), QByteArray::number(c.next(101)),
                                 QByteArray(clock)};
    return linesUpUnderTheHeading(reportline::format(written));
}

bool lineScanner(QByteArrayView input)
{
    Choices choose(input);
    const qint64 chunk = 2 + choose.next(62);
    const qint64 maxLine = choose.next(24);
    const QByteArray text = choose.rest().toByteArray();
    QList<QByteArray> expected;
    qint64 tooLong = 0;
    for (const QByteArray &line : splitLines(text)) {
        if (line.size() > maxLine) {
            ++tooLong;
        } else {
            expected.append(line);
        }
    }
    QBuffer device;
    device.setData(text);
    device.open(QIODevice::ReadOnly);
    LineScanner scanner(device, maxLine);
    QList<QByteArray> found;
    bool atTheirOffsets = true;
    const bool read = scanner.scan(
        0, text.size(),
        [&](qint64 offset, QByteArrayView line) {
            atTheirOffsets = atTheirOffsets && text.sliced(offset).startsWith(line);
            found.append(line.toByteArray());
            return true;
        },
        chunk);
    return read && atTheirOffsets && found == expected && scanner.skippedLines() == tooLong;
}

} // namespace fuzzprops
